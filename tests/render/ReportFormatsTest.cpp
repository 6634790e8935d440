#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "render/Canvas.h"
#include "render/ReportFormats.h"
#include "render/Resources.h"

namespace sumcraft {
namespace {

TReportFormats Read(const std::string& text) {
  TReportFormats f;
  f.LoadFromText(text, "Styles.rpt");
  return f;
}

TEST(StyleFile, ReadsEveryKeyOfABlock) {
  const TReportFormats f = Read(
      "BEGIN FORMAT\n"
      "FORMATNAME=GRAPHBAR\n"
      "FONTNAME=Courier New\n"
      "FONTSIZE=12\n"
      "FONTBOLD=YES\n"
      "BRUSHCOLOR=$00D3C3B3\n"
      "BRUSHSTYLE=6\n"
      "PENWIDTH=3\n"
      "PENMODE=14\n"
      "END FORMAT\n");
  ASSERT_EQ(f.Count(), 1U);
  const TReportFormat& s = f.Item(0);
  EXPECT_EQ(s.FormatName, "GRAPHBAR");
  EXPECT_EQ(s.Font.Name, "Courier New");
  EXPECT_EQ(s.Font.Size, 12);
  EXPECT_TRUE(s.Font.Bold);
  EXPECT_EQ(s.Brush.Color, MakeColor(0xB3, 0xC3, 0xD3));
  EXPECT_EQ(s.Brush.Style, TBrushStyle::Cross);
  EXPECT_EQ(s.Pen.Width, 3);
  EXPECT_EQ(s.Pen.Mode, TPenMode::Xor);
  EXPECT_TRUE(f.Messages().empty());
}

TEST(StyleFile, MissingKeysKeepTheDefaultsAndValuesAreTakenAsTheyStand) {
  const TReportFormats f = Read(
      "BEGIN FORMAT\r\n"
      "FORMATNAME= Spaced Name=x\r\n"
      "FONTBOLD=NO\r\n"
      "END FORMAT\r\n"
      "BEGIN FORMAT\n"
      "FORMATNAME=PLAIN\n"
      "FONTBOLD\n"  // no "=": still the key, still bold
      "END FORMAT\n"
      "BEGIN FORMAT\n"
      "FORMATNAME=REGULAR\n"
      "END FORMAT\n");
  ASSERT_EQ(f.Count(), 3U);
  EXPECT_EQ(f.Item(0).FormatName, " Spaced Name=x");  // everything after the first "="
  EXPECT_TRUE(f.Item(0).Font.Bold);                    // NO makes it bold too
  EXPECT_TRUE(f.Item(1).Font.Bold);
  const TReportFormat& plain = f.Item(2);
  EXPECT_FALSE(plain.Font.Bold);
  EXPECT_EQ(plain.Font.Name, "Tahoma");
  EXPECT_EQ(plain.Font.Size, 8);
  EXPECT_EQ(plain.Brush.Color, kWhite);
  EXPECT_EQ(plain.Brush.Style, TBrushStyle::Solid);
  EXPECT_EQ(plain.Pen.Width, 1);
  EXPECT_EQ(plain.Pen.Mode, TPenMode::Copy);
}

TEST(StyleFile, KeysAndBlockLinesMustMatchExactly) {
  const TReportFormats f = Read(
      "  BEGIN FORMAT\n"
      "FORMATNAME=IGNORED\n"
      "END FORMAT\n"
      "begin format\n"
      "BEGIN FORMAT \n"
      "BEGIN FORMAT\n"
      "FORMATNAME=KEPT\n"
      "fontsize=30\n"
      "FONTSIZE =30\n"
      " FONTSIZE=30\n"
      "FONTSIZE=11\n"
      "FONTSIZE=13\n"  // the last of a repeated key wins
      "END FORMAT\n");
  ASSERT_EQ(f.Count(), 1U);
  EXPECT_EQ(f.Item(0).FormatName, "KEPT");
  EXPECT_EQ(f.Item(0).Font.Size, 13);
}

TEST(StyleFile, AnUnclosedBlockLosesTheFilesLastLine) {
  const TReportFormats f = Read(
      "BEGIN FORMAT\n"
      "FORMATNAME=OPEN\n"
      "FONTSIZE=20\n"
      "PENWIDTH=7\n");
  ASSERT_EQ(f.Count(), 1U);
  EXPECT_EQ(f.Item(0).Font.Size, 20);
  EXPECT_EQ(f.Item(0).Pen.Width, 1);  // the last line is not applied
  ASSERT_EQ(f.Messages().size(), 1U);
  EXPECT_NE(f.Messages()[0].find("Styles.rpt, line 4"), std::string::npos);

  // A closing line at the very end without a line break still closes.
  const TReportFormats g = Read("BEGIN FORMAT\nPENWIDTH=7\nEND FORMAT");
  EXPECT_EQ(g.Item(0).Pen.Width, 7);
  EXPECT_TRUE(g.Messages().empty());
}

TEST(StyleFile, BadNumbersKeepTheDefaultAndAreReportedWithTheirLine) {
  const TReportFormats f = Read(
      "BEGIN FORMAT\n"
      "FORMATNAME=BAD\n"
      "FONTSIZE=12pt\n"
      "PENWIDTH=\n"
      "BRUSHSTYLE=9\n"
      "PENMODE=-1\n"
      "BRUSHCOLOR=99999999999\n"
      "END FORMAT\n");
  ASSERT_EQ(f.Count(), 1U);
  EXPECT_EQ(f.Item(0).Font.Size, 8);
  EXPECT_EQ(f.Item(0).Pen.Width, 1);
  EXPECT_EQ(f.Item(0).Brush.Style, TBrushStyle::Solid);
  EXPECT_EQ(f.Item(0).Pen.Mode, TPenMode::Copy);
  EXPECT_EQ(f.Item(0).Brush.Color, kWhite);
  ASSERT_EQ(f.Messages().size(), 5U);
  EXPECT_EQ(f.Messages()[0].rfind("Styles.rpt, line 3: FONTSIZE", 0), 0U) << f.Messages()[0];
  EXPECT_EQ(f.Messages()[2].rfind("Styles.rpt, line 5: BRUSHSTYLE", 0), 0U) << f.Messages()[2];
}

TEST(StyleFile, IntegersAreDecimalOrDollarHex) {
  int v = 0;
  EXPECT_TRUE(ParseStyleInteger("42", v));
  EXPECT_EQ(v, 42);
  EXPECT_TRUE(ParseStyleInteger("-7", v));
  EXPECT_EQ(v, -7);
  EXPECT_TRUE(ParseStyleInteger("$FF", v));
  EXPECT_EQ(v, 255);
  EXPECT_TRUE(ParseStyleInteger("$ffffffff", v));
  EXPECT_EQ(v, -1);
  EXPECT_TRUE(ParseStyleInteger("  12", v));
  EXPECT_EQ(v, 12);
  EXPECT_TRUE(ParseStyleInteger("-2147483648", v));
  EXPECT_EQ(v, -2147483647 - 1);
  for (const char* bad : {"", "$", "-", "12 ", "1e3", "2147483648", "$100000000", "0x", "twelve", "$G"}) {
    EXPECT_FALSE(ParseStyleInteger(bad, v)) << bad;
  }
}

TEST(StyleFile, ApplyFindsTheFirstOfANameAndFallsBackToTheFirstStyle) {
  const TReportFormats f = Read(
      "BEGIN FORMAT\nFORMATNAME=FIRST\nFONTSIZE=9\nBRUSHSTYLE=1\nEND FORMAT\n"
      "BEGIN FORMAT\nFORMATNAME=TWICE\nFONTSIZE=20\nFONTBOLD=1\nPENWIDTH=5\nEND FORMAT\n"
      "BEGIN FORMAT\nFORMATNAME=TWICE\nFONTSIZE=30\nEND FORMAT\n");
  TCanvas c(300);
  c.SetFontColor(MakeColor(1, 2, 3));
  c.SetPenColor(MakeColor(4, 5, 6));
  f.Apply("TWICE", c);
  EXPECT_EQ(c.FontSize(), 20);  // the earlier block wins
  EXPECT_TRUE(c.FontBold());
  EXPECT_EQ(c.PenWidth(), 5);
  EXPECT_EQ(c.BrushStyle(), TBrushStyle::Solid);
  // Colours that styles do not carry stay as they were.
  EXPECT_EQ(c.FontColor(), MakeColor(1, 2, 3));
  EXPECT_EQ(c.PenColor(), MakeColor(4, 5, 6));
  f.Apply("twice", c);  // case matters: no match, so the first style
  EXPECT_EQ(c.FontSize(), 9);
  EXPECT_FALSE(c.FontBold());
  EXPECT_EQ(c.BrushStyle(), TBrushStyle::Clear);
  EXPECT_EQ(c.PenWidth(), 1);
}

TEST(StyleFile, LookingUpAStyleCostsTheSameHoweverManyTheFileHolds) {
  // 200,000 styles, the wanted ones last: a search through the list for
  // each of the 200,000 look-ups below would take hours.
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "BEGIN FORMAT\nFORMATNAME=S" + std::to_string(i) + "\nEND FORMAT\n";
  text += "BEGIN FORMAT\nFORMATNAME=LAST\nFONTSIZE=31\nEND FORMAT\nBEGIN FORMAT\nFORMATNAME=LAST\nFONTSIZE=7\nEND FORMAT\n";
  const TReportFormats f = Read(text);
  TCanvas c(300);
  int found = 0;
  for (int i = 0; i < 100000; ++i) {
    f.Apply("LAST", c);
    found += c.FontSize() == 31;
    f.Apply("NONE", c);
  }
  EXPECT_EQ(found, 100000) << "the first of a name";
  EXPECT_EQ(f.Find("S199999"), &f.Item(199999));
}

TEST(StyleFile, MissingOrEmptyFilesLeaveTheShippedStyles) {
  QTemporaryDir dir;
  TReportFormats f;
  EXPECT_EQ(f.Load(dir.filePath("Styles.rpt")), TReportFormats::TLoadResult::Missing);
  EXPECT_NE(f.Find("TABLEDATA"), nullptr);

  QFile empty(dir.filePath("Empty.rpt"));
  ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
  empty.write("just a comment\nBEGIN FORMAT \n");
  empty.close();
  EXPECT_EQ(f.Load(empty.fileName()), TReportFormats::TLoadResult::NoStyles);
  EXPECT_EQ(f.Count(), DefaultReportFormats().Count());
  ASSERT_FALSE(f.Messages().empty());
  EXPECT_NE(f.Messages().back().find("Empty.rpt"), std::string::npos);

  QFile own(dir.filePath("Own.rpt"));
  ASSERT_TRUE(own.open(QIODevice::WriteOnly));
  own.write("BEGIN FORMAT\nFORMATNAME=ONLY\nFONTSIZE=33\nEND FORMAT\n");
  own.close();
  EXPECT_EQ(f.Load(own.fileName()), TReportFormats::TLoadResult::Loaded);
  EXPECT_EQ(f.Count(), 1U);
  TCanvas c(300);
  f.Apply("DEFAULT", c);
  EXPECT_EQ(c.FontSize(), 33);

  // A list that holds nothing draws with the shipped styles.
  TReportFormats none;
  none.Apply("QUIZTITLE", c);
  EXPECT_EQ(c.FontSize(), DefaultReportFormats().Find("QUIZTITLE")->Font.Size);
}

TEST(StyleFile, AFifoOrAKernelFileIsUnreadableWithoutWaiting) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath("Styles.rpt");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  ::alarm(30);  // a reading that waits ends this program instead of hanging it
  for (const QString& path : {fifo, QStringLiteral("/proc/self/status")}) {
    TReportFormats f;
    EXPECT_EQ(f.Load(path), TReportFormats::TLoadResult::Unreadable) << path.toStdString();
    EXPECT_EQ(f.Count(), DefaultReportFormats().Count());
  }
  ::alarm(0);
}

TEST(StyleFile, TheShippedFileHasTheTenStylesAndClearTableText) {
  const TReportFormats& d = DefaultReportFormats();
  EXPECT_EQ(d.Count(), 10U);
  EXPECT_TRUE(d.Messages().empty());
  for (const char* name : {"DEFAULT", "PAGEHEADER", "QUIZTITLE", "PAGEFOOTER", "PROBLEMNUMBER", "INSTRUCTIONS",
                           "TABLEDATA", "TABLEINSTRUCTIONS", "GRAPHLEGEND", "GRAPHBAR"}) {
    ASSERT_NE(d.Find(name), nullptr) << name;
    EXPECT_EQ(d.Find(name)->Font.Name, "Arial") << name;
  }
  EXPECT_EQ(d.Find("TABLEDATA")->Brush.Style, TBrushStyle::Clear);
  EXPECT_EQ(d.Find("DEFAULT")->Brush.Style, TBrushStyle::Clear);
  EXPECT_EQ(d.Find("GRAPHBAR")->Brush.Style, TBrushStyle::Solid);
  EXPECT_EQ(d.Item(0).FormatName, "DEFAULT");  // the fallback style
  // The global list starts with them.
  EXPECT_NE(ReportFormats().Find("PROBLEMNUMBER"), nullptr);
}

}  // namespace
}  // namespace sumcraft
