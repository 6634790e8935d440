// PDF files written straight from recorded pages: they must look like the
// replay of the same pages (checked by rasterising them with poppler's
// pdftoppm), hold searchable text, embed font subsets that still draw, and
// come out the same for the same pages.
#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>
#include <set>

#include "generate/Generate.h"
#include "generate/Random.h"
#include "render/Assets.h"
#include "render/Layout.h"
#include "render/MetaReport.h"
#include "render/PdfOutput.h"
#include "render/PdfPrinter.h"
#include "render/Replay.h"
#include "render/ReportFormats.h"
#include "render/Resources.h"
#include "render/TrueTypeSubset.h"

namespace sumcraft {
namespace {

QByteArray RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
  return process.readAllStandardOutput();
}

class PdfOutputTest : public testing::Test {
protected:
  void SetUp() override {
    ReportFormats().LoadDefaults();
    ASSERT_TRUE(dir_.isValid());
    printer_.SetResolution(150);
    SetRandomState(31);
  }

  void AddSet(std::uint8_t operand, int count, void (*setup)(TQOptions&) = nullptr) {
    TQuestionSet set;
    set.Options.Operand = operand;
    set.Options.FirstTermType = 2;
    set.Options.SecondTermType = 1;
    set.Options.CoinsToUse = 15;
    set.Options.TimesTable.fill(7);
    if (setup) setup(set.Options);
    Generate(set, count);
    quiz_.Sets.Add(std::move(set));
  }

  // A quiz with text of every style, turned text, lines, frames, filled
  // bars and pictures, laid out on "Save as PDF" at 150 dpi.
  void LayOutMixedQuiz(bool answers) {
    quiz_.QuizTitle = "Review (week 3) \\ all";
    quiz_.PrintQuizTitle = true;
    quiz_.PrintFooterText = true;
    quiz_.FooterText = "Caf\xE9 \xF7 \xD7 \xA2 \x80 5";
    AddSet(ptAddition, 6);
    AddSet(ptMoney, 2);
    AddSet(ptFractions, 3, [](TQOptions& o) { o.FractionType = 0; });
    AddSet(ptFractions, 3, [](TQOptions& o) { o.FractionType = 5; });
    AddSet(ptTime, 3);
    AddSet(ptComparison, 3);
    AddSet(ptTables, 2);
    AddSet(ptGraphs, 2, [](TQOptions& o) { o.BarGraphType = 1; });
    AddSet(ptGraphs, 2);
    AddSet(ptDivision, 3, [](TQOptions& o) { o.DivisionType = 1; o.DividendType = 2; o.DivisorType = 0; });
    Layout(quiz_, answers, &printer_);
  }

  QString WritePdf(const QString& name) {
    const QString path = dir_.filePath(name);
    output_.Write(QuizPages(quiz_), path);
    return path;
  }

  // Page n of a PDF as poppler draws it at `dpi`.
  QImage Rasterise(const QString& pdf, int page, int dpi) {
    const QString prefix = dir_.filePath(QStringLiteral("page%1").arg(page));
    RunTool(QStringLiteral("pdftoppm"), {"-r", QString::number(dpi), "-png", "-singlefile", "-f", QString::number(page),
                                     "-l", QString::number(page), pdf, prefix});
    return QImage(prefix + ".png").convertToFormat(QImage::Format_Grayscale8);
  }

  // Page n replayed as the program prints it: the printable area, where the
  // printer puts it on the paper, at the same size.
  QImage Replayed(int page, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const TMetaReport& pages = QuizPages(quiz_);
    const QSize paper = pages.PhysicalPageSize();
    const double sx = static_cast<double>(size.width()) / paper.width();
    const double sy = static_cast<double>(size.height()) / paper.height();
    ReplayPage(*pages.PageOps(page), painter,
               QRectF(pages.OffsetX() * sx, pages.OffsetY() * sy, pages.PrintableWidth() * sx,
                      pages.PrintableHeight() * sy),
               QSizeF(pages.PrintableWidth(), pages.PrintableHeight()));
    painter.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
  }

