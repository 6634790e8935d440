#include "render/AssetPictures.h"

#include <QFontMetricsF>
#include <QPen>
#include <QString>

#include <cmath>
#include <numbers>

namespace sumcraft::pictures {

namespace {

struct DialStyle {
  double ring;         // outline width
  double hourTick;     // length and width of the ticks at the hours
  double hourWidth;
  double minuteTick;   // and at the other minutes
  double minuteWidth;
  double gap;          // between the ticks and the numbers
  double numberSize;   // em size of the numbers
  double dot;          // radius of the centre dot
  int lineLength;      // answer line
  int lineThickness;
  int lineFromBottom;  // its top edge, counted up from the bottom edge
};

// The hands drawn later reach 55 (display) and 160 (print) pixels plus half
// their pen; the numbers stay outside that.
constexpr DialStyle kDisplay{2.0, 5.0, 2.0, 3.0, 1.0, 1.5, 12.0, 3.5, 80, 2, 12};
constexpr DialStyle kPrint{5.0, 20.0, 6.0, 10.0, 2.5, 4.0, 36.0, 10.0, 240, 5, 38};

}  // namespace

QImage DrawClockFace(QSize size, QPoint centre, int radius, Form form) {
  const DialStyle& s = form == Form::Print ? kPrint : kDisplay;
  QImage picture = BlankPicture(size);
  {
    PicturePainter p(picture);
    p->translate(centre.x() + 0.5, centre.y() + 0.5);

    p->setBrush(Qt::NoBrush);
    p->setPen(QPen(Qt::black, s.ring));
    p->drawEllipse(QPointF(0, 0), radius, radius);

    // Ticks start at the middle of the ring so they join it without a seam.
    const double tickOuter = radius;
    for (int minute = 0; minute < 60; ++minute) {
      const bool hour = minute % 5 == 0;
      const double angle = minute * std::numbers::pi / 30.0;
      const double inner = tickOuter - s.ring / 2 - (hour ? s.hourTick : s.minuteTick);
      const double dx = std::sin(angle);
      const double dy = -std::cos(angle);
      p->setPen(QPen(Qt::black, hour ? s.hourWidth : s.minuteWidth, Qt::SolidLine, Qt::FlatCap));
      p->drawLine(QPointF(tickOuter * dx, tickOuter * dy), QPointF(inner * dx, inner * dy));
    }

    // Each number's box sits the same distance inside the hour ticks, so wide
    // ones ("10", "11", "12") move inwards no more than they must.
    const QFont font = PictureFont(s.numberSize, true);
    const QFontMetricsF metrics(font, &picture);
    const double outerEdge = tickOuter - s.ring / 2 - s.hourTick - s.gap;
    p->setFont(font);
    p->setPen(Qt::black);
    for (int hour = 1; hour <= 12; ++hour) {
      const QString text = QString::number(hour);
      const QRectF box = metrics.tightBoundingRect(text);
      const double angle = hour * std::numbers::pi / 6.0;
      const double dx = std::sin(angle);
      const double dy = -std::cos(angle);
      const double reach = std::abs(dx) * box.width() / 2 + std::abs(dy) * box.height() / 2;
      const double r = outerEdge - reach;
      p->drawText(QPointF(r * dx - box.center().x(), r * dy - box.center().y()), text);
    }

    p->setPen(Qt::NoPen);
    p->setBrush(Qt::black);
    p->drawEllipse(QPointF(0, 0), s.dot, s.dot);
    p->resetTransform();

    const int top = size.height() - s.lineFromBottom;
    p->fillRect(QRect(centre.x() - s.lineLength / 2, top, s.lineLength, s.lineThickness),
                Qt::black);
  }
  return picture;
}

}  // namespace sumcraft::pictures
