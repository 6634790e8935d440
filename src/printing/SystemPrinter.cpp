#include "printing/SystemPrinter.h"

#include <QPageLayout>

namespace sumcraft {

TSystemPrinter::TSystemPrinter(const QPrinterInfo& info) : info_(info) {}

TSystemPrinter::~TSystemPrinter() { Abort(); }

QPrinter& TSystemPrinter::Printer() const {
  // Creating a QPrinter asks the print system about the device, which can be
  // slow; only printers that are used pay for it.
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(info_, QPrinter::HighResolution);
    printer_->setFullPage(false);
  }
  return *printer_;
}

int TSystemPrinter::ResolutionX() const { return Printer().logicalDpiX(); }
int TSystemPrinter::ResolutionY() const { return Printer().logicalDpiY(); }

QRect TSystemPrinter::PaintRect() const {
  const QPrinter& p = Printer();
  return p.pageLayout().paintRectPixels(p.resolution());
}

QRect TSystemPrinter::FullRect() const {
  const QPrinter& p = Printer();
  return p.pageLayout().fullRectPixels(p.resolution());
}

int TSystemPrinter::PrintableWidth() const { return PaintRect().width(); }
int TSystemPrinter::PrintableHeight() const { return PaintRect().height(); }
int TSystemPrinter::PhysicalWidth() const { return FullRect().width(); }
int TSystemPrinter::PhysicalHeight() const { return FullRect().height(); }
int TSystemPrinter::OffsetX() const { return PaintRect().left() - FullRect().left(); }
int TSystemPrinter::OffsetY() const { return PaintRect().top() - FullRect().top(); }

QPainter* TSystemPrinter::BeginDoc(const QString& title) {
  if (IsPrinting()) throw TPrintError(QStringLiteral("\"%1\" is already printing.").arg(Name()).toStdString());
  QPrinter& p = Printer();
  p.setDocName(title);
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(&p)) {
    throw TPrintError(QStringLiteral("Cannot start printing on \"%1\".").arg(Name()).toStdString());
  }
  painter_ = std::move(painter);
  return painter_.get();
}

void TSystemPrinter::NewPage() {
  if (!IsPrinting()) throw TPrintError("There is no print job to add a page to.");
  if (!Printer().newPage()) {
    throw TPrintError(QStringLiteral("\"%1\" could not start a new page.").arg(Name()).toStdString());
  }
}

void TSystemPrinter::EndDoc() {
  if (!IsPrinting()) return;
  const bool ok = painter_->end();
  painter_.reset();
  if (!ok || Printer().printerState() == QPrinter::Error) {
    throw TPrintError(QStringLiteral("\"%1\" could not finish the print job.").arg(Name()).toStdString());
  }
}

void TSystemPrinter::Abort() {
  if (!IsPrinting()) return;
  Printer().abort();
  painter_->end();
  painter_.reset();
}

}  // namespace sumcraft
