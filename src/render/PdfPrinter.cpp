#include "render/PdfPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <stdexcept>

#include "render/Rounding.h"

namespace sumcraft {

TPdfPrinter::TPdfPrinter() = default;

TPdfPrinter::~TPdfPrinter() { Abort(); }

QString TPdfPrinter::Name() const { return QStringLiteral("Save as PDF"); }

void TPdfPrinter::SetPaper(TPaper paper) {
  if (IsPrinting()) throw std::logic_error("The paper of \"Save as PDF\" cannot change during a print job.");
  paper_ = paper;
}

void TPdfPrinter::SetResolution(int dpi) {
  if (dpi < kMinResolution || dpi > kMaxResolution) {
    throw std::invalid_argument("The resolution of \"Save as PDF\" must be between 72 and 2400 dpi, not " +
                                std::to_string(dpi) + ".");
  }
  if (IsPrinting()) throw std::logic_error("The resolution of \"Save as PDF\" cannot change during a print job.");
  dpi_ = dpi;
}

// Paper sizes from their exact definitions: Letter 8.5 x 11 in, A4 210 x 297 mm.
int TPdfPrinter::PhysicalWidth() const {
  return paper_ == TPaper::Letter ? Nearest(8.5 * dpi_) : Nearest(210.0 / 25.4 * dpi_);
}

int TPdfPrinter::PhysicalHeight() const {
  return paper_ == TPaper::Letter ? Nearest(11.0 * dpi_) : Nearest(297.0 / 25.4 * dpi_);
}

void TPdfPrinter::ApplyPageTransform() {
  // The writer's own pixel grid can differ from ours by a rounding pixel
  // (A4); map our page units onto it exactly.
  painter_->resetTransform();
  painter_->scale(static_cast<double>(writer_->width()) / PhysicalWidth(),
                  static_cast<double>(writer_->height()) / PhysicalHeight());
  // Page units start at the printable area's corner.
  painter_->translate(OffsetX(), OffsetY());
}

QPainter* TPdfPrinter::BeginDoc(const QString& title) {
  if (IsPrinting()) throw TPrintError("\"Save as PDF\" is already printing.");
  if (path_.isEmpty()) throw TPrintError("No file was chosen for \"Save as PDF\".");
  auto file = std::make_unique<QSaveFile>(path_);
  if (!file->open(QIODevice::WriteOnly)) {
    throw TPrintError(QStringLiteral("Cannot write the PDF file \"%1\": %2").arg(path_, file->errorString()).toStdString());
  }
  auto writer = std::make_unique<QPdfWriter>(file.get());
  writer->setResolution(dpi_);
  writer->setPageLayout(QPageLayout(QPageSize(paper_ == TPaper::Letter ? QPageSize::Letter : QPageSize::A4),
                                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
  writer->setTitle(title);
  writer->setCreator(QStringLiteral("Sumcraft"));
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(writer.get())) {
    file->cancelWriting();
    throw TPrintError(QStringLiteral("Cannot start the PDF file \"%1\".").arg(path_).toStdString());
  }
  file_ = std::move(file);
  writer_ = std::move(writer);
  painter_ = std::move(painter);
  ApplyPageTransform();
  return painter_.get();
}

void TPdfPrinter::NewPage() {
  if (!IsPrinting()) throw TPrintError("\"Save as PDF\" has no print job to add a page to.");
  if (!writer_->newPage()) throw TPrintError("Cannot start a new page in the PDF file.");
  ApplyPageTransform();
}

void TPdfPrinter::EndDoc() {
  if (!IsPrinting()) return;
  painter_->end();
  painter_.reset();
  writer_.reset();  // flushes the document into the file
  const bool ok = file_->commit();
  const QString error = file_->errorString();
  file_.reset();
  if (!ok) {
    throw TPrintError(QStringLiteral("Cannot write the PDF file \"%1\": %2").arg(path_, error).toStdString());
  }
}

void TPdfPrinter::Discard() {
  if (painter_) painter_->end();
  painter_.reset();
  writer_.reset();
  if (file_) file_->cancelWriting();
  file_.reset();
}

void TPdfPrinter::Abort() { Discard(); }

}  // namespace sumcraft
