#include "render/Replay.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "render/CodePage1252.h"

namespace sumcraft {

namespace {

// Colour and composition for a pen mode; false when nothing is to be drawn.
bool PrepareMode(QPainter& painter, TPenMode mode, bool rasterOps, QColor& color) {
  using CM = QPainter::CompositionMode;
  CM cm = CM::CompositionMode_SourceOver;
  switch (mode) {
    case TPenMode::Black: color = Qt::black; break;
    case TPenMode::White: color = Qt::white; break;
    case TPenMode::Nop: return false;
    case TPenMode::Copy: break;
    case TPenMode::Not:
      if (!rasterOps) return false;
      cm = CM::RasterOp_NotDestination;
      break;
    case TPenMode::NotCopy:
      if (!rasterOps) color = QColor(255 - color.red(), 255 - color.green(), 255 - color.blue());
      cm = CM::RasterOp_NotSource;
      break;
    case TPenMode::MergePenNot: cm = CM::RasterOp_SourceOrNotDestination; break;
    case TPenMode::MaskPenNot: cm = CM::RasterOp_SourceAndNotDestination; break;
    case TPenMode::MergeNotPen: cm = CM::RasterOp_NotSourceOrDestination; break;
    case TPenMode::MaskNotPen: cm = CM::RasterOp_NotSourceAndDestination; break;
    case TPenMode::Merge: cm = CM::RasterOp_SourceOrDestination; break;
    case TPenMode::NotMerge: cm = CM::RasterOp_NotSourceAndNotDestination; break;
    case TPenMode::Mask: cm = CM::RasterOp_SourceAndDestination; break;
    case TPenMode::NotMask: cm = CM::RasterOp_NotSourceOrNotDestination; break;
    case TPenMode::Xor: cm = CM::RasterOp_SourceXorDestination; break;
    case TPenMode::NotXor: cm = CM::RasterOp_NotSourceXorDestination; break;
  }
  if (!rasterOps) cm = CM::CompositionMode_SourceOver;
  painter.setCompositionMode(cm);
  return true;
}

QBrush MakeBrush(const TBrushSpec& b, const QColor& color) {
  switch (b.Style) {
    case TBrushStyle::Solid: return QBrush(color, Qt::SolidPattern);
    case TBrushStyle::Clear: return QBrush(Qt::NoBrush);
    case TBrushStyle::Horizontal: return QBrush(color, Qt::HorPattern);
    case TBrushStyle::Vertical: return QBrush(color, Qt::VerPattern);
    case TBrushStyle::FDiagonal: return QBrush(color, Qt::FDiagPattern);
    case TBrushStyle::BDiagonal: return QBrush(color, Qt::BDiagPattern);
    case TBrushStyle::Cross: return QBrush(color, Qt::CrossPattern);
    case TBrushStyle::DiagCross: return QBrush(color, Qt::DiagCrossPattern);
  }
  return QBrush(Qt::NoBrush);
}

QRectF Box(const TDrawOp& op) {
  return QRectF(QPointF(op.X1, op.Y1), QPointF(op.X2, op.Y2)).normalized();
}

// Parametric angle (degrees, counter-clockwise, y up) of the ray from the
// ellipse's centre through (x, y), as QPainterPath::arcTo expects it.
double RayAngle(const QRectF& box, double x, double y) {
  const double rx = box.width() / 2, ry = box.height() / 2;
  const QPointF c = box.center();
  if (rx <= 0 || ry <= 0) return 0;
  return std::atan2(-(y - c.y()) / ry, (x - c.x()) / rx) * 180.0 / std::numbers::pi;
}

class TReplayer {
public:
  TReplayer(const TDisplayList& page, QPainter& painter, const QTransform& pageToDevice, bool antialias)
      : page_(page), p_(painter), pageT_(pageToDevice), antialias_(antialias) {
    const QPaintEngine* engine = painter.paintEngine();
    rasterOps_ = engine != nullptr && engine->hasFeature(QPaintEngine::RasterOpModes);
    deviceScale_ = std::sqrt(std::abs(pageT_.determinant()));
    // On an image, straight lines and frames are filled as device-pixel
    // rectangles: many times faster than stroking and crisper when thin.
    fastRects_ = engine != nullptr && engine->type() == QPaintEngine::Raster && pageT_.type() <= QTransform::TxScale &&
                 pageT_.m11() > 0 && pageT_.m22() > 0;
  }

