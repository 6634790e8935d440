#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QtGlobal>
#include <vector>

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

// One row's run of a filled region: pixels Left to Right (both included).
struct TFillSpan {
  int Y = 0, Left = 0, Right = 0;
};

// The pixels FloodFillBorder would paint, as spans that do not overlap,
// without changing the image. The region depends only on the border pixels,
// so a region found once can be painted into every copy of the picture.
std::vector<TFillSpan> FloodFillRegion(const QImage& image, QPoint start,
                                       const QColor& border = QColor(Qt::black));

// Paints the spans into a Grayscale8 picture (other formats are left alone).
void PaintSpans(QImage& gray, const std::vector<TFillSpan>& spans, uchar value);

}  // namespace sumcraft
