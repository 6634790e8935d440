#include "render/FloodFill.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
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

// Marks bits [from, to) of a bit map.
void SetBits(std::vector<std::uint64_t>& bits, std::size_t from, std::size_t to) {
  while (from < to) {
    const std::size_t word = from / 64, bit = from % 64;
    const std::size_t n = std::min<std::size_t>(64 - bit, to - from);
    const std::uint64_t mask = n == 64 ? ~std::uint64_t{0} : ((std::uint64_t{1} << n) - 1) << bit;
    bits[word] |= mask;
    from += n;
  }
}

// The scanline fill over any pixel type, without painting: the spans of the
// region reachable from `start`, where `border(pixel)` tells a boundary.
template <typename Pixel, typename IsBorder>
std::vector<TFillSpan> ScanRegion(const QImage& image, QPoint start, IsBorder border) {
  const int w = image.width();
  const int h = image.height();
  const uchar* const bits = image.constBits();
  const qsizetype stride = image.bytesPerLine();
  auto row = [&](int y) { return reinterpret_cast<const Pixel*>(bits + y * stride); };

  // Reached pixels are remembered, not recognised by colour: the fill colour
  // may already occur inside the region, and the fill must still end. One
  // bit a pixel: a picture is filled many times (once per shaded part), and
  // clearing a byte map each time cost more than the fill.
  std::vector<std::uint64_t> reached((static_cast<std::size_t>(w) * static_cast<std::size_t>(h) + 63) / 64, 0);
  auto index = [w](int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
  };
  auto open = [&](const Pixel* line, int x, int y) {
    const std::size_t i = index(x, y);
    return !border(line[x]) && !((reached[i / 64] >> (i % 64)) & 1u);
  };

  std::vector<TFillSpan> spans;
  if (!open(row(start.y()), start.x(), start.y())) return spans;

  std::vector<QPoint> seeds{start};
  while (!seeds.empty()) {
    const QPoint seed = seeds.back();
    seeds.pop_back();
    const int y = seed.y();
    const Pixel* line = row(y);
    if (!open(line, seed.x(), y)) continue;

    int left = seed.x();
    while (left > 0 && open(line, left - 1, y)) --left;
    int right = seed.x();
    while (right < w - 1 && open(line, right + 1, y)) ++right;
    SetBits(reached, index(left, y), index(right, y) + 1);
    spans.push_back({y, left, right});

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
  return spans;
}

bool IsGray(QRgb c) { return qAlpha(c) == 255 && qRed(c) == qGreen(c) && qGreen(c) == qBlue(c); }

// The region on a picture already in one of the formats read directly.
std::vector<TFillSpan> Region(const QImage& image, QPoint start, QRgb borderOnWhite) {
  switch (image.format()) {
    case QImage::Format_Grayscale8: {
      std::array<bool, 256> isBorder{};
      for (int v = 0; v < 256; ++v)
        isBorder[static_cast<std::size_t>(v)] = IsBorderPremultiplied(qRgb(v, v, v), borderOnWhite);
      return ScanRegion<uchar>(image, start, [&isBorder](uchar v) { return isBorder[v]; });
    }
    // Pixels are compared premultiplied; RGB32 pixels are opaque whatever
    // their top byte holds.
    case QImage::Format_RGB32:
      return ScanRegion<QRgb>(image, start, [borderOnWhite](QRgb p) {
        return IsBorderPremultiplied(p | 0xff000000u, borderOnWhite);
      });
    case QImage::Format_ARGB32:
      return ScanRegion<QRgb>(image, start, [borderOnWhite](QRgb p) {
        return IsBorderPremultiplied(qPremultiply(p), borderOnWhite);
      });
    default:
      return ScanRegion<QRgb>(image, start,
                              [borderOnWhite](QRgb p) { return IsBorderPremultiplied(p, borderOnWhite); });
  }
}

bool Is32Bit(QImage::Format f) {
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

bool ReadDirectly(QImage::Format f) { return f == QImage::Format_Grayscale8 || Is32Bit(f); }

QImage::Format FillFormat(const QImage& image) {
  return image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
}

}  // namespace

std::vector<TFillSpan> FloodFillRegion(const QImage& image, QPoint start, const QColor& border) {
  if (image.isNull() || !image.rect().contains(start)) return {};
  const QRgb borderOnWhite = FlattenOnWhite(border.rgba());
  if (ReadDirectly(image.format())) return Region(image, start, borderOnWhite);
  return Region(image.convertToFormat(FillFormat(image)), start, borderOnWhite);
}

qsizetype FloodFillBorder(QImage& image, QPoint start, const QColor& fill,
                          const QColor& border) {
  if (image.isNull() || !image.rect().contains(start)) return 0;

  // A grey picture filled with a grey stays one byte a pixel; other pictures
  // are filled in 32 bits.
  const bool gray = image.format() == QImage::Format_Grayscale8 && IsGray(fill.rgba());
  if (!gray && !Is32Bit(image.format())) image.convertTo(FillFormat(image));
  const std::vector<TFillSpan> spans = Region(image, start, FlattenOnWhite(border.rgba()));
  qsizetype count = 0;
  for (const TFillSpan& s : spans) count += s.Right - s.Left + 1;
  if (gray) {
    PaintSpans(image, spans, static_cast<uchar>(qRed(fill.rgba())));
    return count;
  }
  QRgb paint = fill.rgba();
  if (image.format() == QImage::Format_RGB32) paint |= 0xff000000u;
  if (image.format() == QImage::Format_ARGB32_Premultiplied) paint = qPremultiply(paint);
  for (const TFillSpan& s : spans) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(s.Y));
    std::fill(line + s.Left, line + s.Right + 1, paint);
  }
  return count;
}

void PaintSpans(QImage& gray, const std::vector<TFillSpan>& spans, uchar value) {
  if (gray.format() != QImage::Format_Grayscale8) return;
  uchar* const bits = gray.bits();
  const qsizetype stride = gray.bytesPerLine();
  for (const TFillSpan& s : spans)
    std::memset(bits + s.Y * stride + s.Left, value, static_cast<std::size_t>(s.Right - s.Left + 1));
}

}  // namespace sumcraft