  void Run() {
    p_.setWorldTransform(pageT_);
    for (const TDrawOp& op : page_.Ops()) {
      switch (op.Kind) {
        case TOpKind::Text: Text(op); break;
        case TOpKind::Image: Image(op); break;
        default: Shape(op); break;
      }
    }
  }

private:
  void SetAntialias(bool on) {
    p_.setRenderHint(QPainter::Antialiasing, on);
    p_.setRenderHint(QPainter::TextAntialiasing, on);
    p_.setRenderHint(QPainter::SmoothPixmapTransform, on);
  }

  QPen MakePen(const TRecordedPen& spec, const QColor& color) const {
    QPen pen(color);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (spec.Width * deviceScale_ < 1.0) {
      pen.setWidth(0);  // cosmetic: one device pixel
    } else {
      pen.setWidthF(spec.Width);
    }
    return pen;
  }

  // Device rectangle of a horizontal or vertical stroke from (x1, y1) to
  // (x2, y2) with round ends, pen width in page units; thin pens become one
  // whole device pixel.
  QRectF StrokeRect(double x1, double y1, double x2, double y2, double width) const {
    const QPointF a = pageT_.map(QPointF(x1, y1));
    const QPointF b = pageT_.map(QPointF(x2, y2));
    const bool horizontal = y1 == y2;
    const double w = (horizontal ? pageT_.m22() : pageT_.m11()) * width;
    if (w < 1.0) {
      if (horizontal) {
        const double l = std::floor(std::min(a.x(), b.x())), r = std::floor(std::max(a.x(), b.x())) + 1;
        return QRectF(l, std::floor(a.y()), r - l, 1);
      }
      const double t = std::floor(std::min(a.y(), b.y())), bt = std::floor(std::max(a.y(), b.y())) + 1;
      return QRectF(std::floor(a.x()), t, 1, bt - t);
    }
    const double h = w / 2;
    return QRectF(QPointF(std::min(a.x(), b.x()) - h, std::min(a.y(), b.y()) - h),
                  QPointF(std::max(a.x(), b.x()) + h, std::max(a.y(), b.y()) + h));
  }

  void FillDevice(const QRectF& r, const QBrush& brush) {
    p_.setWorldTransform(QTransform());
    p_.fillRect(r, brush);
    p_.setWorldTransform(pageT_);
  }

  void FastRect(const TDrawOp& op, const QColor& color) {
    const QRectF box = Box(op);
    if (op.Brush.Style != TBrushStyle::Clear) {
      FillDevice(pageT_.mapRect(box), MakeBrush(op.Brush, ToQColor(op.Brush.Color)));
    }
    const QBrush pen(color);
    const double w = op.Pen.Width;
    const double l = box.left(), t = box.top(), r = box.right(), b = box.bottom();
    p_.setWorldTransform(QTransform());
    QRectF edges[4] = {StrokeRect(l, t, r, t, w), StrokeRect(l, b, r, b, w), StrokeRect(l, t, l, b, w),
                       StrokeRect(r, t, r, b, w)};
    for (const QRectF& e : edges) p_.fillRect(e, pen);
    p_.setWorldTransform(pageT_);
  }

