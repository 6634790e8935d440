#pragma once
// The built-in "Save as PDF" printer: always in the printer list. One print
// job writes one PDF file (vector pages, real selectable text with the
// bundled fonts embedded) to the file set with SetOutputFile before the job;
// the file is replaced only when the job ends successfully.
#include <QPdfWriter>
#include <QSaveFile>
#include <memory>

#include "render/PrinterDevice.h"

namespace sumcraft {

enum class TPaper { Letter, A4 };

class TPdfPrinter : public TPrinterDevice {
public:
  static constexpr int kDefaultResolution = 600;
  static constexpr int kMinResolution = 72;
  static constexpr int kMaxResolution = 2400;

  TPdfPrinter();
  ~TPdfPrinter() override;

  // Letter by default. Changing it while a job runs throws std::logic_error.
  void SetPaper(TPaper paper);
  TPaper Paper() const { return paper_; }
  // 600 by default; outside kMinResolution..kMaxResolution throws
  // std::invalid_argument, during a job std::logic_error.
  void SetResolution(int dpi);
  int Resolution() const { return dpi_; }
  void SetOutputFile(const QString& path) { path_ = path; }
  QString OutputFile() const { return path_; }

  QString Name() const override;
  int ResolutionX() const override { return dpi_; }
  int ResolutionY() const override { return dpi_; }
  // The page keeps an unprinted quarter inch at the left and the right, as
  // a desk printer does: the layout's side margins come out half an inch
  // each only with such an offset (without one the content sits an inch
  // left of centre and money or word problems fit one a row). Top and
  // bottom need none: the footer stands in the bottom margin.
  static constexpr double kUnprintedSideInches = 0.25;
  int PrintableWidth() const override { return PhysicalWidth() - 2 * OffsetX(); }
  int PrintableHeight() const override { return PhysicalHeight(); }
  int PhysicalWidth() const override;
  int PhysicalHeight() const override;
  int OffsetX() const override { return static_cast<int>(kUnprintedSideInches * dpi_); }
  int OffsetY() const override { return 0; }

  QPainter* BeginDoc(const QString& title) override;
  void NewPage() override;
  void EndDoc() override;
  void Abort() override;
  bool IsPrinting() const override { return painter_ != nullptr; }
  QPainter* Painter() override { return painter_.get(); }

private:
  void ApplyPageTransform();
  void Discard();

  TPaper paper_ = TPaper::Letter;
  int dpi_ = kDefaultResolution;
  QString path_;
  std::unique_ptr<QSaveFile> file_;
  std::unique_ptr<QPdfWriter> writer_;
  std::unique_ptr<QPainter> painter_;
};

}  // namespace sumcraft
