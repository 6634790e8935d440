#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "printing/SystemPrinter.h"
#include "render/MetaReport.h"

namespace sumcraft {
namespace {

// Whatever printers this machine has, a system printer whose output goes to a
// file prints nothing on paper; it still runs the whole job through Qt.
TEST(SystemPrinter, MeasuresAndPrintsThroughQtPrintSupport) {
  QTemporaryDir dir;
  TSystemPrinter printer{QPrinterInfo()};
  printer.Printer().setOutputFileName(dir.filePath("system.pdf"));
  EXPECT_GT(printer.ResolutionX(), 0);
  EXPECT_GT(printer.ResolutionY(), 0);
  EXPECT_GT(printer.PrintableWidth(), 0);
  EXPECT_LE(printer.PrintableWidth() + printer.OffsetX(), printer.PhysicalWidth());
  EXPECT_LE(printer.PrintableHeight() + printer.OffsetY(), printer.PhysicalHeight());
  EXPECT_GE(printer.OffsetX(), 0);

  TMetaReport pages;
  pages.SetPrinter(&printer);
  pages.Reset();
  EXPECT_EQ(pages.ResolutionY(), printer.ResolutionY());
  pages.CurrentCanvas()->TextOut(100, 100, "system printer");
  pages.NewPage();
  pages.SetTitle(QStringLiteral("Fractions, week 3"));
  pages.Print();
  EXPECT_FALSE(printer.IsPrinting());
  EXPECT_EQ(printer.Printer().docName(), QStringLiteral("Fractions, week 3"));  // the queue's name
  QFile out(dir.filePath("system.pdf"));
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  EXPECT_TRUE(out.readAll().startsWith("%PDF-"));

  printer.Abort();  // no job: nothing happens
  EXPECT_THROW(printer.NewPage(), TPrintError);
}

}  // namespace
}  // namespace sumcraft
