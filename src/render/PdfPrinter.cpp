#include "render/PdfPrinter.h"

#include <stdexcept>

#include "render/PdfOutput.h"
#include "render/Rounding.h"

namespace sumcraft {

TPaper PaperForLocale(const QLocale& locale) {
  const QLocale::Territory t = locale.territory();
  return t == QLocale::UnitedStates || t == QLocale::Canada ? TPaper::Letter : TPaper::A4;
}

TPdfPrinter::TPdfPrinter() : output_(std::make_unique<TPdfOutput>()) {}

TPdfPrinter::~TPdfPrinter() = default;

QString TPdfPrinter::Name() const { return QStringLiteral("Save as PDF"); }

void TPdfPrinter::SetResolution(int dpi) {
  if (dpi < kMinResolution || dpi > kMaxResolution) {
    throw std::invalid_argument("The resolution of \"Save as PDF\" must be between 72 and 2400 dpi, not " +
                                std::to_string(dpi) + ".");
  }
  dpi_ = dpi;
}

// Paper sizes from their exact definitions: Letter 8.5 x 11 in, A4 210 x 297 mm.
int TPdfPrinter::PhysicalWidth() const {
  return paper_ == TPaper::Letter ? Nearest(8.5 * dpi_) : Nearest(210.0 / 25.4 * dpi_);
}

int TPdfPrinter::PhysicalHeight() const {
  return paper_ == TPaper::Letter ? Nearest(11.0 * dpi_) : Nearest(297.0 / 25.4 * dpi_);
}

void TPdfPrinter::WriteDocument(const TMetaReport& pages, const QString& title) {
  if (sink_) {
    sink_(output_->Document(pages, title));
    return;
  }
  if (path_.isEmpty()) throw TPrintError("No file was chosen for \"Save as PDF\".");
  output_->Write(pages, path_, title);
}

QPainter* TPdfPrinter::BeginDoc(const QString&) {
  throw TPrintError("\"Save as PDF\" writes whole documents only; it has no page-by-page print job.");
}

void TPdfPrinter::NewPage() { throw TPrintError("\"Save as PDF\" has no print job to add a page to."); }

}  // namespace sumcraft
