#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
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
}

// A job is one whole document from the page store, never a painter's.
TEST(PdfPrinter, AJobIsOneWholeDocumentWithItsTitle) {
  ReportFormats().LoadDefaults();
  QTemporaryDir dir;
  TPdfPrinter pdf;
  TMetaReport pages;
  pages.SetPrinter(&pdf);
  pages.Reset();
  pages.CurrentCanvas()->TextOut(600, 600, "12,345 \xF7 5");
  pages.NewPage();
  pages.Close();
  EXPECT_THROW(pages.Print(), TPrintError);
  EXPECT_THROW(pdf.WriteDocument(pages, "no file"), TPrintError);
  pdf.SetOutputFile(dir.filePath("missing/folder/x.pdf"));
  EXPECT_THROW(pdf.WriteDocument(pages, "x"), TPrintError);

  const QString path = dir.filePath("week.pdf");
  pdf.SetOutputFile(path);
  pdf.WriteDocument(pages, "Week 3");
  const QString info = RunTool("pdfinfo", {path});
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\b"))) << info.toStdString();
  EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+Week 3\n"))) << info.toStdString();
}

}  // namespace
}  // namespace sumcraft
