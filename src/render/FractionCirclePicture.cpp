#include "render/AssetPictures.h"

#include <QPen>

namespace sumcraft::pictures {

QImage DrawFractionCircle(QSize size, QPoint centre, int radius, Form form) {
  QImage picture = BlankPicture(size);
  const bool print = form == Form::Print;
  {
    PicturePainter p(picture);
    // The outline is centred on the radius, so the radii the questions draw
    // out to that radius end inside it and every sector is closed.
    p->setPen(QPen(Qt::black, print ? 5.0 : 2.0));
    p->setBrush(Qt::NoBrush);
    p->drawEllipse(QPointF(centre.x() + 0.5, centre.y() + 0.5), radius, radius);

    // The answer line: the answer text is placed just above it, a little
    // more than a text line above the picture's bottom edge.
    const int length = print ? 240 : 80;
    const int thickness = print ? 5 : 2;
    const int top = print ? size.height() - 16 : size.height() - 5;
    p->fillRect(QRect(centre.x() - length / 2, top, length, thickness), Qt::black);
  }
  return picture;
}

}  // namespace sumcraft::pictures
