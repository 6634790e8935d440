#include "render/DisplayList.h"

#include <QJsonObject>
#include <cmath>
#include <numbers>

#include "render/CodePage1252.h"

namespace sumcraft {

namespace {

const char* BrushName(TBrushStyle s) {
  switch (s) {
    case TBrushStyle::Solid: return "solid";
    case TBrushStyle::Clear: return "clear";
    case TBrushStyle::Horizontal: return "horizontal";
    case TBrushStyle::Vertical: return "vertical";
    case TBrushStyle::FDiagonal: return "fdiagonal";
    case TBrushStyle::BDiagonal: return "bdiagonal";
    case TBrushStyle::Cross: return "cross";
    case TBrushStyle::DiagCross: return "diagcross";
  }
  return "solid";
}

QString ColorName(TColor c) { return ToQColor(c).name(); }

// Angle (degrees, counter-clockwise with y up) of the ray from the
// ellipse's centre through (x, y).
double RayAngle(const QRectF& box, double x, double y) {
  const double rx = box.width() / 2, ry = box.height() / 2;
  if (rx <= 0 || ry <= 0) return 0;
  const QPointF c = box.center();
  return std::atan2(-(y - c.y()) / ry, (x - c.x()) / rx) * 180.0 / std::numbers::pi;
}

}  // namespace

QPainterPath PiePath(const TDrawOp& op) {
  const QRectF box = QRectF(QPointF(op.X1, op.Y1), QPointF(op.X2, op.Y2)).normalized();
  QPainterPath path;
  const double a1 = RayAngle(box, op.X3, op.Y3);
  double span = RayAngle(box, op.X4, op.Y4) - a1;
  while (span <= 0) span += 360.0;
  if (span >= 360.0) {
    path.addEllipse(box);
    return path;
  }
  path.moveTo(box.center());
  path.arcTo(box, a1, span);
  path.closeSubpath();
  return path;
}

void TDisplayList::Clear() {
  ops_.clear();
  fonts_.clear();
  texts_.clear();
  images_.clear();
}

void TDisplayList::Finish() {
  ops_.shrink_to_fit();
  texts_.shrink_to_fit();
  images_.shrink_to_fit();
}

const std::string& TDisplayList::TextOf(const TDrawOp& op) const {
  static const std::string empty;
  if (op.Kind != TOpKind::Text || op.Data >= texts_.size()) return empty;
  return texts_[op.Data];
}

const QImage& TDisplayList::ImageOf(const TDrawOp& op) const {
  static const QImage null;
  if (op.Kind != TOpKind::Image || op.Data >= images_.size()) return null;
  const TPicture& picture = images_[op.Data];
  return picture.Stored ? Asset(*picture.Stored) : picture.Image;
}

std::optional<AssetName> TDisplayList::AssetOf(const TDrawOp& op) const {
  if (op.Kind != TOpKind::Image || op.Data >= images_.size()) return std::nullopt;
  return images_[op.Data].Stored;
}

QSize TDisplayList::ImageSizeOf(const TDrawOp& op) const {
  if (const std::optional<AssetName> stored = AssetOf(op)) return AssetSize(*stored);
  return ImageOf(op).size();
}

const TDrawOp* TDisplayList::FindText(std::string_view text) const {
  for (const TDrawOp& op : ops_) {
    if (op.Kind == TOpKind::Text && texts_[op.Data] == text) return &op;
  }
  return nullptr;
}

std::vector<const TDrawOp*> TDisplayList::TextOps() const {
  std::vector<const TDrawOp*> out;
  for (const TDrawOp& op : ops_) {
    if (op.Kind == TOpKind::Text) out.push_back(&op);
  }
  return out;
}

std::uint32_t TDisplayList::AddFont(const TRecordedFont& font) {
  // Pages use a handful of fonts; search from the most recent one.
  for (std::size_t i = fonts_.size(); i-- > 0;) {
    const TRecordedFont& f = fonts_[i];
    if (f.Metrics == font.Metrics && f.Resolution == font.Resolution && f.Spec == font.Spec) {
      return static_cast<std::uint32_t>(i);
    }
  }
  fonts_.push_back(font);
  return static_cast<std::uint32_t>(fonts_.size() - 1);
}

void TDisplayList::AddText(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, std::string_view text,
                           std::uint32_t font, const TBrushSpec& brush) {
  TDrawOp op;
  op.Kind = TOpKind::Text;
  op.X1 = x;
  op.Y1 = y;
  op.X2 = w;
  op.Y2 = h;
  op.Brush = brush;
  op.Font = font;
  op.Data = static_cast<std::uint32_t>(texts_.size());
  texts_.emplace_back(text);
  ops_.push_back(op);
}

void TDisplayList::AddShape(TOpKind kind, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                            const TRecordedPen& pen, const TBrushSpec& brush) {
  TDrawOp op;
  op.Kind = kind;
  op.X1 = x1;
  op.Y1 = y1;
  op.X2 = x2;
  op.Y2 = y2;
  op.Pen = pen;
  op.Brush = brush;
  ops_.push_back(op);
}

void TDisplayList::AddArc(TOpKind kind, std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b,
                          std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4, const TRecordedPen& pen,
                          const TBrushSpec& brush) {
  TDrawOp op;
  op.Kind = kind;
  op.Brush = brush;
  op.X1 = l;
  op.Y1 = t;
  op.X2 = r;
  op.Y2 = b;
  op.X3 = x3;
  op.Y3 = y3;
  op.X4 = x4;
  op.Y4 = y4;
  op.Pen = pen;
  ops_.push_back(op);
}

void TDisplayList::AddImage(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, const QImage& image) {
  AddPicture(l, t, r, b, TPicture{image, std::nullopt});  // implicitly shared: no pixel copy
}

void TDisplayList::AddImage(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, AssetName picture) {
  AddPicture(l, t, r, b, TPicture{QImage(), picture});
}

void TDisplayList::AddPicture(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, TPicture picture) {
  TDrawOp op;
  op.Kind = TOpKind::Image;
  op.X1 = l;
  op.Y1 = t;
  op.X2 = r;
  op.Y2 = b;
  op.Data = static_cast<std::uint32_t>(images_.size());
  images_.push_back(std::move(picture));
  ops_.push_back(op);
}

QJsonArray TDisplayList::ToJson() const {
  QJsonArray out;
  for (const TDrawOp& op : ops_) {
    QJsonObject o;
    auto box = [&] {
      o.insert("l", op.X1);
      o.insert("t", op.Y1);
      o.insert("r", op.X2);
      o.insert("b", op.Y2);
    };
    switch (op.Kind) {
      case TOpKind::Text: {
        const TRecordedFont& f = fonts_[op.Font];
        o.insert("op", "text");
        o.insert("x", op.X1);
        o.insert("y", op.Y1);
        o.insert("w", op.X2);
        o.insert("h", op.Y2);
        o.insert("text", FromCp1252(texts_[op.Data]));
        o.insert("font", FromCp1252(f.Spec.Name));
        o.insert("size", f.Spec.Size);
        o.insert("bold", f.Spec.Bold);
        if (f.Spec.Color != kBlack) o.insert("color", ColorName(f.Spec.Color));
        if (f.Spec.Escapement != 0) o.insert("angle", f.Spec.Escapement / 10.0);
        if (op.Brush.Style == TBrushStyle::Solid) o.insert("background", ColorName(op.Brush.Color));
        break;
      }
      case TOpKind::Line:
        o.insert("op", "line");
        o.insert("x1", op.X1);
        o.insert("y1", op.Y1);
        o.insert("x2", op.X2);
        o.insert("y2", op.Y2);
        o.insert("pen", op.Pen.Width);
        break;
      case TOpKind::Rect:
      case TOpKind::Ellipse:
        o.insert("op", op.Kind == TOpKind::Rect ? "rect" : "ellipse");
        box();
        o.insert("pen", op.Pen.Width);
        o.insert("brush", BrushName(op.Brush.Style));
        break;
      case TOpKind::FillRect:
        o.insert("op", "fillRect");
        box();
        o.insert("brush", BrushName(op.Brush.Style));
        break;
      case TOpKind::Arc:
      case TOpKind::Pie:
        o.insert("op", op.Kind == TOpKind::Arc ? "arc" : "pie");
        box();
        o.insert("x3", op.X3);
        o.insert("y3", op.Y3);
        o.insert("x4", op.X4);
        o.insert("y4", op.Y4);
        o.insert("pen", op.Pen.Width);
        if (op.Kind == TOpKind::Pie) o.insert("brush", BrushName(op.Brush.Style));
        break;
      case TOpKind::Image: {
        o.insert("op", "image");
        box();
        const QSize size = ImageSizeOf(op);
        o.insert("width", size.width());
        o.insert("height", size.height());
        break;
      }
    }
    out.append(o);
  }
  return out;
}

}  // namespace sumcraft