  void Shape(const TDrawOp& op) {
    penIsTextColor_ = false;
    QColor color = ToQColor(op.Pen.Color);
    if (!PrepareMode(p_, op.Pen.Mode, rasterOps_, color)) return;
    SetAntialias(antialias_ && op.Pen.Mode == TPenMode::Copy);
    const bool fast = fastRects_ && op.Pen.Mode == TPenMode::Copy;
    switch (op.Kind) {
      case TOpKind::Line:
        if (fast && (op.X1 == op.X2 || op.Y1 == op.Y2)) {
          FillDevice(StrokeRect(op.X1, op.Y1, op.X2, op.Y2, op.Pen.Width), QBrush(color));
          break;
        }
        p_.setPen(MakePen(op.Pen, color));
        p_.drawLine(QPointF(op.X1, op.Y1), QPointF(op.X2, op.Y2));
        break;
      case TOpKind::Rect:
        if (fast) {
          FastRect(op, color);
          break;
        }
        p_.setPen(MakePen(op.Pen, color));
        p_.setBrush(MakeBrush(op.Brush, ToQColor(op.Brush.Color)));
        p_.drawRect(Box(op));
        break;
      case TOpKind::FillRect:
        if (op.Brush.Style != TBrushStyle::Clear) p_.fillRect(Box(op), MakeBrush(op.Brush, ToQColor(op.Brush.Color)));
        break;
      case TOpKind::Ellipse:
        p_.setPen(MakePen(op.Pen, color));
        p_.setBrush(MakeBrush(op.Brush, ToQColor(op.Brush.Color)));
        p_.drawEllipse(Box(op));
        break;
      case TOpKind::Arc: {
        const QRectF box = Box(op);
        const double a1 = RayAngle(box, op.X3, op.Y3);
        double span = RayAngle(box, op.X4, op.Y4) - a1;
        while (span <= 0) span += 360.0;  // same ray: the whole ellipse
        QPainterPath path;
        path.arcMoveTo(box, a1);
        path.arcTo(box, a1, span);
        p_.strokePath(path, MakePen(op.Pen, color));
        break;
      }
      case TOpKind::Pie:
        p_.setPen(MakePen(op.Pen, color));
        p_.setBrush(MakeBrush(op.Brush, ToQColor(op.Brush.Color)));
        p_.drawPath(PiePath(op));
        break;
      default: break;
    }
    p_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  }

  void Text(const TDrawOp& op) {
    const TRecordedFont& f = page_.FontOf(op);
    const std::string& text = page_.TextOf(op);
    const bool turned = f.Spec.Escapement != 0;
    // Turned text is drawn in its own frame: origin at its top-left, x along
    // the reading direction.
    QPointF origin(op.X1, op.Y1);
    if (turned) {
      QTransform t = QTransform::fromTranslate(op.X1, op.Y1);
      t.rotate(-f.Spec.Escapement / 10.0);
      p_.setWorldTransform(t * pageT_);
      origin = QPointF(0, 0);
    }
    SetAntialias(antialias_);
    if (op.Brush.Style == TBrushStyle::Solid) {
      p_.fillRect(QRectF(origin, QSizeF(op.X2, op.Y2)), ToQColor(op.Brush.Color));
    }
    if (lastFont_ != f.Metrics) {
      p_.setFont(f.Metrics->Font());
      lastFont_ = f.Metrics;
    }
    if (lastColor_ != f.Spec.Color || !penIsTextColor_) {
      p_.setPen(ToQColor(f.Spec.Color));
      lastColor_ = f.Spec.Color;
      penIsTextColor_ = true;
    }
    p_.drawText(origin + QPointF(0, f.Metrics->Ascent()), FromCp1252(text));
    if (turned) p_.setWorldTransform(pageT_);
  }

  void Image(const TDrawOp& op) {
    const QImage& img = page_.ImageOf(op);
    if (img.isNull()) return;
    SetAntialias(antialias_);
    p_.drawImage(Box(op), img);
  }

  const TDisplayList& page_;
  QPainter& p_;
  QTransform pageT_;
  bool antialias_;
  bool rasterOps_ = false;
  bool fastRects_ = false;
  double deviceScale_ = 1;
  const TFontMetrics* lastFont_ = nullptr;
  TColor lastColor_ = kBlack;
  bool penIsTextColor_ = false;
};

}  // namespace

void ReplayPage(const TDisplayList& page, QPainter& painter, const QRectF& target, const QSizeF& pageSize,
                const TReplayOptions& options) {
  if (pageSize.width() <= 0 || pageSize.height() <= 0 || page.Empty()) return;
  painter.save();
  const double sx = target.width() / pageSize.width();
  const double sy = target.height() / pageSize.height();
  const QTransform pageT = QTransform(sx, 0, 0, sy, target.x(), target.y()) * painter.worldTransform();
  painter.setBackgroundMode(Qt::TransparentMode);
  TReplayer(page, painter, pageT, options.Antialias).Run();
  painter.restore();
}

}  // namespace sumcraft