  // The pictures of page n, in pixels of an image of `size` showing the paper.
  std::vector<QRect> PictureBoxes(int page, QSize size) {
    const TMetaReport& pages = QuizPages(quiz_);
    const QSize paper = pages.PhysicalPageSize();
    const double sx = static_cast<double>(size.width()) / paper.width();
    const double sy = static_cast<double>(size.height()) / paper.height();
    std::vector<QRect> boxes;
    for (const TDrawOp& op : pages.PageOps(page)->Ops()) {
      if (op.Kind != TOpKind::Image) continue;
      boxes.push_back(QRectF(QPointF((op.X1 + pages.OffsetX()) * sx, (op.Y1 + pages.OffsetY()) * sy),
                             QPointF((op.X2 + pages.OffsetX()) * sx, (op.Y2 + pages.OffsetY()) * sy))
                          .toAlignedRect());
    }
    return boxes;
  }

  TPdfPrinter printer_;
  TQuiz quiz_;
  QTemporaryDir dir_;
  TPdfOutput output_;
};

TEST_F(PdfOutputTest, PagesLookAsTheirReplay) {
  LayOutMixedQuiz(true);
  const QString pdf = WritePdf("mixed.pdf");
  const int pages = QuizPages(quiz_).PageCount();
  ASSERT_GE(pages, 3);
  for (int n = 1; n <= pages; ++n) {
    const QImage drawn = Rasterise(pdf, n, 60);
    ASSERT_FALSE(drawn.isNull()) << "pdftoppm could not draw page " << n;
    EXPECT_EQ(drawn.size(), QSize(510, 660));
    const QImage expected = Replayed(n, drawn.size());
    // Ink where the replay has ink, and nowhere else. The two drawings
    // smooth edges differently and may place a stroke a pixel apart, so a
    // dark pixel counts as matched when the other drawing has ink within
    // one pixel; a misplaced text or line leaves many unmatched. Pictures
    // are scaled down differently (thin strokes of a coin turn grey or
    // vanish), so they are only required to be there with their ink.
    const std::vector<QRect> pictures = PictureBoxes(n, drawn.size());
    auto inPicture = [&](int x, int y) {
      for (const QRect& r : pictures)
        if (r.adjusted(-1, -1, 1, 1).contains(x, y)) return true;
      return false;
    };
    auto darkNear = [](const QImage& image, int x, int y) {
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int xx = x + dx, yy = y + dy;
          if (xx >= 0 && yy >= 0 && xx < image.width() && yy < image.height() && image.constScanLine(yy)[xx] < 160)
            return true;
        }
      return false;
    };
    long ink = 0, missing = 0, extra = 0;
    for (int y = 0; y < drawn.height(); ++y) {
      for (int x = 0; x < drawn.width(); ++x) {
        if (inPicture(x, y)) continue;
        const int a = expected.constScanLine(y)[x], b = drawn.constScanLine(y)[x];
        if (a < 96) ++ink;
        if (a < 64 && !darkNear(drawn, x, y)) ++missing;
        if (b < 64 && !darkNear(expected, x, y)) ++extra;
      }
    }
    for (const QRect& r : pictures) {
      long inkA = 0, inkB = 0;
      for (int y = std::max(0, r.top()); y <= std::min(r.bottom(), drawn.height() - 1); ++y)
        for (int x = std::max(0, r.left()); x <= std::min(r.right(), drawn.width() - 1); ++x) {
          inkA += expected.constScanLine(y)[x] < 160;
          inkB += drawn.constScanLine(y)[x] < 160;
        }
      EXPECT_GT(inkB, inkA / 4) << "page " << n << ": a picture missing from the PDF";
      EXPECT_LT(inkB, inkA * 4 + 20) << "page " << n;
    }
    EXPECT_GT(ink, 500) << n;
    EXPECT_LT(missing, ink / 50 + 10) << "page " << n << ": ink of the replay missing from the PDF";
    EXPECT_LT(extra, ink / 50 + 10) << "page " << n << ": ink in the PDF that the replay lacks";
  }
}

