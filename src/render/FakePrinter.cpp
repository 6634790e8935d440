#include "render/FakePrinter.h"

#include <algorithm>

#include "render/Rounding.h"

namespace sumcraft {

TFakePrinter::TFakePrinter() = default;

TFakePrinter::~TFakePrinter() {
  if (painter_) painter_->end();
}

void TFakePrinter::SetPrintableArea(int offsetX, int offsetY, int width, int height) {
  offX_ = offsetX;
  offY_ = offsetY;
  printW_ = width;
  printH_ = height;
}

void TFakePrinter::StartPage() {
  page_ = QImage(std::max(1, Nearest(printW_ * scale_)), std::max(1, Nearest(printH_ * scale_)),
                 QImage::Format_RGB32);
  page_.fill(Qt::white);
  // One painter object for the whole job: the painter BeginDoc returned
  // must stay valid across NewPage.
  if (!painter_) painter_ = std::make_unique<QPainter>();
  painter_->begin(&page_);
  painter_->scale(static_cast<double>(page_.width()) / printW_, static_cast<double>(page_.height()) / printH_);
}

void TFakePrinter::FinishPage() {
  painter_->end();
  jobs_.back().Pages.push_back(page_);
  page_ = QImage();
}

QPainter* TFakePrinter::BeginDoc(const QString& title) {
  if (IsPrinting()) throw TPrintError("The fake printer is already printing.");
  if (failBegin_) throw TPrintError("The fake printer refused the job.");
  jobs_.push_back(TFakePrintJob{title, {}, false, false});
  StartPage();
  return painter_.get();
}

void TFakePrinter::NewPage() {
  if (!IsPrinting()) throw TPrintError("The fake printer has no job to add a page to.");
  if (failNewPageAt_ > 0 && static_cast<int>(jobs_.back().Pages.size()) + 1 >= failNewPageAt_) {
    throw TPrintError("The fake printer ran out of paper.");
  }
  FinishPage();
  StartPage();
}

void TFakePrinter::EndDoc() {
  if (!IsPrinting()) return;
  FinishPage();
  painter_.reset();
  jobs_.back().Ended = true;
}

void TFakePrinter::Abort() {
  if (!IsPrinting()) return;
  FinishPage();
  painter_.reset();
  jobs_.back().Aborted = true;
}

int TFakePrinter::TotalPages() const {
  int n = 0;
  for (const TFakePrintJob& job : jobs_) n += static_cast<int>(job.Pages.size());
  return n;
}

}  // namespace sumcraft
