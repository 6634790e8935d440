#include "render/MetaReport.h"

#include <QPainter>
#include <algorithm>

#include "render/Printers.h"
#include "render/Replay.h"
#include "render/Rounding.h"

namespace sumcraft {

TMetaReport::TMetaReport() = default;

TMetaReport::~TMetaReport() {
  // Never let a destructor throw; the printer may be gone with the process.
  try {
    TPrinterDevice& p = Printer();
    if (p.IsPrinting()) p.Abort();
  } catch (...) {
  }
}

TPrinterDevice& TMetaReport::Printer() const { return printer_ != nullptr ? *printer_ : CurrentPrinter(); }

void TMetaReport::Reset() {
  TPrinterDevice& p = Printer();
  if (p.IsPrinting()) p.Abort();
  canvases_.clear();
  pictures_.clear();
  activePage_ = 0;
  closed_ = false;
  offsetX_ = p.OffsetX();
  offsetY_ = p.OffsetY();
  resolutionX_ = std::max(1, p.ResolutionX());
  resolutionY_ = std::max(1, p.ResolutionY());
  printableWidth_ = p.PrintableWidth();
  printableHeight_ = p.PrintableHeight();
  left_ = resolutionX_;
  top_ = resolutionY_;
  right_ = printableWidth_ - resolutionX_;
  bottom_ = printableHeight_ - resolutionY_;
  NewPage();
}

void TMetaReport::PrepareCanvas(TCanvas& canvas) const {
  canvas.SetBrushStyle(TBrushStyle::Clear);
  canvas.SetFontName("Arial");
  canvas.SetFontResolution(resolutionY_);
  canvas.SetFontSize(10);
}

int TMetaReport::NewPage() {
  if (closed_) return 0;
  if (!pictures_.empty()) pictures_.back()->Finish();
  // Our canvases measure with the printer's resolution alone, so unlike a
  // platform metafile no printer device context (and no print document) is
  // needed to record a page.
  pictures_.push_back(std::make_unique<TDisplayList>());
  auto canvas = std::make_unique<TCanvas>(resolutionY_, pictures_.back().get());
  PrepareCanvas(*canvas);
  canvases_.push_back(std::move(canvas));
  activePage_ = PageCount();
  return activePage_;
}

TCanvas* TMetaReport::PageCanvas(int n) const {
  if (closed_ || n < 1 || n > static_cast<int>(canvases_.size())) return nullptr;
  return canvases_[static_cast<std::size_t>(n - 1)].get();
}

const TDisplayList* TMetaReport::PagePicture(int n) const {
  if (!closed_) return nullptr;
  return PageOps(n);
}

const TDisplayList* TMetaReport::PageOps(int n) const {
  if (n < 1 || n > PageCount()) return nullptr;
  return pictures_[static_cast<std::size_t>(n - 1)].get();
}

void TMetaReport::Close() {
  if (closed_) return;
  if (!pictures_.empty()) pictures_.back()->Finish();
  canvases_.clear();
  closed_ = true;
}

void TMetaReport::AppendPages(TMetaReport& other) {
  Close();
  other.Close();
  if (&other == this) return;
  for (auto& page : other.pictures_) pictures_.push_back(std::move(page));
  other.pictures_.clear();
  other.activePage_ = 0;
}

TCanvas TMetaReport::NewScratchCanvas() const {
  TCanvas canvas(resolutionY_, nullptr);
  PrepareCanvas(canvas);
  return canvas;
}

QSize TMetaReport::PhysicalPageSize() const {
  const TPrinterDevice& p = Printer();
  return QSize(p.PhysicalWidth(), p.PhysicalHeight());
}

int TMetaReport::InchesToPixelsX(float inches) const { return Trunc(static_cast<float>(resolutionX_) * inches); }

int TMetaReport::InchesToPixelsY(float inches) const { return Trunc(static_cast<float>(resolutionY_) * inches); }

void TMetaReport::SetMargins(int left, int top, int rightInset, int bottomInset) {
  const QSize paper = PhysicalPageSize();
  left_ = left;
  top_ = top;
  right_ = paper.width() - rightInset;
  bottom_ = paper.height() - bottomInset;
}

void TMetaReport::SetMarginsInches(float left, float top, float right, float bottom) {
  SetMargins(InchesToPixelsX(left), InchesToPixelsY(top), InchesToPixelsX(right), InchesToPixelsY(bottom));
}

namespace {

void EnsurePaintable(QImage& image) {
  switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
      return;
    default:
      image = image.convertToFormat(QImage::Format_RGB32);
  }
}

}  // namespace

void TMetaReport::ShowPage(int n, QImage& image, bool actualSize) {
  if (n < 1 || n > PageCount() || image.isNull()) return;
  EnsurePaintable(image);
  const int w = image.width();
  const int h = image.height();
  QPainter painter(&image);
  // A white page with a black frame: the frame rectangle drawn with a pen of
  // width 2 and then filled inside, one pixel in, with the white brush,
  // leaves the outermost pixels black.
  painter.fillRect(0, 0, w, h, Qt::black);
  painter.fillRect(1, 1, w - 2, h - 2, Qt::white);
  Close();
  const TDisplayList& page = *pictures_[static_cast<std::size_t>(n - 1)];
  const QSizeF pageSize(printableWidth_, printableHeight_);
  if (actualSize) {
    ReplayPage(page, painter, QRectF(15, 5, printableWidth_, printableHeight_), pageSize);
  } else {
    ReplayPage(page, painter, QRectF(0, 0, w, h), pageSize);
  }
}

void TMetaReport::Print() {
  Close();
  if (PageCount() == 0) return;
  TPrinterDevice& p = Printer();
  QPainter* painter = p.IsPrinting() ? p.Painter() : p.BeginDoc(title_);
  try {
    const QSizeF pageSize(printableWidth_, printableHeight_);
    const QRectF target(0, 0, p.PrintableWidth(), p.PrintableHeight());
    for (int n = 1; n <= PageCount(); ++n) {
      if (n > 1) p.NewPage();
      ReplayPage(*pictures_[static_cast<std::size_t>(n - 1)], *painter, target, pageSize);
    }
  } catch (...) {
    // End the document before the error travels on; a failure to end it
    // must not hide the first error.
    try {
      p.EndDoc();
    } catch (...) {
    }
    throw;
  }
  p.EndDoc();
}

void TMetaReport::DrawSelectionFrame(int x1, int y1, int x2, int y2, QImage& image, double scaleY, double scaleX) {
  if (image.isNull()) return;
  EnsurePaintable(image);
  const int l = Nearest(x1 * scaleX), t = Nearest(y1 * scaleY);
  const int r = Nearest(x2 * scaleX), b = Nearest(y2 * scaleY);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  QPen pen(QColor(0, 128, 0));
  pen.setWidth(4);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  // One path, so corners are covered once and a second XOR undoes the first.
  painter.drawRect(QRectF(QPointF(l, t), QPointF(r, b)).normalized());
}

}  // namespace sumcraft
