#include "render/Fonts.h"

#include <QResource>
#include <QFontDatabase>
#include <QRawFont>
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

QByteArray BundledFontFile(TBundledFace face, bool bold) {
  InitRenderResources();
  const TFaceFiles& files = kFaces[static_cast<std::size_t>(face)];
  const QResource resource(QString::fromLatin1(bold ? files.bold : files.regular));
  if (!resource.isValid()) return {};
  // Font files are stored as they are; a compressed one would need its copy.
  if (resource.compressionAlgorithm() != QResource::NoCompression) return resource.uncompressedData();
  return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
}

void EnsureBundledFont(TBundledFace face, bool bold) {
  // Registered per application object: a process that makes a second
  // QGuiApplication (rare; some tests) starts with a fresh font database.
  static std::array<const QGuiApplication*, 6> registeredFor{};
  const QGuiApplication*& slot = registeredFor[static_cast<std::size_t>(face) * 2 + (bold ? 1 : 0)];
  if (slot != nullptr && slot == qGuiApp) return;
  if (qGuiApp == nullptr) {
    throw std::logic_error("Fonts and drawing need a QGuiApplication; create one before drawing.");
  }
  const TFaceFiles& files = kFaces[static_cast<std::size_t>(face)];
  const char* file = bold ? files.bold : files.regular;
  // From the bytes in the program, which the font engine then reads in
  // place; registered by its name, the file would be copied twice.
  if (QFontDatabase::addApplicationFontFromData(BundledFontFile(face, bold)) < 0) {
    throw std::runtime_error(std::string("Cannot load the bundled font ") + file);
  }
  slot = qGuiApp;
}

void EnsureBundledFonts() {
  for (const TBundledFace face : {TBundledFace::Sans, TBundledFace::Mono, TBundledFace::UI}) {
    EnsureBundledFont(face, false);
    EnsureBundledFont(face, true);
  }
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
  // Only this file: a face whose other weight is missing would be drawn
  // synthetically, but that weight is registered before it is ever asked for.
  EnsureBundledFont(face, bold);
  QFont font(BundledFamily(face));
  font.setPixelSize(std::clamp(pixelSize, 1, kMaxFontPixels));
  font.setBold(bold);
  font.setItalic(false);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  font.setStyleStrategy(static_cast<QFont::StyleStrategy>(QFont::PreferOutline | QFont::PreferNoShaping));
  return font;
}

namespace {

// A bundled font file's glyphs for the Windows-1252 bytes and their advances
// in font units, read once per file.
struct TAdvanceTable {
  std::array<quint32, 256> Glyphs{};
  std::array<int, 256> Units{};
  int UnitsPerEm = 0;
};

int Unsigned16(const QByteArray& table, qsizetype at) {
  if (at < 0 || at + 2 > table.size()) return 0;
  return (static_cast<unsigned char>(table[at]) << 8) | static_cast<unsigned char>(table[at + 1]);
}

const TAdvanceTable& AdvanceTable(TBundledFace face, bool bold) {
  static std::array<std::unique_ptr<TAdvanceTable>, 6> tables;
  std::unique_ptr<TAdvanceTable>& slot = tables[static_cast<std::size_t>(face) * 2 + (bold ? 1 : 0)];
  if (slot) return *slot;
  slot = std::make_unique<TAdvanceTable>();
  const QByteArray data = BundledFontFile(face, bold);
  if (data.isEmpty()) return *slot;  // no table: every byte is measured
  const QRawFont raw(data, 12, QFont::PreferNoHinting);
  if (!raw.isValid()) return *slot;
  QString codes;
  for (int b = 0; b < 256; ++b) codes.append(QChar(Cp1252ToUnicode(static_cast<unsigned char>(b))));
  const QList<quint32> glyphs = raw.glyphIndexesForString(codes);
  const QByteArray hhea = raw.fontTable("hhea"), hmtx = raw.fontTable("hmtx");
  const int metrics = std::min<int>(Unsigned16(hhea, 34), static_cast<int>(hmtx.size() / 4));
  if (glyphs.size() != 256 || metrics <= 0) return *slot;
  for (std::size_t b = 0; b < 256; ++b) {
    slot->Glyphs[b] = glyphs[static_cast<qsizetype>(b)];
    slot->Units[b] = Unsigned16(hmtx, std::min<qsizetype>(glyphs[static_cast<qsizetype>(b)], metrics - 1) * 4);
  }
  slot->UnitsPerEm = raw.unitsPerEm();
  return *slot;
}

// The advance FreeType gives a glyph of `units` at `pixels` without hinting
// (its linear advance, which is what the text engine reports then), in
// pixels: the scale and the product rounded in 16.16 fixed point as it does,
// then cut to 1/64 of a pixel.
double LinearAdvance(int units, int pixels, int unitsPerEm) {
  const std::int64_t scale = ((static_cast<std::int64_t>(pixels) * 64 << 16) + unitsPerEm / 2) / unitsPerEm;
  const std::int64_t advance = (static_cast<std::int64_t>(units) * scale + 32) / 64;
  return static_cast<double>(advance >> 10) / 64.0;
}

}  // namespace

TFontMetrics::TFontMetrics(TBundledFace face, int pixelSize, bool bold)
    : font_(MakeBundledFont(face, pixelSize, bold)), face_(face), pixelSize_(font_.pixelSize()), bold_(bold) {
  const QFontMetricsF fm(font_);
  ascent_ = fm.ascent();
  descent_ = fm.descent();
  height_ = Nearest(ascent_ + descent_);
  // Asking the text engine byte by byte loads every glyph (a few million
  // instructions a size); the font's own table gives the same advances
  // when the engine is the one expected, which one letter confirms. Bytes
  // the font has no glyph for are still asked: the engine may borrow them.
  const TAdvanceTable& table = AdvanceTable(face, bold);
  const auto letter = static_cast<unsigned char>('H');
  const bool fromTable = table.UnitsPerEm > 0 && table.Glyphs[letter] != 0 &&
                         LinearAdvance(table.Units[letter], pixelSize_, table.UnitsPerEm) ==
                             fm.horizontalAdvance(QChar(Cp1252ToUnicode(letter)));
  for (std::size_t b = 0; b < 256; ++b) {
    advances_[b] = fromTable && table.Glyphs[b] != 0
                       ? LinearAdvance(table.Units[b], pixelSize_, table.UnitsPerEm)
                       : fm.horizontalAdvance(QChar(Cp1252ToUnicode(static_cast<unsigned char>(b))));
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

int TFontMetrics::Width(std::string_view text) const { return Nearest(std::min(WidthF(text), double{kFarOffPage})); }

}  // namespace sumcraft
