#pragma once
// The page view's zoom: the entries of the zoom list, the picks of the zoom
// buttons, and the conversions between a zoom percentage and the size of
// the page picture. Every conversion to whole pixels or whole percent takes
// the nearest integer, halves going to the even neighbour.
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace sumcraft {

// "50 %", "66 %", "75 %", "100 %", "150 %", "200 %", "Fit width", "Fit page".
const QStringList& ZoomEntries();
inline const QString kFitWidthEntry = QStringLiteral("Fit width");
inline const QString kFitPageEntry = QStringLiteral("Fit page");

// The percentages of the entries that contain " %" (the number before it).
std::vector<int> ListedPercentages(const QStringList& entries);

// Zoom in: the smallest listed percentage above current, else current.
int ZoomInPercent(int current, const QStringList& entries);
// Zoom out: the largest listed percentage below current, else current.
int ZoomOutPercent(int current, const QStringList& entries);

// What choosing a percentage entry asks for: the number before its first
// blank; current when the text holds no blank or no number stands there.
int EntryPercent(const QString& entry, int current);

// A zoom typed into the list's field and confirmed with Enter: a whole
// number, optionally followed by "%" (blanks allowed), held within
// kMinTypedZoom..kMaxTypedZoom; nothing for any other text.
inline constexpr int kMinTypedZoom = 10;
inline constexpr int kMaxTypedZoom = 400;
std::optional<int> TypedZoomPercent(const QString& text);

// The paper of the printer the pages are measured on.
struct TPaperMeasure {
  int Width = 0;   // physical page, printer pixels
  int Height = 0;
  int ResolutionX = 0;  // printer pixels per inch
  int ResolutionY = 0;
};

// The picture size that shows the paper at `percent` on a screen of the
// given pixels per inch.
QSize PictureSizeForZoom(int percent, const TPaperMeasure& paper, double screenDpiX, double screenDpiY);

// The zoom a picture of this width shows: picture width / screen dpi over
// paper width in inches, in percent.
int ZoomPercentOf(int pictureWidth, const TPaperMeasure& paper, double screenDpiX);

// Fit width: the box width less 36, the height keeping the old picture's
// proportions. Fit page: the box height less 36, likewise.
QSize FitWidthSize(QSize old, int boxWidth);
QSize FitPageSize(QSize old, int boxHeight);

// The picture's left edge in a box of boxWidth: 18 when the box is less than
// 36 pixels wider than the picture, else centred ((box - picture - 18) / 2,
// rounded down).
int PictureLeft(int boxWidth, int pictureWidth);

// Pictures are kept between these sizes, so that a tiny window or an absurd
// zoom never asks for an empty or a gigantic image.
inline constexpr int kMinPictureSide = 40;
inline constexpr int kMaxPictureSide = 8000;
QSize BoundedPictureSize(QSize size);

}  // namespace sumcraft
