#include "app/Zoom.h"

#include <algorithm>

#include "render/Rounding.h"

namespace sumcraft {

const QStringList& ZoomEntries() {
  static const QStringList entries{QStringLiteral("50 %"),  QStringLiteral("66 %"),  QStringLiteral("75 %"),
                                   QStringLiteral("100 %"), QStringLiteral("150 %"), QStringLiteral("200 %"),
                                   kFitWidthEntry,          kFitPageEntry};
  return entries;
}

std::vector<int> ListedPercentages(const QStringList& entries) {
  std::vector<int> result;
  for (const QString& entry : entries) {
    const qsizetype at = entry.indexOf(QStringLiteral(" %"));
    if (at < 0) continue;
    bool ok = false;
    const int value = entry.left(at).trimmed().toInt(&ok);
    if (ok) result.push_back(value);
  }
  return result;
}

int ZoomInPercent(int current, const QStringList& entries) {
  std::optional<int> best;
  for (int p : ListedPercentages(entries))
    if (p > current && (!best || p < *best)) best = p;
  return best.value_or(current);
}

int ZoomOutPercent(int current, const QStringList& entries) {
  std::optional<int> best;
  for (int p : ListedPercentages(entries))
    if (p < current && (!best || p > *best)) best = p;
  return best.value_or(current);
}

int EntryPercent(const QString& entry, int current) {
  const qsizetype blank = entry.indexOf(QLatin1Char(' '));
  if (blank < 0) return current;
  bool ok = false;
  const int value = entry.left(blank).toInt(&ok);
  return ok && value > 0 ? value : current;
}

std::optional<int> TypedZoomPercent(const QString& text) {
  QString t = text.trimmed();
  if (t.endsWith(QLatin1Char('%'))) t = t.chopped(1).trimmed();
  if (t.isEmpty()) return std::nullopt;
  for (QChar c : t)
    if (!c.isDigit()) return std::nullopt;
  bool ok = false;
  const int value = t.toInt(&ok);
  if (!ok) return kMaxTypedZoom;  // more digits than an int holds: as large as allowed
  return std::clamp(value, kMinTypedZoom, kMaxTypedZoom);
}

QSize PictureSizeForZoom(int percent, const TPaperMeasure& paper, double screenDpiX, double screenDpiY) {
  if (paper.ResolutionX <= 0 || paper.ResolutionY <= 0) return {};
  const double inchesWide = static_cast<double>(paper.Width) / paper.ResolutionX;
  const double inchesHigh = static_cast<double>(paper.Height) / paper.ResolutionY;
  return {Nearest(inchesWide * percent / 100.0 * screenDpiX), Nearest(inchesHigh * percent / 100.0 * screenDpiY)};
}

int ZoomPercentOf(int pictureWidth, const TPaperMeasure& paper, double screenDpiX) {
  if (paper.ResolutionX <= 0 || paper.Width <= 0 || screenDpiX <= 0) return 100;
  const double paperInches = static_cast<double>(paper.Width) / paper.ResolutionX;
  return Nearest(pictureWidth / screenDpiX / paperInches * 100.0);
}

QSize FitWidthSize(QSize old, int boxWidth) {
  const int width = boxWidth - 36;
  if (old.width() <= 0) return {width, old.height()};
  return {width, Nearest(static_cast<double>(width) * old.height() / old.width())};
}

QSize FitPageSize(QSize old, int boxHeight) {
  const int height = boxHeight - 36;
  if (old.width() <= 0 || old.height() <= 0) return {old.width(), height};
  return {Nearest(height / (static_cast<double>(old.height()) / old.width())), height};
}

int PictureLeft(int boxWidth, int pictureWidth) {
  if (boxWidth - pictureWidth < 36) return 18;
  return (boxWidth - pictureWidth - 18) / 2;  // at least 9, so division rounds down
}

QSize BoundedPictureSize(QSize size) {
  double w = std::max(size.width(), 1);
  double h = std::max(size.height(), 1);
  const double longest = std::max(w, h);
  if (longest > kMaxPictureSide) {
    w = w * kMaxPictureSide / longest;
    h = h * kMaxPictureSide / longest;
  }
  const double shortest = std::min(w, h);
  if (shortest < kMinPictureSide) {
    w = w * kMinPictureSide / shortest;
    h = h * kMinPictureSide / shortest;
  }
  return {std::clamp(Nearest(w), kMinPictureSide, kMaxPictureSide),
          std::clamp(Nearest(h), kMinPictureSide, kMaxPictureSide)};
}

}  // namespace sumcraft
