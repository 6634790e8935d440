#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRawFont>

#include "render/Canvas.h"
#include "render/CodePage1252.h"
#include "render/Fonts.h"
#include "render/Rounding.h"

namespace sumcraft {
namespace {

TEST(Fonts, FaceNamesMapOntoTheBundledFamilies) {
  EXPECT_EQ(FaceForName("Arial"), TBundledFace::Sans);
  EXPECT_EQ(FaceForName(" arial "), TBundledFace::Sans);
  EXPECT_EQ(FaceForName("Courier New"), TBundledFace::Mono);
  EXPECT_EQ(FaceForName("Tahoma"), TBundledFace::UI);
  EXPECT_EQ(FaceForName("Comic Sans MS"), TBundledFace::Sans);
  EXPECT_EQ(FaceForName(""), TBundledFace::Sans);
  EXPECT_EQ(BundledFamilyFor("Courier New"), QStringLiteral("Sumcraft Mono"));
}

TEST(Fonts, PixelSizeIsPointsAtTheResolutionRoundedLikeThePlatform) {
  EXPECT_EQ(FontPixelSize(10, 600), 83);   // 83.33
  EXPECT_EQ(FontPixelSize(12, 300), 50);
  EXPECT_EQ(FontPixelSize(9, 96), 12);     // 12.0
  EXPECT_EQ(FontPixelSize(11, 96), 15);    // 14.67
  EXPECT_EQ(FontPixelSize(3, 96), 4);      // 4.0
  EXPECT_EQ(FontPixelSize(0, 600), 1);
  EXPECT_EQ(FontPixelSize(-5, 600), 1);
  EXPECT_EQ(FontPixelSize(100000, 600), kMaxFontPixels);
}

TEST(Fonts, TheBundledFontIsTheOneDrawnAndMeasured) {
  const TFontMetrics& m = TFontMetrics::Get(TBundledFace::Sans, 83, false);
  EXPECT_EQ(QFontInfo(m.Font()).family(), QStringLiteral("Sumcraft Sans"));
  EXPECT_EQ(QFontInfo(TFontMetrics::Get(TBundledFace::UI, 40, true).Font()).family(), QStringLiteral("Sumcraft UI"));
  EXPECT_EQ(&m, &TFontMetrics::Get(TBundledFace::Sans, 83, false));  // cached
}

// Widths are the sum of the design advances of the font file: compare with
// an independent reading of the same file.
TEST(Fonts, WidthsAreTheDesignAdvancesOfTheBundledFile) {
  QFile file(":/sumcraft/fonts/SumcraftSans-Regular.ttf");
  EnsureBundledFonts();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QRawFont raw(file.readAll(), 83, QFont::PreferNoHinting);
  ASSERT_TRUE(raw.isValid());
  const TFontMetrics& m = TFontMetrics::Get(TBundledFace::Sans, 83, false);
  for (const char* text : {"H", "X", "12,345", "Name:", "How many more apples than pears?", "7 \xF7 3 = "}) {
    const QString q = FromCp1252(text);
    const QList<quint32> glyphs = raw.glyphIndexesForString(q);
    double expected = 0;
    for (const QPointF& a : raw.advancesForGlyphIndexes(glyphs)) expected += a.x();
    EXPECT_NEAR(m.WidthF(text), expected, 0.05) << text;
    // What Qt lays out for drawing is what we measure.
    EXPECT_NEAR(m.WidthF(text), QFontMetricsF(m.Font()).horizontalAdvance(q), 0.05) << text;
  }
  // Arial's advance of "H" is 1479/2048 em.
  EXPECT_EQ(m.Width("H"), Nearest(83 * 1479.0 / 2048.0));
}

// Advances are computed from the font's tables, not asked of the text
// engine glyph by glyph: they must be the engine's exactly, every byte.
TEST(Fonts, AdvancesAreTheTextEnginesExactly) {
  for (const TBundledFace face : {TBundledFace::Sans, TBundledFace::Mono, TBundledFace::UI}) {
    for (const bool bold : {false, true}) {
      for (const int pixels : {1, 13, 83, 117, 333, 4000}) {
        const TFontMetrics& m = TFontMetrics::Get(face, pixels, bold);
        const QFontMetricsF engine(m.Font());
        for (int b = 0; b < 256; ++b) {
          const auto byte = static_cast<unsigned char>(b);
          ASSERT_EQ(m.Advance(byte), engine.horizontalAdvance(QChar(Cp1252ToUnicode(byte))))
              << "face " << static_cast<int>(face) << " bold " << bold << " pixels " << pixels << " byte " << b;
        }
      }
    }
  }
}

TEST(Fonts, MeasuresDependOnTheCanvasResolutionOnly) {
  // Two canvases at one resolution measure alike, whatever device exists.
  TCanvas a(600), b(600);
  QImage screenLike(50, 50, QImage::Format_RGB32);
  screenLike.setDotsPerMeterX(5000);  // 127 dpi: must not matter
  QPainter painter(&screenLike);
  for (TCanvas* c : {&a, &b}) {
    c->SetFontName("Arial");
    c->SetFontSize(14);
  }
  EXPECT_EQ(a.TextWidth("1,234 + 5,678"), b.TextWidth("1,234 + 5,678"));
  EXPECT_EQ(a.TextHeight("H"), b.TextHeight("X"));

  // Sizes follow the whole-pixel font size: 117 px at 600 dpi, 58 px at 300.
  TCanvas c300(300);
  c300.SetFontSize(14);
  EXPECT_NEAR(a.TextWidth("1,234 + 5,678"), c300.TextWidth("1,234 + 5,678") * 117.0 / 58.0, 1.5);
  EXPECT_NEAR(a.TextHeight(), c300.TextHeight() * 117.0 / 58.0, 2.5);

  // The cell height of a 14 pt Arial at 600 dpi: 117 px font, about 1.15 em.
  EXPECT_GE(a.TextHeight(), 130);
  EXPECT_LE(a.TextHeight(), 136);
}

TEST(Fonts, BoldAndFaceChangeTheWidths) {
  TCanvas c(300);
  c.SetFontSize(12);
  const int regular = c.TextWidth("Teacher:");
  c.SetFontBold(true);
  EXPECT_GT(c.TextWidth("Teacher:"), regular);
  c.SetFontBold(false);
  c.SetFontName("Courier New");
  // Monospaced: every character 1229/2048 em.
  EXPECT_EQ(c.TextWidth("iiii"), c.TextWidth("MMMM"));
  c.SetFontName("Unknown Face");
  EXPECT_EQ(c.TextWidth("Teacher:"), regular);
}

}  // namespace
}  // namespace sumcraft
