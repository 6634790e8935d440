#include "render/Assets.h"

#include <QResource>
#include <QString>

#include <cstring>
#include <mutex>
#include <stdexcept>
#include <string>

#include "render/AssetTable.h"
#include "render/PdfCoding.h"

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitPictureResourcesOnce() { Q_INIT_RESOURCE(drawn_pictures); }

namespace sumcraft {

namespace {

using pictures::AssetEntry;
using pictures::kAssets;

const AssetEntry& Entry(AssetName name) {
  const auto index = static_cast<std::size_t>(name);
  if (index >= kAssets.size() || kAssets[index].id != name) {
    throw std::invalid_argument("unknown picture resource number " + std::to_string(index));
  }
  return kAssets[index];
}

// The pictures are line art with lettering, drawn once when the program is
// built (drawing them took longer than the rest of a sheet of 2,000 money
// and clock questions) and stored as grey levels, run-length coded and
// deflated as a PDF picture stream holds them.
struct TStoredPicture {
  QImage Image;      // decoded only when something draws its pixels
  QByteArray Coded;  // what a PDF file holds
};

const QByteArray& Coded(const AssetEntry& e, TStoredPicture& picture) {
  static const bool registered = [] {
    InitPictureResourcesOnce();
    return true;
  }();
  (void)registered;
  if (picture.Coded.isEmpty()) {
    const QString path = QStringLiteral(":/sumcraft/pictures/") +
                         QString::fromLatin1(e.name.data(), static_cast<qsizetype>(e.name.size())) +
                         QStringLiteral(".coded");
    picture.Coded = QResource(path).uncompressedData();
    if (picture.Coded.isEmpty()) {
      throw std::logic_error("the picture \"" + std::string(e.name) + "\" is missing from the program");
    }
  }
  return picture.Coded;
}

QImage Decode(const AssetEntry& e, TStoredPicture& picture) {
  const qsizetype size = static_cast<qsizetype>(e.width) * e.height;
  // The run-length coding takes at most one byte in 128 more, and its end.
  const QByteArray grey = RunLengthDecode(Inflate(Coded(e, picture), size + size / 128 + 2), size);
  if (grey.size() != size) {
    throw std::logic_error("the picture \"" + std::string(e.name) + "\" is missing from the program");
  }
  QImage image(e.width, e.height, QImage::Format_Grayscale8);
  const char* line = grey.constData();
  for (int y = 0; y < e.height; ++y, line += e.width) {
    std::memcpy(image.scanLine(y), line, static_cast<std::size_t>(e.width));
  }
  return image;
}

std::mutex& Guard() {
  static std::mutex guard;
  return guard;
}

std::array<TStoredPicture, kAssetCount>& Cache() {
  static std::array<TStoredPicture, kAssetCount> cache;
  return cache;
}

}  // namespace

const QImage& Asset(AssetName name) {
  const AssetEntry& e = Entry(name);
  // Loaded once and never replaced, so references handed out stay valid for
  // the rest of the run.
  std::lock_guard lock(Guard());
  TStoredPicture& slot = Cache()[static_cast<std::size_t>(name)];
  if (slot.Image.isNull()) slot.Image = Decode(e, slot);
  return slot.Image;
}

const QByteArray& AssetPdfStream(AssetName name) {
  const AssetEntry& e = Entry(name);
  std::lock_guard lock(Guard());
  return Coded(e, Cache()[static_cast<std::size_t>(name)]);
}

const QByteArray* AssetPdfStream(const QImage& picture) {
  if (picture.isNull()) return nullptr;
  std::lock_guard lock(Guard());
  for (const TStoredPicture& stored : Cache()) {
    if (!stored.Image.isNull() && stored.Image.cacheKey() == picture.cacheKey()) return &stored.Coded;
  }
  return nullptr;
}

const QImage& Asset(std::string_view resourceName) {
  const std::optional<AssetName> name = AssetByName(resourceName);
  if (!name) {
    throw std::invalid_argument("unknown picture resource \"" + std::string(resourceName) + "\"");
  }
  return Asset(*name);
}

std::optional<AssetName> AssetByName(std::string_view resourceName) {
  for (const AssetEntry& e : kAssets) {
    if (e.name == resourceName) return e.id;
  }
  return std::nullopt;
}

std::string_view AssetResourceName(AssetName name) { return Entry(name).name; }

QSize AssetSize(AssetName name) {
  const AssetEntry& e = Entry(name);
  return {e.width, e.height};
}

QPoint AssetCentre(AssetName name) { return Entry(name).centre; }

int AssetRadius(AssetName name) { return Entry(name).radius; }

}  // namespace sumcraft
