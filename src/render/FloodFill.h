#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QtGlobal>

namespace sumcraft {

// True when `pixel` counts as part of a boundary drawn in `border`. Pixels
// are judged as they look on white paper (a transparent pixel looks white),
// and a pixel is border when each of its channels lies within 127 of the
// border colour's: for black, every channel below 128. So the darker half of
// an antialiased outline blocks a fill, and the lighter fringe beside it is
// painted over instead of staying behind as a pale halo.
bool IsBorderPixel(QRgb pixel, QRgb border);

// Flood fill up to a border colour: paints `fill` into every pixel that can
// be reached from `start` through 4-connected steps without crossing a border
// pixel (see IsBorderPixel). Pixels that already have the fill colour are
// crossed and painted like any other, so filling the same region twice is
// harmless. A start outside the image or on a border pixel fills nothing.
//
// Scanline fill with an explicit stack: no recursion, each pixel visited a
// bounded number of times. A Grayscale8 image filled with an opaque grey
// stays Grayscale8; other images not in one of the 32-bit RGB formats are
// converted to one first (RGB32, or ARGB32_Premultiplied when they carry
// alpha). Returns the number of pixels painted.
qsizetype FloodFillBorder(QImage& image, QPoint start, const QColor& fill,
                          const QColor& border = QColor(Qt::black));

}  // namespace sumcraft
