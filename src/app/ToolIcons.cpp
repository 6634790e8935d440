#include "app/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <map>

namespace sumcraft {

namespace {

const QColor kOutline(0x4a, 0x5d, 0x73);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kBlue(0x2f, 0x6f, 0xb3);
const QColor kGreen(0x1e, 0x8c, 0x4e);
const QColor kRed(0xc0, 0x39, 0x2b);
const QColor kYellow(0xf0, 0xc0, 0x4a);
const QColor kGrey(0x9a, 0xa7, 0xb4);

QPen Outline(double width = 1.6) {
  QPen pen(kOutline, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

QPen Stroke(const QColor& color, double width) {
  QPen pen(color, width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

// A sheet with a folded corner, in the 32 x 32 design grid.
void Sheet(QPainter& p, double left = 6, double top = 3, double right = 25, double bottom = 29) {
  QPainterPath sheet;
  sheet.moveTo(left, top);
  sheet.lineTo(right - 6, top);
  sheet.lineTo(right, top + 6);
  sheet.lineTo(right, bottom);
  sheet.lineTo(left, bottom);
  sheet.closeSubpath();
  p.setPen(Outline());
  p.setBrush(kPaper);
  p.drawPath(sheet);
  QPainterPath fold;
  fold.moveTo(right - 6, top);
  fold.lineTo(right - 6, top + 6);
  fold.lineTo(right, top + 6);
  p.setBrush(QColor(0xd3, 0xdc, 0xe6));
  p.drawPath(fold);
}

void Lines(QPainter& p, double left, double top, int count, double width) {
  p.setPen(Stroke(kBlue, 1.6));
  for (int i = 0; i < count; ++i) p.drawLine(QPointF(left, top + i * 4.5), QPointF(left + width - (i % 2) * 4, top + i * 4.5));
}

void Badge(QPainter& p, const QColor& color, double cx, double cy, double r) {
  p.setPen(Stroke(color.darker(130), 1.2));
  p.setBrush(color);
  p.drawEllipse(QPointF(cx, cy), r, r);
}

void Plus(QPainter& p, double cx, double cy, double half) {
  p.setPen(Stroke(Qt::white, 2.6));
  p.drawLine(QPointF(cx - half, cy), QPointF(cx + half, cy));
  p.drawLine(QPointF(cx, cy - half), QPointF(cx, cy + half));
}

void Minus(QPainter& p, double cx, double cy, double half) {
  p.setPen(Stroke(Qt::white, 2.6));
  p.drawLine(QPointF(cx - half, cy), QPointF(cx + half, cy));
}

// A curved arrow; `clockwise` turns it the other way round.
void CurvedArrow(QPainter& p, const QColor& color, bool pointsLeft) {
  p.save();
  if (!pointsLeft) {
    p.translate(32, 0);
    p.scale(-1, 1);
  }
  QPainterPath arc;
  arc.moveTo(9, 13);
  arc.cubicTo(14, 6, 27, 7, 27, 17);
  arc.cubicTo(27, 23, 22, 27, 16, 27);
  p.setPen(Stroke(color, 3.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  QPainterPath head;
  head.moveTo(4, 7);
  head.lineTo(14, 9);
  head.lineTo(6, 17);
  head.closeSubpath();
  p.setPen(Stroke(color, 1.2));
  p.setBrush(color);
  p.drawPath(head);
  p.restore();
}

void CircleArrows(QPainter& p, const QColor& color, double cx, double cy, double r) {
  p.setPen(Stroke(color, 2.4));
  p.setBrush(Qt::NoBrush);
  const QRectF box(cx - r, cy - r, 2 * r, 2 * r);
  p.drawArc(box, 30 * 16, 130 * 16);
  p.drawArc(box, 210 * 16, 130 * 16);
  p.setPen(Stroke(color, 1.0));
  p.setBrush(color);
  auto head = [&](double angleDeg) {
    const double a = angleDeg * 3.14159265358979 / 180.0;
    const QPointF tip(cx + r * std::cos(a), cy - r * std::sin(a));
    const QPointF dir(std::sin(a), std::cos(a));  // along the circle, counter-clockwise
    const QPointF normal(std::cos(a), -std::sin(a));
    QPainterPath h;
    h.moveTo(tip + dir * 3.5);
    h.lineTo(tip - dir * 1.0 + normal * 3.2);
    h.lineTo(tip - dir * 1.0 - normal * 3.2);
    h.closeSubpath();
    p.drawPath(h);
  };
  head(160);
  head(340);
}

void Magnifier(QPainter& p, bool plus) {
  p.setPen(Stroke(kOutline, 3.0));
  p.drawLine(QPointF(19, 19), QPointF(27, 27));
  p.setPen(Stroke(kOutline, 2.0));
  p.setBrush(QColor(0xe8, 0xf1, 0xfb));
  p.drawEllipse(QPointF(13, 13), 8.5, 8.5);
  p.setPen(Stroke(kBlue, 2.4));
  p.drawLine(QPointF(9, 13), QPointF(17, 13));
  if (plus) p.drawLine(QPointF(13, 9), QPointF(13, 17));
}

void Triangle(QPainter& p, bool left) {
  QPainterPath t;
  if (left) {
    t.moveTo(21, 7);
    t.lineTo(9, 16);
    t.lineTo(21, 25);
  } else {
    t.moveTo(11, 7);
    t.lineTo(23, 16);
    t.lineTo(11, 25);
  }
  t.closeSubpath();
  p.setPen(Stroke(kBlue.darker(120), 1.4));
  p.setBrush(kBlue);
  p.drawPath(t);
}

void Draw(QPainter& p, TToolIcon icon) {
  switch (icon) {
    case TToolIcon::New:
      Sheet(p);
      Badge(p, kGreen, 23, 23, 7);
      Plus(p, 23, 23, 3.6);
      break;
    case TToolIcon::Open: {
      QPainterPath back;
      back.moveTo(3, 8);
      back.lineTo(11, 8);
      back.lineTo(13.5, 11);
      back.lineTo(26, 11);
      back.lineTo(26, 27);
      back.lineTo(3, 27);
      back.closeSubpath();
      p.setPen(Outline());
      p.setBrush(kYellow.darker(115));
      p.drawPath(back);
      p.setBrush(kPaper);
      p.drawRect(QRectF(7, 5, 15, 14));
      Lines(p, 10, 9, 2, 9);
      QPainterPath front;
      front.moveTo(3, 27);
      front.lineTo(7, 15);
      front.lineTo(30, 15);
      front.lineTo(26, 27);
      front.closeSubpath();
      p.setPen(Outline());
      p.setBrush(kYellow);
      p.drawPath(front);
      break;
    }
    case TToolIcon::Save: {
      p.setPen(Outline());
      p.setBrush(kBlue);
      QPainterPath disk;
      disk.moveTo(4, 4);
      disk.lineTo(24, 4);
      disk.lineTo(28, 8);
      disk.lineTo(28, 28);
      disk.lineTo(4, 28);
      disk.closeSubpath();
      p.drawPath(disk);
      p.setBrush(kPaper);
      p.drawRect(QRectF(8, 4, 14, 9));
      p.setBrush(kGrey);
      p.drawRect(QRectF(17, 5.5, 3, 6));
      p.setBrush(kPaper);
      p.drawRect(QRectF(8, 17, 16, 11));
      p.setPen(Stroke(kGrey, 1.2));
      p.drawLine(QPointF(11, 21), QPointF(21, 21));
      p.drawLine(QPointF(11, 24.5), QPointF(21, 24.5));
      break;
    }
    case TToolIcon::Print:
      p.setPen(Outline());
      p.setBrush(kPaper);
      p.drawRect(QRectF(9, 3, 14, 11));
      p.setBrush(QColor(0xc9, 0xd3, 0xde));
      p.drawRoundedRect(QRectF(3, 12, 26, 12), 2.5, 2.5);
      p.setBrush(kGreen);
      p.drawEllipse(QPointF(24.5, 16.5), 1.4, 1.4);
      p.setBrush(kPaper);
      p.drawRect(QRectF(8, 19, 16, 10));
      Lines(p, 11, 22.5, 2, 10);
      break;
    case TToolIcon::Exit: {
      p.setPen(Outline());
      p.setBrush(QColor(0x8b, 0x5a, 0x3c));
      p.drawRect(QRectF(5, 3, 15, 26));
      p.setBrush(kYellow);
      p.drawEllipse(QPointF(16.5, 16.5), 1.3, 1.3);
      p.setPen(Stroke(kRed, 3.2));
      p.drawLine(QPointF(17, 16), QPointF(28, 16));
      QPainterPath head;
      head.moveTo(30, 16);
      head.lineTo(24, 10.5);
      head.lineTo(24, 21.5);
      head.closeSubpath();
      p.setPen(Stroke(kRed, 1.0));
      p.setBrush(kRed);
      p.drawPath(head);
      break;
    }
    case TToolIcon::AddQuestions:
      Sheet(p);
      Lines(p, 9, 10, 3, 10);
      Badge(p, kGreen, 23, 23, 7);
      Plus(p, 23, 23, 3.6);
      break;
    case TToolIcon::DeleteQuestions:
      Sheet(p);
      Lines(p, 9, 10, 3, 10);
      Badge(p, kRed, 23, 23, 7);
      Minus(p, 23, 23, 3.8);
      break;
    case TToolIcon::Undo:
      CurvedArrow(p, kBlue, true);
      break;
    case TToolIcon::Redo:
      CurvedArrow(p, kBlue, false);
      break;
    case TToolIcon::QuizOptions:
      Sheet(p);
      p.setPen(Stroke(kBlue, 2.0));
      p.drawLine(QPointF(9, 9), QPointF(19, 9));
      p.setPen(Stroke(kGreen, 1.8));
      for (int i = 0; i < 3; ++i) {
        const double y = 14 + i * 5;
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(9, y - 1.5, 3, 3));
        p.drawLine(QPointF(14, y), QPointF(21, y));
      }
      break;
    case TToolIcon::RecreateSection:
      Sheet(p);
      Lines(p, 9, 10, 2, 10);
      Badge(p, QColor(0xf7, 0xfa, 0xfd), 22, 22, 8);
      CircleArrows(p, kGreen, 22, 22, 5.2);
      break;
    case TToolIcon::RecreateQuiz:
      Sheet(p, 3, 2, 20, 24);
      Sheet(p, 8, 6, 25, 28);
      Lines(p, 11, 13, 2, 9);
      Badge(p, QColor(0xf7, 0xfa, 0xfd), 23, 23, 8);
      CircleArrows(p, kGreen, 23, 23, 5.2);
      break;
    case TToolIcon::ZoomIn:
      Magnifier(p, true);
      break;
    case TToolIcon::ZoomOut:
      Magnifier(p, false);
      break;
    case TToolIcon::PreviousPage:
      Triangle(p, true);
      break;
    case TToolIcon::NextPage:
      Triangle(p, false);
      break;
  }
}

QPixmap Render(TToolIcon icon, int side) {
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(side / 32.0, side / 32.0);
  Draw(p, icon);
  return pixmap;
}

}  // namespace

QIcon ToolIcon(TToolIcon icon) {
  static std::map<TToolIcon, QIcon> made;
  auto it = made.find(icon);
  if (it != made.end()) return it->second;
  QIcon result;
  for (int side : {16, 20, 24, 32, 40, 48, 64, 96}) result.addPixmap(Render(icon, side));
  made.emplace(icon, result);
  return result;
}

}  // namespace sumcraft
