#pragma once
// A recorded page: the drawing operations a canvas received, in page units
// (device pixels of the page store's printer, origin at the printable area's
// top-left, y downwards). Replay.h draws a list onto any QPainter; tests and
// the CLI read the operations directly or as JSON.
#include <QImage>
#include <QJsonArray>
#include <QPainterPath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/Assets.h"
#include "render/DrawState.h"
#include "render/Fonts.h"

namespace sumcraft {

enum class TOpKind : std::uint8_t {
  Text,      // X1,Y1 top-left of the text; X2,Y2 its measured width and height
  Line,      // X1,Y1 to X2,Y2
  Rect,      // rectangle L,T,R,B = X1,Y1,X2,Y2: outline with the pen, inside with the brush
  FillRect,  // X1,Y1,X2,Y2 filled with the brush, no outline
  Ellipse,   // ellipse inscribed in X1,Y1,X2,Y2, outline with the pen, inside with the brush
  Arc,       // arc of the ellipse in X1..Y2, counter-clockwise from the ray through X3,Y3
             // to the ray through X4,Y4, with the pen
  Image,     // image stretched into X1,Y1,X2,Y2
  Pie,       // the wedge of the ellipse in X1..Y2 between the rays through X3,Y3 and
             // X4,Y4 (counter-clockwise; the same ray twice is the whole ellipse):
             // inside with the brush, outline (arc and both radii) with the pen
};

// A pen as recorded: its width in page units (the canvas's pen units scaled
// by its resolution, so not a whole number in general).
struct TRecordedPen {
  double Width = 1;
  TColor Color = kBlack;
  TPenMode Mode = TPenMode::Copy;
  bool operator==(const TRecordedPen&) const = default;
};

// A font as recorded: what the canvas was told plus what it resolved to.
struct TRecordedFont {
  TFontSpec Spec;          // name, size, bold, colour, escapement as set on the canvas
  int Resolution = 0;      // pixels per inch the size was interpreted at
  const TFontMetrics* Metrics = nullptr;  // bundled font at the resolved pixel size
};

struct TDrawOp {
  TOpKind Kind = TOpKind::Line;
  std::int32_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  std::int32_t X3 = 0, Y3 = 0, X4 = 0, Y4 = 0;  // Arc and Pie
  TRecordedPen Pen;    // Line, Rect, Ellipse, Arc, Pie
  TBrushSpec Brush;    // Text (background unless not solid), Rect, FillRect, Ellipse, Pie
  std::uint32_t Font = 0;  // Text: index into TDisplayList::Fonts()
  std::uint32_t Data = 0;  // Text: index into Texts(); Image: index into Images()
};

// The outline of a Pie operation in page units: the wedge closed through the
// ellipse's centre, or the whole ellipse when the rays agree.
QPainterPath PiePath(const TDrawOp& op);

class TDisplayList {
public:
  const std::vector<TDrawOp>& Ops() const { return ops_; }
  std::size_t Size() const { return ops_.size(); }
  bool Empty() const { return ops_.empty(); }
  void Clear();
  // A finished page gives back what its growth reserved beyond its
  // operations (up to half of it), for the next page to record into.
  void Finish();

  const std::vector<TRecordedFont>& Fonts() const { return fonts_; }
  // The Windows-1252 text of a Text operation (empty for other kinds).
  const std::string& TextOf(const TDrawOp& op) const;
  const TRecordedFont& FontOf(const TDrawOp& op) const { return fonts_.at(op.Font); }
  // The image of an Image operation (a null image for other kinds). A
  // stored picture's pixels are loaded here, on first use.
  const QImage& ImageOf(const TDrawOp& op) const;
  // The stored picture an Image operation draws, if it draws one by name.
  std::optional<AssetName> AssetOf(const TDrawOp& op) const;
  // The pixel size of an Image operation's picture, without loading it.
  QSize ImageSizeOf(const TDrawOp& op) const;

  // First Text operation whose text equals `text`, or nullptr. For tests and
  // hit checks.
  const TDrawOp* FindText(std::string_view text) const;
  // Every Text operation, in drawing order.
  std::vector<const TDrawOp*> TextOps() const;

  // Appending; the canvas does this. AddFont returns the index of an equal
  // font already in the table or of the new entry.
  std::uint32_t AddFont(const TRecordedFont& font);
  void AddText(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, std::string_view text,
               std::uint32_t font, const TBrushSpec& brush);
  void AddShape(TOpKind kind, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const TRecordedPen& pen,
                const TBrushSpec& brush);
  // Arc or Pie (the brush is used by Pie only).
  void AddArc(TOpKind kind, std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, std::int32_t x3,
              std::int32_t y3, std::int32_t x4, std::int32_t y4, const TRecordedPen& pen, const TBrushSpec& brush = {});
  void AddImage(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, const QImage& image);
  void AddImage(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, AssetName picture);

  // The operations as JSON objects, texts in UTF-8:
  //   {"op":"text","x":..,"y":..,"w":..,"h":..,"text":"..","font":"Arial","size":10,"bold":false[,"angle":90.0]}
  //   {"op":"line","x1":..,"y1":..,"x2":..,"y2":..,"pen":w}
  //   {"op":"rect"|"fillRect"|"ellipse","l":..,"t":..,"r":..,"b":..[,"pen":w][,"brush":"clear"|"solid"|..]}
  //   {"op":"arc"|"pie","l":..,"t":..,"r":..,"b":..,"x3":..,"y3":..,"x4":..,"y4":..,"pen":w[,"brush":..]}
  // Pen widths w are page units.
  //   {"op":"image","l":..,"t":..,"r":..,"b":..,"width":..,"height":..}
  QJsonArray ToJson() const;

private:
  std::vector<TDrawOp> ops_;
  std::vector<TRecordedFont> fonts_;
  std::vector<std::string> texts_;
  // A picture drawn: an image, or a stored picture by name (whose pixels a
  // PDF file does not need).
  struct TPicture {
    QImage Image;
    std::optional<AssetName> Stored;
  };
  void AddPicture(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, TPicture picture);
  std::vector<TPicture> images_;
};

}  // namespace sumcraft
