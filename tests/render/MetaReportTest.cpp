#include <gtest/gtest.h>

#include <QPainter>
#include <memory>

#include "render/FakePrinter.h"
#include "render/MetaReport.h"
#include "render/Printers.h"

namespace sumcraft {
namespace {

// A store on its own fake printer (Letter at 300 dpi, printable area inset).
struct PageStore : testing::Test {
  TFakePrinter printer;
  TMetaReport pages;
  PageStore() { pages.SetPrinter(&printer); }
};

TEST_F(PageStore, ResetReadsThePrinterAndOpensOneCurrentPage) {
  printer.SetResolution(300, 600);
  printer.SetPrintableArea(30, 60, 2490, 6480);
  pages.Reset();
  EXPECT_EQ(pages.PageCount(), 1);
  EXPECT_EQ(pages.ActivePage(), 1);
  EXPECT_FALSE(pages.Closed());
  EXPECT_NE(pages.CurrentCanvas(), nullptr);
  EXPECT_EQ(pages.CurrentCanvas(), pages.PageCanvas(1));
  EXPECT_EQ(pages.ResolutionX(), 300);
  EXPECT_EQ(pages.ResolutionY(), 600);
  EXPECT_EQ(pages.OffsetX(), 30);
  EXPECT_EQ(pages.OffsetY(), 60);
  EXPECT_EQ(pages.Left(), 300);
  EXPECT_EQ(pages.Top(), 600);
  EXPECT_EQ(pages.Right(), 2490 - 300);
  EXPECT_EQ(pages.Bottom(), 6480 - 600);
  // A new page canvas: clear brush, Arial 10 pt at the vertical resolution.
  const TCanvas& c = *pages.CurrentCanvas();
  EXPECT_EQ(c.BrushStyle(), TBrushStyle::Clear);
  EXPECT_EQ(c.FontName(), "Arial");
  EXPECT_EQ(c.FontSize(), 10);
  EXPECT_EQ(c.FontResolution(), 600);
}

TEST_F(PageStore, PagesAreAddedUntilClosed) {
  TMetaReport fresh;
  EXPECT_EQ(fresh.PageCount(), 0);
  EXPECT_EQ(fresh.ActivePage(), 0);
  EXPECT_EQ(fresh.CurrentCanvas(), nullptr);

  pages.Reset();
  EXPECT_EQ(pages.NewPage(), 2);
  EXPECT_EQ(pages.NewPage(), 3);
  EXPECT_EQ(pages.ActivePage(), 3);
  EXPECT_EQ(pages.PageCanvas(0), nullptr);
  EXPECT_EQ(pages.PageCanvas(4), nullptr);
  EXPECT_NE(pages.PageCanvas(2), pages.PageCanvas(3));
  // Open: no pictures, even for valid numbers.
  EXPECT_EQ(pages.PagePicture(1), nullptr);
  pages.Close();
  EXPECT_TRUE(pages.Closed());
  EXPECT_EQ(pages.NewPage(), 0);
  EXPECT_EQ(pages.PageCount(), 3);
  EXPECT_EQ(pages.PageCanvas(1), nullptr);
  EXPECT_NE(pages.PagePicture(3), nullptr);
  EXPECT_EQ(pages.PagePicture(4), nullptr);
  // Reset starts over with one page.
  pages.Reset();
  EXPECT_EQ(pages.PageCount(), 1);
  EXPECT_FALSE(pages.Closed());
}

TEST_F(PageStore, WhatACanvasDrawsIsThatPagesPicture) {
  pages.Reset();
  pages.CurrentCanvas()->TextOut(10, 20, "page one");
  pages.NewPage();
  pages.CurrentCanvas()->TextOut(10, 20, "page two");
  EXPECT_NE(pages.PageOps(1)->FindText("page one"), nullptr);
  EXPECT_EQ(pages.PageOps(1)->FindText("page two"), nullptr);
  pages.Close();
  EXPECT_NE(pages.PagePicture(2)->FindText("page two"), nullptr);
}

TEST_F(PageStore, MarginsInInchesAreTruncatedPixelsFromThePaperEdges) {
  printer.SetResolution(600, 600);
  printer.SetPhysicalSize(5100, 6600);
  printer.SetPrintableArea(0, 0, 5100, 6600);
  pages.Reset();
  pages.SetMarginsInches(0.5F, 0.5F, 0.5F, 0.75F);
  EXPECT_EQ(pages.Left(), 300);
  EXPECT_EQ(pages.Top(), 300);
  EXPECT_EQ(pages.Right(), 5100 - 300);
  EXPECT_EQ(pages.Bottom(), 6600 - 450);
  EXPECT_EQ(pages.InchesToPixelsX(0.333F), 199);  // 199.8 cut
  EXPECT_EQ(pages.InchesToPixelsY(-0.333F), -199);
  // Insets count from the paper, whatever the printable area.
  printer.SetPrintableArea(50, 50, 5000, 6500);
  pages.Reset();
  pages.SetMargins(10, 20, 30, 40);
  EXPECT_EQ(pages.Right(), 5100 - 30);
  EXPECT_EQ(pages.Bottom(), 6600 - 40);
  EXPECT_EQ(pages.PhysicalPageSize(), QSize(5100, 6600));
}

TEST_F(PageStore, ShowPageDrawsAFramedWhitePageAndStretchesThePicture) {
  printer.SetPrintableArea(0, 0, 2000, 3000);
  pages.Reset();
  TCanvas& c = *pages.CurrentCanvas();
  c.SetPenWidth(40);  // 1/15 inch: 20 page pixels at 300 dpi
  c.Line(500, 1500, 1500, 1500);
  QImage img(200, 300, QImage::Format_RGB32);
  img.fill(Qt::red);
  pages.ShowPage(1, img, false);
  EXPECT_TRUE(pages.Closed());
  for (const QPoint p : {QPoint(0, 0), QPoint(199, 0), QPoint(0, 299), QPoint(199, 299), QPoint(100, 0), QPoint(0, 150)}) {
    EXPECT_EQ(img.pixelColor(p), QColor(Qt::black)) << p.x() << "," << p.y();
  }
  EXPECT_EQ(img.pixelColor(1, 1), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(198, 298), QColor(Qt::white));
  EXPECT_LT(qGray(img.pixel(100, 150)), 100);  // the line, a tenth of its page position
  EXPECT_EQ(img.pixelColor(100, 160), QColor(Qt::white));

  // Out of range: nothing drawn.
  QImage untouched(10, 10, QImage::Format_RGB32);
  untouched.fill(Qt::red);
  pages.ShowPage(2, untouched, false);
  pages.ShowPage(0, untouched, false);
  EXPECT_EQ(untouched.pixelColor(0, 0), QColor(Qt::red));

  // Actual size: one page unit per pixel, from (15, 5).
  QImage big(2100, 1600, QImage::Format_RGB32);
  pages.ShowPage(1, big, true);
  EXPECT_LT(qGray(big.pixel(15 + 1000, 5 + 1500)), 100);
  EXPECT_EQ(big.pixelColor(15 + 1000, 5 + 1540), QColor(Qt::white));
}

TEST(SelectionFrame, IsGreenXorAndASecondDrawRemovesIt) {
  QImage img(300, 400, QImage::Format_RGB32);
  img.fill(Qt::white);
  {
    QPainter p(&img);
    p.fillRect(0, 0, 150, 400, QColor(20, 40, 60));
  }
  const QImage before = img;
  // Page rectangle (300, 500)-(2500, 3300) at scales 0.1: (30, 50)-(250, 330).
  TMetaReport::DrawSelectionFrame(300, 500, 2500, 3300, img, 0.1, 0.1);
  EXPECT_NE(img, before);
  EXPECT_EQ(img.pixelColor(200, 50), QColor(255, 255 ^ 128, 255));  // white ^ green
  EXPECT_EQ(img.pixelColor(30, 200), QColor(20, 40 ^ 128, 60));
  EXPECT_EQ(img.pixelColor(200, 200), QColor(Qt::white));             // no fill
  EXPECT_EQ(img.pixelColor(200, 46), QColor(Qt::white));              // 4 pixels wide
  TMetaReport::DrawSelectionFrame(300, 500, 2500, 3300, img, 0.1, 0.1);
  EXPECT_EQ(img, before);
}

TEST(SelectionFrame, RoundsScaledCornersToTheEvenNeighbour) {
  QImage img(100, 100, QImage::Format_RGB32);
  img.fill(Qt::white);
  // 25 * 0.5 = 12.5 -> 12 (not 13); 75 * 0.5 = 37.5 -> 38.
  TMetaReport::DrawSelectionFrame(25, 25, 75, 75, img, 0.5, 0.5);
  EXPECT_NE(img.pixelColor(12, 25), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(15, 25), QColor(Qt::white));
  EXPECT_NE(img.pixelColor(38, 25), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(41, 25), QColor(Qt::white));
}

TEST_F(PageStore, PrintIsOneJobWithEveryPage) {
  pages.Reset();
  pages.SetTitle("Fractions");
  pages.CurrentCanvas()->SetPenWidth(30);
  pages.CurrentCanvas()->Line(0, 1000, 2450, 1000);
  pages.NewPage();
  pages.NewPage();
  pages.Print();
  EXPECT_TRUE(pages.Closed());
  ASSERT_EQ(printer.JobCount(), 1);
  const TFakePrintJob& job = printer.Jobs()[0];
  EXPECT_EQ(job.Title, "Fractions");
  EXPECT_EQ(job.Pages.size(), 3U);
  EXPECT_TRUE(job.Ended);
  EXPECT_FALSE(printer.IsPrinting());
  // Page 1 carries the line at a tenth of its page position; page 2 is blank.
  EXPECT_LT(qGray(job.Pages[0].pixel(120, 100)), 100);
  EXPECT_EQ(job.Pages[1].pixelColor(120, 100), QColor(Qt::white));
  // Copies are separate calls, separate jobs.
  pages.Print();
  EXPECT_EQ(printer.JobCount(), 2);
  EXPECT_EQ(printer.TotalPages(), 6);
}

TEST_F(PageStore, AFailingPageEndsTheDocumentAndReportsTheError) {
  pages.Reset();
  pages.NewPage();
  pages.NewPage();
  printer.SetFailNewPageAt(2);
  EXPECT_THROW(pages.Print(), TPrintError);
  ASSERT_EQ(printer.JobCount(), 1);
  EXPECT_TRUE(printer.Jobs()[0].Ended);
  EXPECT_FALSE(printer.IsPrinting());

  printer.SetFailBeginDoc(true);
  EXPECT_THROW(pages.Print(), TPrintError);
  EXPECT_EQ(printer.JobCount(), 1);
}

TEST_F(PageStore, AnEmptyStorePrintsNothingAndResetAbandonsARunningJob) {
  pages.Print();
  EXPECT_EQ(printer.JobCount(), 0);
  printer.BeginDoc("left over");
  pages.Reset();
  EXPECT_FALSE(printer.IsPrinting());
  EXPECT_TRUE(printer.Jobs()[0].Aborted);
}

TEST_F(PageStore, ScratchCanvasMeasuresLikeAPageCanvas) {
  printer.SetResolution(300, 600);
  pages.Reset();
  TCanvas scratch = pages.NewScratchCanvas();
  EXPECT_FALSE(scratch.Recording());
  EXPECT_EQ(scratch.TextWidth("Instructions"), pages.CurrentCanvas()->TextWidth("Instructions"));
  EXPECT_EQ(scratch.BrushStyle(), TBrushStyle::Clear);
}

TEST(Printers, TheListAlwaysHoldsThePdfPrinterAndTestsCanInstallAFake) {
  TPrinters& printers = TPrinters::Instance();
  ASSERT_GE(printers.Count(), 1);
  EXPECT_TRUE(printers.Names().contains("Save as PDF"));
  EXPECT_GE(printers.IndexOf(&printers.Pdf()), 0);
  const int before = printers.PrinterIndex();

  auto owned = std::make_unique<TFakePrinter>();
  TFakePrinter* fake = owned.get();
  printers.Install(std::move(owned));
  EXPECT_EQ(&CurrentPrinter(), fake);
  TMetaReport pages;  // follows the current printer
  pages.Reset();
  EXPECT_EQ(pages.ResolutionX(), 300);
  pages.Print();
  EXPECT_EQ(fake->JobCount(), 1);

  printers.Uninstall(fake);
  EXPECT_EQ(printers.PrinterIndex(), before);
  EXPECT_THROW(printers.SetPrinterIndex(printers.Count()), std::out_of_range);
  printers.SelectPdf();
  EXPECT_EQ(&CurrentPrinter(), &printers.Pdf());
  printers.SetPrinterIndex(-1);
  EXPECT_EQ(printers.PrinterIndex(), before);
}

// Listing the system's printers again keeps the object (and job) of a
// printer still there and the selection on it; a selected printer that
// vanished gives way to the system's default.
TEST(Printers, ListingAgainKeepsThePrintersStillThere) {
  TPrinters& printers = TPrinters::Instance();
  auto list = [&printers](std::initializer_list<const char*> names, int defaultIndex) {
    std::vector<std::unique_ptr<TPrinterDevice>> found;
    for (const char* name : names) {
      auto printer = std::make_unique<TFakePrinter>();
      printer->SetName(name);
      found.push_back(std::move(printer));
    }
    printers.SetSystemPrinters(std::move(found), defaultIndex);
  };
  list({"Laser", "Inkjet"}, 1);
  printers.SetPrinterIndex(-1);
  EXPECT_EQ(printers.Current().Name(), QStringLiteral("Inkjet"));
  printers.SetPrinterIndex(0);
  TPrinterDevice* laser = &printers.Current();

  list({"Plotter", "Laser"}, 0);
  EXPECT_EQ(&printers.Current(), laser);
  EXPECT_EQ(printers.Names().mid(0, 3), QStringList({"Plotter", "Laser", "Save as PDF"}));

  list({"Inkjet"}, 0);
  EXPECT_EQ(printers.Current().Name(), QStringLiteral("Inkjet"));
  list({}, -1);
  EXPECT_EQ(&printers.Current(), &printers.Pdf());
  EXPECT_EQ(printers.Count(), 1);
}

}  // namespace
}  // namespace sumcraft
