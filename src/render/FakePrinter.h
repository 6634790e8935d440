#pragma once
// A printer for tests: any resolution, paper, printable area and offsets; it
// counts jobs and pages and keeps what was drawn on every page as a small
// image (page units scaled by ImageScale()). Failures can be injected.
#include <QImage>
#include <memory>
#include <vector>

#include "render/PrinterDevice.h"

namespace sumcraft {

struct TFakePrintJob {
  QString Title;
  std::vector<QImage> Pages;  // white pages, page units scaled by the image scale
  bool Ended = false;         // EndDoc was called
  bool Aborted = false;       // Abort was called
};

class TFakePrinter : public TPrinterDevice {
public:
  // Defaults: 300 dpi, Letter paper (2550 x 3300) with a printable area
  // inset by 50 pixels left and top and 2450 x 3200 pixels large.
  TFakePrinter();
  ~TFakePrinter() override;

  void SetName(const QString& name) { name_ = name; }
  void SetResolution(int x, int y) { resX_ = x; resY_ = y; }
  void SetPhysicalSize(int width, int height) { physW_ = width; physH_ = height; }
  void SetPrintableArea(int offsetX, int offsetY, int width, int height);
  // Scale of the kept page images (default 0.1).
  void SetImageScale(double scale) { scale_ = scale; }
  double ImageScale() const { return scale_; }
  // Failure injection: BeginDoc throws; NewPage throws once this many pages
  // of the job exist (0 = never).
  void SetFailBeginDoc(bool fail) { failBegin_ = fail; }
  void SetFailNewPageAt(int pages) { failNewPageAt_ = pages; }

  QString Name() const override { return name_; }
  int ResolutionX() const override { return resX_; }
  int ResolutionY() const override { return resY_; }
  int PrintableWidth() const override { return printW_; }
  int PrintableHeight() const override { return printH_; }
  int PhysicalWidth() const override { return physW_; }
  int PhysicalHeight() const override { return physH_; }
  int OffsetX() const override { return offX_; }
  int OffsetY() const override { return offY_; }

  QPainter* BeginDoc(const QString& title) override;
  void NewPage() override;
  void EndDoc() override;
  void Abort() override;
  bool IsPrinting() const override { return painter_ != nullptr; }
  QPainter* Painter() override { return painter_.get(); }

  // Every job begun, finished or not, in order.
  const std::vector<TFakePrintJob>& Jobs() const { return jobs_; }
  int JobCount() const { return static_cast<int>(jobs_.size()); }
  // Pages of every job together.
  int TotalPages() const;

private:
  void StartPage();
  void FinishPage();

  QString name_ = QStringLiteral("Fake printer");
  int resX_ = 300, resY_ = 300;
  int physW_ = 2550, physH_ = 3300;
  int offX_ = 50, offY_ = 50;
  int printW_ = 2450, printH_ = 3200;
  double scale_ = 0.1;
  bool failBegin_ = false;
  int failNewPageAt_ = 0;
  std::vector<TFakePrintJob> jobs_;
  QImage page_;
  std::unique_ptr<QPainter> painter_;
};

}  // namespace sumcraft
