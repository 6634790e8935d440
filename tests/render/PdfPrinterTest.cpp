#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "render/MetaReport.h"
#include "render/PdfPrinter.h"
#include "render/ReportFormats.h"

namespace sumcraft {
namespace {

QString RunTool(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(PdfPrinter, LetterAndA4AtTheChosenResolution) {
  TPdfPrinter pdf;
  EXPECT_EQ(pdf.Name(), "Save as PDF");
  EXPECT_EQ(pdf.ResolutionX(), 600);
  EXPECT_EQ(pdf.PhysicalWidth(), 5100);
  EXPECT_EQ(pdf.PhysicalHeight(), 6600);
  // A quarter inch unprinted at each side, none at the top and bottom.
  EXPECT_EQ(pdf.PrintableWidth(), 5100 - 2 * 150);
  EXPECT_EQ(pdf.OffsetX(), 150);
  EXPECT_EQ(pdf.PrintableHeight(), 6600);
  EXPECT_EQ(pdf.OffsetY(), 0);
  pdf.SetPaper(TPaper::A4);
  EXPECT_EQ(pdf.PhysicalWidth(), 4961);   // 210 mm at 600 dpi
  EXPECT_EQ(pdf.PhysicalHeight(), 7016);  // 297 mm
  pdf.SetResolution(300);
  EXPECT_EQ(pdf.ResolutionY(), 300);
  EXPECT_EQ(pdf.PhysicalWidth(), 2480);
  EXPECT_THROW(pdf.SetResolution(10), std::invalid_argument);
  EXPECT_THROW(pdf.BeginDoc("no file"), TPrintError);
  EXPECT_FALSE(pdf.IsPrinting());
}

TEST(PdfPrinter, OneJobIsOneFileWithEveryPageAndRealText) {
  QTemporaryDir dir;
  TPdfPrinter pdf;
  pdf.SetOutputFile(dir.filePath("quiz.pdf"));
  TMetaReport pages;
  pages.SetPrinter(&pdf);
  pages.Reset();
  ReportFormats().Apply("QUIZTITLE", *pages.CurrentCanvas());
  pages.CurrentCanvas()->TextOut(600, 600, "Fractions \x96 week 3");
  pages.NewPage();
  ReportFormats().Apply("DEFAULT", *pages.CurrentCanvas());
  pages.CurrentCanvas()->TextOut(600, 600, "12,345 \xF7 5");
  pages.NewPage();
  pages.Print();

  QFile file(dir.filePath("quiz.pdf"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray data = file.readAll();
  EXPECT_TRUE(data.startsWith("%PDF-"));
  EXPECT_TRUE(data.trimmed().endsWith("%%EOF"));
  EXPECT_EQ(data.count("/Type /Page\n") + data.count("/Type /Page "), 3) << "page objects";

  if (!QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
    const QString info = RunTool("pdfinfo", {file.fileName()});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3\\b"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+612 x 792 pts"))) << info.toStdString();
  }
  if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
    const QString text = RunTool("pdftotext", {file.fileName(), "-"});
    EXPECT_TRUE(text.contains(QString::fromUtf8("Fractions \xE2\x80\x93 week 3"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("12,345 \xC3\xB7 5"))) << text.toStdString();
  }
}

TEST(PdfPrinter, AnAbandonedJobLeavesTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("old.pdf");
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous");
  }
  TPdfPrinter pdf;
  pdf.SetOutputFile(path);
  pdf.BeginDoc("x");
  EXPECT_TRUE(pdf.IsPrinting());
  EXPECT_THROW(pdf.SetPaper(TPaper::A4), std::logic_error);
  pdf.Abort();
  EXPECT_FALSE(pdf.IsPrinting());
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "previous");
}

TEST(PdfPrinter, AnUnwritableFileIsAPrintError) {
  TPdfPrinter pdf;
  pdf.SetOutputFile("/nonexistent-folder/for/sure/quiz.pdf");
  EXPECT_THROW(pdf.BeginDoc("x"), TPrintError);
  EXPECT_FALSE(pdf.IsPrinting());
}

}  // namespace
}  // namespace sumcraft