TEST_F(PdfOutputTest, TextCanBeFoundAndFilesRepeatByteForByte) {
  LayOutMixedQuiz(true);
  const QString pdf = WritePdf("a.pdf");
  const QString text = QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
  EXPECT_TRUE(text.contains(QStringLiteral("Review (week 3) \\ all"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QString::fromUtf8("Caf\xC3\xA9 \xC3\xB7 \xC3\x97 \xC2\xA2 \xE2\x82\xAC 5"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Total: $")));
  QString squeezed = text;
  squeezed.remove(QRegularExpression(QStringLiteral("\\s")));
  EXPECT_TRUE(squeezed.contains(QStringLiteral("Usetheinformationinthegraphtoanswer")));
  EXPECT_TRUE(squeezed.contains(QStringLiteral("Usetheinformationinthetabletoanswer")));

  // No date or other varying data: the same pages, the same bytes; the
  // pictures are encoded once and taken again from the encoding.
  QFile first(pdf);
  ASSERT_TRUE(first.open(QIODevice::ReadOnly));
  const QByteArray bytes = first.readAll();
  EXPECT_EQ(output_.Document(QuizPages(quiz_)), bytes);
  TPdfOutput fresh;
  EXPECT_EQ(fresh.Document(QuizPages(quiz_)), bytes);
  EXPECT_TRUE(bytes.startsWith("%PDF-1.4"));
  EXPECT_FALSE(bytes.contains("CreationDate"));

  const QByteArray info = RunTool(QStringLiteral("pdfinfo"), {pdf});
  EXPECT_TRUE(info.contains("Page size:       612 x 792 pts (letter)")) << info.toStdString();
  EXPECT_TRUE(info.contains("Pages:           " + QByteArray::number(QuizPages(quiz_).PageCount()) + "\n"));
  const QByteArray fonts = RunTool(QStringLiteral("pdffonts"), {pdf});
  EXPECT_TRUE(fonts.contains("+SumcraftSans-Regular")) << fonts.toStdString();
  EXPECT_TRUE(fonts.contains("+SumcraftSans-Bold"));
}

TEST_F(PdfOutputTest, PaperAndEmptyStores) {
  printer_.SetPaper(TPaper::A4);
  TMetaReport pages;
  pages.SetPrinter(&printer_);
  // A store never laid out still gives a valid file of one blank page.
  const QString none = dir_.filePath("none.pdf");
  output_.Write(pages, none);
  EXPECT_TRUE(RunTool(QStringLiteral("pdfinfo"), {none}).contains("Pages:           1\n"));

  pages.Reset();
  pages.Close();
  const QString blank = dir_.filePath("blank.pdf");
  output_.Write(pages, blank);
  const QByteArray info = RunTool(QStringLiteral("pdfinfo"), {blank});
  EXPECT_TRUE(info.contains("Pages:           1\n")) << info.toStdString();
  EXPECT_TRUE(info.contains("595.276 x 841.89 pts (A4)")) << info.toStdString();

  EXPECT_THROW(output_.Write(pages, dir_.filePath("no/such/folder.pdf")), TPrintError);
  EXPECT_FALSE(QFile::exists(dir_.filePath("no")));
}

// The page scale is written exactly enough that the printable area fills the
// paper to the last device pixel at every resolution (with three decimals
// a page at 2350 dpi grew by 1.2 %).
TEST_F(PdfOutputTest, PageScaleIsExactAtEveryResolution) {
  for (TPaper paper : {TPaper::Letter, TPaper::A4}) {
    for (int dpi : {72, 150, 300, 600, 1000, 2350, 2399, 2400}) {
      SCOPED_TRACE(std::to_string(dpi) + (paper == TPaper::A4 ? " A4" : " Letter"));
      printer_.SetPaper(paper);
      printer_.SetResolution(dpi);
      TMetaReport pages;
      pages.SetPrinter(&printer_);
      pages.Reset();
      pages.Close();
      const QByteArray file = output_.Document(pages);
      // The page's content stream: it starts with the page matrix.
      QList<double> matrix;
      for (qsizetype at = file.indexOf("stream\n"); at >= 0 && matrix.isEmpty(); at = file.indexOf("stream\n", at + 1)) {
        const qsizetype end = file.indexOf("\nendstream", at);
        QByteArray content = file.mid(at + 7, end - at - 7);
        if (!content.contains("1 J 1 j")) {  // deflated
          content.prepend(QByteArray("\x00\x10\x00\x00", 4));  // size hint for qUncompress
          content = qUncompress(content);
        }
        const qsizetype cm = content.indexOf(" cm\n");
        if (!content.contains("1 J 1 j") || cm < 0) continue;
        for (const QByteArray& number : content.left(cm).split(' ')) matrix.append(number.toDouble());
      }
      ASSERT_EQ(matrix.size(), 6);
      EXPECT_NEAR(matrix[0] * dpi, 72.0, 1e-7);
      EXPECT_NEAR(-matrix[3] * dpi, 72.0, 1e-7);
      const QRegularExpressionMatch box =
          QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+) ?\\]")).match(QString::fromLatin1(file));
      ASSERT_TRUE(box.hasMatch());
      const double widthPt = box.captured(1).toDouble(), heightPt = box.captured(2).toDouble();
      EXPECT_NEAR(widthPt, paper == TPaper::A4 ? 595.276 : 612.0, 0.3);
      // The printable area and its offsets fill the paper's width to the
      // device pixel the paper is rounded to; the top edge lands on the top
      // of the paper.
      EXPECT_NEAR((2 * pages.OffsetX() + pages.PrintableWidth()) * matrix[0], widthPt, 72.0 / dpi);
      EXPECT_NEAR(matrix[4], pages.OffsetX() * 72.0 / dpi, 0.001);
      EXPECT_NEAR(matrix[5], heightPt, 0.001);
    }
  }
}

// Pictures reach the file pixel for pixel whether they are kept with one
// grey byte a pixel (rows padded to four bytes) or as colour, and a picture
// changed between two documents is written as it is now, not as it was.
TEST_F(PdfOutputTest, PicturesInGreyOrColourAndChangedBetweenDocuments) {
  QImage colour(67, 41, QImage::Format_RGB32);  // odd width: grey rows are padded
  colour.fill(Qt::white);
  {
    QPainter p(&colour);
    p.fillRect(5, 5, 30, 20, QColor(0x80, 0x80, 0x80));
    p.fillRect(40, 10, 20, 25, Qt::black);
  }
  const QImage grey = colour.convertToFormat(QImage::Format_Grayscale8);
  ASSERT_NE(grey.bytesPerLine(), grey.width());

  auto pdfOf = [&](const QImage& picture, const QString& name) {
    TMetaReport pages;
    pages.SetPrinter(&printer_);
    pages.Reset();  // opens page 1
    pages.CurrentCanvas()->StretchDraw(100, 100, 100 + 4 * picture.width(), 100 + 4 * picture.height(), picture);
    pages.Close();
    const QString path = dir_.filePath(name);
    output_.Write(pages, path);
    return path;
  };
  auto pageOf = [&](const QString& pdf) { return Rasterise(pdf, 1, 75); };

  const QImage fromColour = pageOf(pdfOf(colour, "colour.pdf"));
  const QImage fromGrey = pageOf(pdfOf(grey, "grey.pdf"));
  ASSERT_FALSE(fromColour.isNull());
  EXPECT_EQ(fromColour, fromGrey);
  QFile greyFile(dir_.filePath("grey.pdf"));
  ASSERT_TRUE(greyFile.open(QIODevice::ReadOnly));
  EXPECT_TRUE(greyFile.readAll().contains("/ColorSpace /DeviceGray"));

  QImage changing = colour.copy();
  const QImage before = pageOf(pdfOf(changing, "before.pdf"));
  changing.fill(Qt::black);
  const QImage after = pageOf(pdfOf(changing, "after.pdf"));
  EXPECT_NE(before, after);
  // At 75 dpi a picture pixel is two page pixels, from (137, 100) / 2 (the
  // printer's offset is a quarter inch). Its white column 36..39 at row 30,
  // and its middle, now black:
  EXPECT_GT(qGray(before.pixel((137 + 4 * 38) / 2, (100 + 4 * 30) / 2)), 200);
  EXPECT_LT(qGray(after.pixel((137 + 4 * 38) / 2, (100 + 4 * 30) / 2)), 30);
}

// A stored picture drawn by name, whose pixels the writer never loads, is
// the same page and the same file as that picture drawn as an image.
TEST_F(PdfOutputTest, StoredPicturesByNameAsTheirImages) {
  for (const AssetName name : {AssetName::DimePrint, AssetName::ClockFacePrint}) {
    SCOPED_TRACE(std::string(AssetResourceName(name)));
    auto written = [&](bool byName) {
      TMetaReport pages;
      pages.SetPrinter(&printer_);
      pages.Reset();
      const QSize size = AssetSize(name);
      TCanvas& c = *pages.CurrentCanvas();
      if (byName) {
        c.StretchDraw(10, 20, 10 + 2 * size.width(), 20 + size.height(), name);
      } else {
        c.StretchDraw(10, 20, 10 + 2 * size.width(), 20 + size.height(), Asset(name));
      }
      pages.Close();
      return std::pair(pages.PageOps(1)->ToJson(), TPdfOutput().Document(pages));
    };
    EXPECT_EQ(written(true), written(false));
  }
}

// The objects of a file as this writer lays them out ("n 0 obj ...
// endobj", streams deflated), for reading its structure back.
struct TPdfObjects {
  std::map<int, QByteArray> Dict;    // the text before "stream", or the whole object
  std::map<int, QByteArray> Stream;  // inflated stream data
  QByteArray Trailer;

  explicit TPdfObjects(const QByteArray& pdf) {
    static const QRegularExpression start(QStringLiteral("(?:^|\n)(\\d+) 0 obj\n"));
    const QString latin = QString::fromLatin1(pdf);
    for (auto it = start.globalMatch(latin); it.hasNext();) {
      const QRegularExpressionMatch m = it.next();
      const int number = m.captured(1).toInt();
      const qsizetype from = m.capturedEnd(), end = pdf.indexOf("endobj", from);
      const QByteArray body = pdf.mid(from, end - from);
      const qsizetype stream = body.indexOf(">>\nstream\n");
      if (stream < 0) {
        Dict[number] = body;
        continue;
      }
      Dict[number] = body.left(stream + 2);
      const QByteArray data = body.mid(stream + 10, body.lastIndexOf("\nendstream") - stream - 10);
      // qUncompress wants the length first; a generous guess is grown as needed.
      QByteArray sized(4, '\0');
      const quint32 guess = static_cast<quint32>(data.size() * 8 + 1024);
      for (int i = 0; i < 4; ++i) sized[i] = static_cast<char>(guess >> (24 - 8 * i));
      if (body.contains("/RunLengthDecode"))
        Stream[number] = QByteArray();
      else
        Stream[number] = body.left(stream).contains("/FlateDecode") ? qUncompress(sized + data) : data;
    }
    Trailer = pdf.mid(pdf.lastIndexOf("trailer"));
  }

  // The names after `key` in a dictionary like "/Font << /F1 5 0 R >>".
  static std::set<QString> Names(const QByteArray& dict, const char* key, const char* prefix) {
    std::set<QString> names;
    const qsizetype at = dict.indexOf(key);
    if (at < 0) return names;
    const QByteArray inner = dict.mid(at, dict.indexOf(">>", at) - at);
    const QRegularExpression name(QStringLiteral("/(%1\\d+) ").arg(QLatin1String(prefix)));
    for (auto it = name.globalMatch(QString::fromLatin1(inner)); it.hasNext();) names.insert(it.next().captured(1));
    return names;
  }
};

// The document structure other programs rely on: the title, a content-made
// /ID, a ToUnicode map in every font, each page naming exactly the fonts
// and pictures it draws, and a file qpdf finds no fault with.
TEST_F(PdfOutputTest, TitleIdToUnicodeAndResourcesOfEachPage) {
  LayOutMixedQuiz(true);
  const QString title = QString::fromUtf8("Fractions \xC3\xB7 week 3");
  const QByteArray pdf = output_.Document(QuizPages(quiz_), title);
  const QString path = dir_.filePath("structure.pdf");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf);
  }
  const QByteArray check = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
  EXPECT_TRUE(check.contains("No syntax or stream encoding errors found")) << "qpdf --check: " << check.toStdString();
  EXPECT_FALSE(check.contains("WARNING")) << check.toStdString();
  const QString info = QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {path}));
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +") + title + QStringLiteral("\n"))))
      << info.toStdString();

  const TPdfObjects objects(pdf);
  static const QRegularExpression idPattern(QStringLiteral("/ID \\[<([0-9A-F]{32})> <([0-9A-F]{32})>\\]"));
  const QRegularExpressionMatch id = idPattern.match(QString::fromLatin1(objects.Trailer));
  ASSERT_TRUE(id.hasMatch()) << objects.Trailer.toStdString();
  EXPECT_EQ(id.captured(1), id.captured(2));
  // Another document, another identifier; the same one, the same.
  EXPECT_FALSE(output_.Document(QuizPages(quiz_), QStringLiteral("Other")).contains(id.captured(1).toLatin1()));
  EXPECT_EQ(output_.Document(QuizPages(quiz_), title), pdf);

  int fonts = 0, pages = 0;
  for (const auto& [number, dict] : objects.Dict) {
    if (dict.contains("/Type /Font ")) {
      ++fonts;
      const QRegularExpressionMatch ref =
          QRegularExpression(QStringLiteral("/ToUnicode (\\d+) 0 R")).match(QString::fromLatin1(dict));
      ASSERT_TRUE(ref.hasMatch()) << "font object " << number;
      const QByteArray cmap = objects.Stream.at(ref.captured(1).toInt());
      EXPECT_TRUE(cmap.contains("begincmap") && cmap.contains("endbfchar")) << cmap.toStdString();
    }
    if (!dict.contains("/Type /Page ")) continue;
    ++pages;
    const int contents =
        QRegularExpression(QStringLiteral("/Contents (\\d+) 0 R")).match(QString::fromLatin1(dict)).captured(1).toInt();
    const QString content = QString::fromLatin1(objects.Stream.at(contents));
    std::set<QString> drawnFonts, drawnImages;
    for (auto it = QRegularExpression(QStringLiteral("/(F\\d+) [\\d.]+ Tf")).globalMatch(content); it.hasNext();)
      drawnFonts.insert(it.next().captured(1));
    for (auto it = QRegularExpression(QStringLiteral("/(Im\\d+) Do")).globalMatch(content); it.hasNext();)
      drawnImages.insert(it.next().captured(1));
    EXPECT_EQ(TPdfObjects::Names(dict, "/Font <<", "F"), drawnFonts) << "page object " << number;
    EXPECT_EQ(TPdfObjects::Names(dict, "/XObject <<", "Im"), drawnImages) << "page object " << number;
  }
  EXPECT_EQ(pages, QuizPages(quiz_).PageCount());
  EXPECT_GE(fonts, 2);
}

