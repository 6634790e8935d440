#include "render/FloodFill.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace sumcraft {

namespace {

// Channel values of a premultiplied pixel laid over white.
int OnWhite(int premultipliedChannel, int alpha) {
  return premultipliedChannel + (255 - alpha);
}

bool IsBorderPremultiplied(QRgb premultiplied, QRgb borderOnWhite) {
  const int a = qAlpha(premultiplied);
  return std::abs(OnWhite(qRed(premultiplied), a) - qRed(borderOnWhite)) < 128 &&
         std::abs(OnWhite(qGreen(premultiplied), a) - qGreen(borderOnWhite)) < 128 &&
         std::abs(OnWhite(qBlue(premultiplied), a) - qBlue(borderOnWhite)) < 128;
}

QRgb FlattenOnWhite(QRgb straight) {
  const QRgb p = qPremultiply(straight);
  const int a = qAlpha(p);
  return qRgb(OnWhite(qRed(p), a), OnWhite(qGreen(p), a), OnWhite(qBlue(p), a));
}

}  // namespace

bool IsBorderPixel(QRgb pixel, QRgb border) {
  return IsBorderPremultiplied(qPremultiply(pixel), FlattenOnWhite(border));
}

namespace {

// The scanline fill over any pixel type: `border(pixel)` tells a boundary,
// `paint` is stored into every pixel reached.
template <typename Pixel, typename IsBorder>
qsizetype ScanFill(QImage& image, QPoint start, Pixel paint, IsBorder border) {
  const int w = image.width();
  const int h = image.height();
  uchar* const bits = image.bits();
  const qsizetype stride = image.bytesPerLine();
  auto row = [&](int y) { return reinterpret_cast<Pixel*>(bits + y * stride); };

  // Painted pixels are remembered, not recognised by colour: the fill colour
  // may already occur inside the region, and the fill must still end. One
  // bit a pixel: a picture is filled many times (once per shaded part), and
  // clearing a byte map each time cost more than the fill.
  std::vector<std::uint64_t> painted((static_cast<std::size_t>(w) * static_cast<std::size_t>(h) + 63) / 64, 0);
  auto index = [w](int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
  };
  auto isPainted = [&](std::size_t i) { return (painted[i / 64] >> (i % 64)) & 1u; };
  auto open = [&](const Pixel* line, int x, int y) { return !isPainted(index(x, y)) && !border(line[x]); };

  if (!open(row(start.y()), start.x(), start.y())) return 0;

  qsizetype count = 0;
  std::vector<QPoint> seeds{start};
  while (!seeds.empty()) {
    const QPoint seed = seeds.back();
    seeds.pop_back();
    const int y = seed.y();
    Pixel* line = row(y);
    if (!open(line, seed.x(), y)) continue;

    int left = seed.x();
    while (left > 0 && open(line, left - 1, y)) --left;
    int right = seed.x();
    while (right < w - 1 && open(line, right + 1, y)) ++right;

    for (int x = left; x <= right; ++x) {
      line[x] = paint;
      const std::size_t i = index(x, y);
      painted[i / 64] |= std::uint64_t{1} << (i % 64);
    }
    count += right - left + 1;

    // One seed per open run in the rows above and below this span.
    for (int ny : {y - 1, y + 1}) {
      if (ny < 0 || ny >= h) continue;
      const Pixel* next = row(ny);
      bool inRun = false;
      for (int x = left; x <= right; ++x) {
        if (open(next, x, ny)) {
          if (!inRun) seeds.emplace_back(x, ny);
          inRun = true;
        } else {
          inRun = false;
        }
      }
    }
  }
  return count;
}

bool IsGray(QRgb c) { return qAlpha(c) == 255 && qRed(c) == qGreen(c) && qGreen(c) == qBlue(c); }

}  // namespace

qsizetype FloodFillBorder(QImage& image, QPoint start, const QColor& fill,
                          const QColor& border) {
  if (image.isNull() || !image.rect().contains(start)) return 0;

  const QRgb borderOnWhite = FlattenOnWhite(border.rgba());
  QImage::Format format = image.format();
  // A grey picture filled with a grey stays one byte a pixel.
  if (format == QImage::Format_Grayscale8 && IsGray(fill.rgba())) {
    std::array<bool, 256> isBorder{};
    for (int v = 0; v < 256; ++v) isBorder[static_cast<std::size_t>(v)] = IsBorderPremultiplied(qRgb(v, v, v), borderOnWhite);
    return ScanFill<uchar>(image, start, static_cast<uchar>(qRed(fill.rgba())),
                           [&isBorder](uchar v) { return isBorder[v]; });
  }
  if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
      format != QImage::Format_ARGB32_Premultiplied) {
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                            : QImage::Format_RGB32);
    format = image.format();
  }

  QRgb paint = fill.rgba();
  // Pixels are compared premultiplied; RGB32 pixels are opaque whatever
  // their top byte holds.
  switch (format) {
    case QImage::Format_RGB32:
      return ScanFill<QRgb>(image, start, paint | 0xff000000u, [borderOnWhite](QRgb p) {
        return IsBorderPremultiplied(p | 0xff000000u, borderOnWhite);
      });
    case QImage::Format_ARGB32:
      return ScanFill<QRgb>(image, start, paint, [borderOnWhite](QRgb p) {
        return IsBorderPremultiplied(qPremultiply(p), borderOnWhite);
      });
    default:
      return ScanFill<QRgb>(image, start, qPremultiply(paint),
                            [borderOnWhite](QRgb p) { return IsBorderPremultiplied(p, borderOnWhite); });
  }
}

}  // namespace sumcraft
