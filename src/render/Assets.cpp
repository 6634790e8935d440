#include "render/Assets.h"

#include "render/AssetPictures.h"
#include "render/Fonts.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <array>
#include <mutex>
#include <stdexcept>
#include <string>

namespace sumcraft {

namespace {

using pictures::Coin;
using pictures::Form;

enum class Kind { Coin, Clock };

struct AssetEntry {
  AssetName id;
  std::string_view name;
  int width;
  int height;
  Kind kind;
  Coin coin;
  Form form;
  QPoint centre;
  int radius;
};

// Sizes and centres are what the question drawing relies on; the dial radii
// are our own choice.
constexpr std::array<AssetEntry, kAssetCount> kAssets{{
    {AssetName::QuarterDisplay, "QUARTERDISPLAY", 73, 73, Kind::Coin, Coin::Quarter, Form::Display, {36, 36}, 0},
    {AssetName::QuarterPrint, "QUARTERPRINT", 256, 256, Kind::Coin, Coin::Quarter, Form::Print, {128, 128}, 0},
    {AssetName::DimeDisplay, "DIMEDISPLAY", 52, 52, Kind::Coin, Coin::Dime, Form::Display, {26, 26}, 0},
    {AssetName::DimePrint, "DIMEPRINT", 212, 212, Kind::Coin, Coin::Dime, Form::Print, {106, 106}, 0},
    {AssetName::NickelDisplay, "NICKELDISPLAY", 61, 61, Kind::Coin, Coin::Nickel, Form::Display, {30, 30}, 0},
    {AssetName::NickelPrint, "NICKELPRINT", 238, 238, Kind::Coin, Coin::Nickel, Form::Print, {119, 119}, 0},
    {AssetName::PennyDisplay, "PENNYDISPLAY", 54, 54, Kind::Coin, Coin::Penny, Form::Display, {27, 27}, 0},
    {AssetName::PennyPrint, "PENNYPRINT", 220, 220, Kind::Coin, Coin::Penny, Form::Print, {110, 110}, 0},
    {AssetName::ClockFace, "CLOCKFACE", 225, 200, Kind::Clock, Coin::Quarter, Form::Display, {109, 86}, 83},
    {AssetName::ClockFacePrint, "CLOCKFACEPRINT", 595, 635, Kind::Clock, Coin::Quarter, Form::Print, {294, 255}, 245},
}};

const AssetEntry& Entry(AssetName name) {
  const auto index = static_cast<std::size_t>(name);
  if (index >= kAssets.size() || kAssets[index].id != name) {
    throw std::invalid_argument("unknown picture resource number " + std::to_string(index));
  }
  return kAssets[index];
}

QImage Draw(const AssetEntry& e) {
  const QSize size(e.width, e.height);
  // Every picture carries lettering, which needs the font database, which
  // only a GUI application has; without one Qt would abort the whole process.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
    throw std::logic_error("the picture \"" + std::string(e.name) +
                           "\" carries text and can only be drawn once a QGuiApplication exists");
  }
  // The lettering is in the sans face, both weights.
  EnsureBundledFont(TBundledFace::Sans, false);
  EnsureBundledFont(TBundledFace::Sans, true);
  switch (e.kind) {
    case Kind::Coin: return pictures::DrawCoin(e.coin, e.form, e.width);
    case Kind::Clock: return pictures::DrawClockFace(size, e.centre, e.radius, e.form);
  }
  return pictures::BlankPicture(size);
}

}  // namespace

const QImage& Asset(AssetName name) {
  const AssetEntry& e = Entry(name);
  // Drawn once and never replaced, so references handed out stay valid for
  // the rest of the run.
  static std::mutex guard;
  static std::array<QImage, kAssetCount> cache;
  std::lock_guard lock(guard);
  QImage& slot = cache[static_cast<std::size_t>(name)];
  if (slot.isNull()) slot = Draw(e);
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