TEST(TrueTypeSubsetTest, KeptGlyphsStillDrawAndTheOthersAreEmpty) {
  InitRenderResources();
  QFile file(QStringLiteral(":/sumcraft/fonts/SumcraftSans-Regular.ttf"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray font = file.readAll();
  const QRawFont whole(font, 100, QFont::PreferNoHinting);
  ASSERT_TRUE(whole.isValid());
  const QList<quint32> glyphs = whole.glyphIndexesForString(QString::fromUtf8("AB\xC3\xA9" "e"));
  ASSERT_EQ(glyphs.size(), 4);
  std::vector<bool> keep(2000, false);
  keep[glyphs[0]] = true;  // A
  keep[glyphs[2]] = true;  // é, built from e and an accent

  const QByteArray subset = SubsetTrueType(font, keep);
  ASSERT_FALSE(subset.isEmpty());
  EXPECT_LT(subset.size(), font.size() / 3);
  const QRawFont cut(subset, 100, QFont::PreferNoHinting);
  ASSERT_TRUE(cut.isValid());
  EXPECT_FALSE(cut.pathForGlyph(glyphs[0]).isEmpty());
  EXPECT_TRUE(cut.pathForGlyph(glyphs[1]).isEmpty());
  EXPECT_FALSE(cut.pathForGlyph(glyphs[2]).isEmpty());
  EXPECT_FALSE(cut.pathForGlyph(glyphs[3]).isEmpty());  // kept as a part of é
  EXPECT_EQ(cut.pathForGlyph(glyphs[2]).boundingRect(), whole.pathForGlyph(glyphs[2]).boundingRect());
  // Numbers, advances and the character map are those of the whole font.
  EXPECT_EQ(cut.glyphIndexesForString(QStringLiteral("AB")), whole.glyphIndexesForString(QStringLiteral("AB")));
  EXPECT_EQ(cut.advancesForGlyphIndexes(glyphs), whole.advancesForGlyphIndexes(glyphs));
  // The tables an embedded TrueType font must carry, the hinting programs
  // among them.
  for (const char* table : {"head", "hhea", "hmtx", "loca", "glyf", "maxp", "cvt ", "fpgm", "prep", "cmap"})
    EXPECT_FALSE(cut.fontTable(table).isEmpty()) << table;

  // Not a TrueType font, or a damaged one: nothing, so the caller embeds it whole.
  EXPECT_TRUE(SubsetTrueType(QByteArray("OTTO and more"), keep).isEmpty());
  EXPECT_TRUE(SubsetTrueType(font.left(200), keep).isEmpty());
  QByteArray bad = font;
  bad[12 + 8] = '\x7F';  // first table's offset far beyond the file
  EXPECT_TRUE(SubsetTrueType(bad, keep).isEmpty());
}

}  // namespace
}  // namespace sumcraft
