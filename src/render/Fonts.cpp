#include "render/Fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "render/CodePage1252.h"
#include "render/Resources.h"
#include "render/Rounding.h"

namespace sumcraft {

namespace {

struct TFaceFiles {
  const char* family;
  const char* regular;
  const char* bold;
};

constexpr std::array<TFaceFiles, 3> kFaces = {{
    {"Sumcraft Sans", ":/sumcraft/fonts/SumcraftSans-Regular.ttf", ":/sumcraft/fonts/SumcraftSans-Bold.ttf"},
    {"Sumcraft Mono", ":/sumcraft/fonts/SumcraftMono-Regular.ttf", ":/sumcraft/fonts/SumcraftMono-Bold.ttf"},
    {"Sumcraft UI", ":/sumcraft/fonts/SumcraftUI-Regular.ttf", ":/sumcraft/fonts/SumcraftUI-Bold.ttf"},
}};

std::string Normalised(std::string_view name) {
  std::size_t b = 0, e = name.size();
  while (b < e && name[b] == ' ') ++b;
  while (e > b && name[e - 1] == ' ') --e;
  std::string out(name.substr(b, e - b));
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

void EnsureBundledFonts() {
  // Registered per application object: a process that makes a second
  // QGuiApplication (rare; some tests) starts with a fresh font database.
  static const QGuiApplication* registeredFor = nullptr;
  if (registeredFor != nullptr && registeredFor == qGuiApp) return;
  if (qGuiApp == nullptr) {
    throw std::logic_error("Fonts and drawing need a QGuiApplication; create one before drawing.");
  }
  InitRenderResources();
  for (const TFaceFiles& face : kFaces) {
    for (const char* file : {face.regular, face.bold}) {
      if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0) {
        throw std::runtime_error(std::string("Cannot load the bundled font ") + file);
      }
    }
  }
  registeredFor = qGuiApp;
}

TBundledFace FaceForName(std::string_view faceName) {
  const std::string n = Normalised(faceName);
  if (n == "courier new" || n == "sumcraft mono") return TBundledFace::Mono;
  if (n == "tahoma" || n == "sumcraft ui") return TBundledFace::UI;
  return TBundledFace::Sans;
}

QString BundledFamily(TBundledFace face) {
  return QString::fromLatin1(kFaces[static_cast<std::size_t>(face)].family);
}

int FontPixelSize(int points, int resolution) {
  const std::int64_t p = static_cast<std::int64_t>(points) * resolution;
  const std::int64_t px = p >= 0 ? (p + 36) / 72 : (p - 36) / 72;
  return static_cast<int>(std::clamp<std::int64_t>(px, 1, kMaxFontPixels));
}

QFont MakeBundledFont(TBundledFace face, int pixelSize, bool bold) {
  EnsureBundledFonts();
  QFont font(BundledFamily(face));
  font.setPixelSize(std::clamp(pixelSize, 1, kMaxFontPixels));
  font.setBold(bold);
  font.setItalic(false);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  font.setStyleStrategy(static_cast<QFont::StyleStrategy>(QFont::PreferOutline | QFont::PreferNoShaping));
  return font;
}

TFontMetrics::TFontMetrics(TBundledFace face, int pixelSize, bool bold)
    : font_(MakeBundledFont(face, pixelSize, bold)), face_(face), pixelSize_(font_.pixelSize()), bold_(bold) {
  const QFontMetricsF fm(font_);
  ascent_ = fm.ascent();
  descent_ = fm.descent();
  height_ = Nearest(ascent_ + descent_);
  for (int b = 0; b < 256; ++b) {
    advances_[static_cast<std::size_t>(b)] = fm.horizontalAdvance(QChar(Cp1252ToUnicode(static_cast<unsigned char>(b))));
  }
}

const TFontMetrics& TFontMetrics::Get(TBundledFace face, int pixelSize, bool bold) {
  static std::unordered_map<std::uint32_t, std::unique_ptr<TFontMetrics>> cache;
  pixelSize = std::clamp(pixelSize, 1, kMaxFontPixels);
  const std::uint32_t key = (static_cast<std::uint32_t>(pixelSize) << 3) | (static_cast<std::uint32_t>(face) << 1) |
                            (bold ? 1U : 0U);
  auto it = cache.find(key);
  if (it == cache.end()) {
    it = cache.emplace(key, std::make_unique<TFontMetrics>(face, pixelSize, bold)).first;
  }
  return *it->second;
}

double TFontMetrics::WidthF(std::string_view text) const {
  double w = 0;
  for (const char c : text) w += advances_[static_cast<unsigned char>(c)];
  return w;
}

int TFontMetrics::Width(std::string_view text) const { return Nearest(WidthF(text)); }

}  // namespace sumcraft
