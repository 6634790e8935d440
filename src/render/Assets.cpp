#include "render/Assets.h"

#include <QResource>
#include <QString>

#include <cstring>
#include <mutex>
#include <stdexcept>
#include <string>

#include "render/AssetTable.h"

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
// and clock questions) and stored uncompressed as grey levels.
QImage Load(const AssetEntry& e) {
  static const bool registered = [] {
    InitPictureResourcesOnce();
    return true;
  }();
  (void)registered;
  const QString path = QStringLiteral(":/sumcraft/pictures/") +
                       QString::fromLatin1(e.name.data(), static_cast<qsizetype>(e.name.size())) +
                       QStringLiteral(".grey");
  const QResource stored(path);
  const QByteArray samples = stored.uncompressedData();
  if (samples.size() != static_cast<qsizetype>(e.width) * e.height) {
    throw std::logic_error("the picture \"" + std::string(e.name) + "\" is missing from the program");
  }
  QImage picture(e.width, e.height, QImage::Format_Grayscale8);
  const auto* grey = reinterpret_cast<const uchar*>(samples.constData());
  for (int y = 0; y < e.height; ++y, grey += e.width) {
    std::memcpy(picture.scanLine(y), grey, static_cast<std::size_t>(e.width));
  }
  return picture;
}

}  // namespace

const QImage& Asset(AssetName name) {
  const AssetEntry& e = Entry(name);
  // Loaded once and never replaced, so references handed out stay valid for
  // the rest of the run.
  static std::mutex guard;
  static std::array<QImage, kAssetCount> cache;
  std::lock_guard lock(guard);
  QImage& slot = cache[static_cast<std::size_t>(name)];
  if (slot.isNull()) slot = Load(e);
  return slot;
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
