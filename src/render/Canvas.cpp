#include "render/Canvas.h"

#include "render/Rounding.h"

#include <algorithm>

namespace sumcraft {

namespace {
constexpr int kMaxPenWidth = 10000;
constexpr int kMaxResolution = 100000;
}  // namespace

TCanvas::TCanvas(int resolution, TDisplayList* list)
    : list_(list), resolution_(std::clamp(resolution, 1, kMaxResolution)) {}

void TCanvas::FontChanged() {
  metrics_ = nullptr;
  listFont_ = -1;
}

void TCanvas::SetFont(const TFontSpec& font) {
  if (font == font_) return;
  font_ = font;
  font_.Escapement %= 3600;
  FontChanged();
}

void TCanvas::SetFontName(std::string_view name) {
  if (font_.Name == name) return;
  font_.Name.assign(name);
  FontChanged();
}

void TCanvas::SetFontSize(int points) {
  if (font_.Size == points) return;
  font_.Size = points;
  FontChanged();
}

void TCanvas::SetFontBold(bool bold) {
  if (font_.Bold == bold) return;
  font_.Bold = bold;
  FontChanged();
}

void TCanvas::SetFontColor(TColor color) {
  if (font_.Color == color) return;
  font_.Color = color;
  listFont_ = -1;  // colour does not change the metrics
}

void TCanvas::SetFontEscapement(int tenthsOfDegree) {
  tenthsOfDegree %= 3600;
  if (font_.Escapement == tenthsOfDegree) return;
  font_.Escapement = tenthsOfDegree;
  listFont_ = -1;
}

void TCanvas::SetFontResolution(int pixelsPerInch) {
  pixelsPerInch = std::clamp(pixelsPerInch, 1, kMaxResolution);
  if (resolution_ == pixelsPerInch) return;
  resolution_ = pixelsPerInch;
  FontChanged();
}

void TCanvas::SetPen(const TPenSpec& pen) {
  pen_ = pen;
  pen_.Width = std::clamp(pen.Width, 0, kMaxPenWidth);
}

void TCanvas::SetPenWidth(int width) { pen_.Width = std::clamp(width, 0, kMaxPenWidth); }

const TFontMetrics& TCanvas::Metrics() const {
  if (metrics_ == nullptr) {
    // Styles set the same few names again and again: the face of the last
    // one is kept.
    if (faceOf_ != font_.Name) {
      faceOf_ = font_.Name;
      face_ = FaceForName(font_.Name);
    }
    metrics_ = &TFontMetrics::Get(face_, FontPixelSize(font_.Size, resolution_), font_.Bold);
  }
  return *metrics_;
}

int TCanvas::TextHeight(std::string_view /*text*/) const { return Metrics().Height(); }

std::uint32_t TCanvas::ListFont() {
  if (listFont_ < 0) {
    listFont_ = list_->AddFont(TRecordedFont{font_, resolution_, &Metrics()});
  }
  return static_cast<std::uint32_t>(listFont_);
}

int TCanvas::PenWidthOnPage() const { return Nearest(static_cast<double>(pen_.Width) * resolution_ / kPenUnitsPerInch); }

TRecordedPen TCanvas::ListPen() const {
  return {static_cast<double>(pen_.Width) * resolution_ / kPenUnitsPerInch, pen_.Color, pen_.Mode};
}

void TCanvas::LineTo(int x, int y) {
  if (list_ != nullptr) list_->AddShape(TOpKind::Line, penPos_.x(), penPos_.y(), x, y, ListPen(), brush_);
  penPos_ = QPoint(x, y);
}

void TCanvas::Line(int x1, int y1, int x2, int y2) {
  MoveTo(x1, y1);
  LineTo(x2, y2);
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  const int w = Metrics().Width(text);
  if (list_ != nullptr && !text.empty()) {
    if (text.size() <= kMaxRecordedText) {
      list_->AddText(x, y, w, Metrics().Height(), text, ListFont(), brush_);
    } else {
      // Only a hand-edited file holds texts this long. No page shows more
      // than a few hundred characters of one line, so only the part from the
      // first character that reaches the page is recorded: every page would
      // otherwise keep its own copy of megabytes.
      double left = x;
      std::size_t first = 0;
      while (first < text.size()) {
        const double advance = Metrics().WidthF(text.substr(first, 1));
        if (left + advance > 0) break;
        left += advance;
        ++first;
      }
      const std::string_view shown = text.substr(first, kMaxRecordedText);
      list_->AddText(Nearest(left), y, Metrics().Width(shown), Metrics().Height(), shown, ListFont(), brush_);
    }
  }
  penPos_ = QPoint(FarOffPage(static_cast<long long>(x) + w), y);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  if (list_ != nullptr) list_->AddShape(TOpKind::Rect, left, top, right, bottom, ListPen(), brush_);
}

void TCanvas::FillRect(int left, int top, int right, int bottom) {
  if (list_ != nullptr) list_->AddShape(TOpKind::FillRect, left, top, right, bottom, ListPen(), brush_);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  if (list_ != nullptr) list_->AddShape(TOpKind::Ellipse, left, top, right, bottom, ListPen(), brush_);
}

void TCanvas::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  if (list_ != nullptr) list_->AddArc(TOpKind::Arc, left, top, right, bottom, x3, y3, x4, y4, ListPen());
}

void TCanvas::Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  if (list_ != nullptr) list_->AddArc(TOpKind::Pie, left, top, right, bottom, x3, y3, x4, y4, ListPen(), brush_);
}

void TCanvas::StretchDraw(int left, int top, int right, int bottom, const QImage& image) {
  if (list_ != nullptr && !image.isNull()) list_->AddImage(left, top, right, bottom, image);
}

void TCanvas::StretchDraw(int left, int top, int right, int bottom, AssetName picture) {
  if (list_ != nullptr) list_->AddImage(left, top, right, bottom, picture);
}

}  // namespace sumcraft
