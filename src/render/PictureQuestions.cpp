#include "render/PictureQuestions.h"

#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "generate/AnswerText.h"
#include "render/ArithmeticDrawing.h"
#include "render/Assets.h"
#include "render/Canvas.h"
#include "render/FloodFill.h"
#include "render/ReportFormats.h"
#include "render/Rounding.h"

namespace sumcraft {

namespace {

TDrawProblemHook g_hook = nullptr;
void* g_hookContext = nullptr;

// Print pictures from 150 pixels per inch up, display pictures below.
struct PictureScale {
  bool print;
  double sx, sy;
};
PictureScale ScaleFor(const TDrawArgs& a) {
  const bool print = a.Rx >= 150;
  const double base = print ? 300.0 : 96.0;
  return {print, a.Rx / base, a.Ry / base};
}

constexpr double kPi = std::numbers::pi;
double Radians(double degrees) { return degrees * kPi / 180.0; }

// A circle is cut into at most 12 parts (the dialog offers 2 to 12; 0 parts
// is a whole circle). Larger counts come only from damaged files and get a
// note instead, which also bounds the number of distinct pictures a quiz
// can ask for.
constexpr int kMaxParts = 12;

// A picture drawn in greys only, one byte a pixel: a quarter of the memory,
// and written to PDF as it stands. (Qt's own conversion weighs the three
// channels for every pixel, which costs more than drawing the circle.)
QImage GrayCopy(const QImage& rgb32) {
  const int w = rgb32.width(), h = rgb32.height();
  QImage gray(w, h, QImage::Format_Grayscale8);
  for (int y = 0; y < h; ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
    uchar* out = gray.scanLine(y);
    for (int x = 0; x < w; ++x) out[x] = static_cast<uchar>(qGreen(in[x]));
  }
  return gray;
}

// The circle cut into n parts, and each part's pixels: a part's region
// depends only on the black lines, so it is found once and painted into
// every shaded copy.
struct TPartedCircle {
  QImage Radii;
  std::vector<std::vector<TFillSpan>> Parts;
};

const TPartedCircle& PartedCircle(bool print, int n) {
  static std::map<std::pair<bool, int>, TPartedCircle> cache;
  TPartedCircle& parted = cache[{print, n}];
  if (!parted.Radii.isNull()) return parted;
  const AssetName name = print ? AssetName::CirclePrint : AssetName::Circle;
  parted.Radii = GrayCopy(Asset(name));
  const QPoint c = AssetCentre(name);
  const double r = AssetRadius(name);
  const double step = n == 0 ? 2 * kPi : 2 * kPi / n;
  {
    QPainter p(&parted.Radii);
    p.setPen(QPen(Qt::black, 2));
    for (int k = 0; k < n; ++k)
      p.drawLine(c, QPoint(c.x() + Nearest(r * std::cos(k * step)), c.y() - Nearest(r * std::sin(k * step))));
  }
  // Each part from its middle, counter-clockwise from the right; no radii
  // leave one part, the whole circle.
  for (int i = 0; i < std::max(n, 1); ++i) {
    const double a = (i + 0.5) * step;
    const QPoint start(c.x() + Nearest(r / 2 * std::cos(a)), c.y() - Nearest(r / 2 * std::sin(a)));
    parted.Parts.push_back(FloodFillRegion(parted.Radii, start));
  }
  return parted;
}

// The shaded circle of a "fraction of a shape" question (at most kMaxParts
// parts; a negative count is none), drawn once per distinct question and
// kept: a quiz repeats few of them, and each image is shared by every page
// that shows it. Kept in grey.
QImage ShadedCircle(bool print, int parts, int shaded) {
  static std::map<std::tuple<bool, int, int>, QImage> cache;
  const int n = std::clamp(parts, 0, kMaxParts);
  const int fills = std::clamp(shaded, 0, std::max(n, 1));
  const auto key = std::make_tuple(print, n, fills);
  const auto found = cache.find(key);
  if (found != cache.end()) return found->second;

  const TPartedCircle& parted = PartedCircle(print, n);
  const auto grey = static_cast<uchar>(qGray(ToQColor(kGrayText).rgb()));
  QImage picture = parted.Radii.copy();
  for (int i = 0; i < fills; ++i) PaintSpans(picture, parted.Parts[static_cast<std::size_t>(i)], grey);
  return cache.emplace(key, std::move(picture)).first->second;
}

// A number centred on cx with its top at y.
void Centred(TCanvas& c, int cx, int y, const std::string& text) { c.TextOut(cx - Div(c.TextWidth(text), 2), y, text); }

// A stacked fraction centred on cx: numerator, bar as wide as the
// denominator (from its left edge), denominator.
void StackedFraction(TCanvas& c, int cx, int y, int h, int h2, std::int64_t num, std::int64_t den) {
  const std::string n = std::to_string(num), d = std::to_string(den);
  Centred(c, cx, y + h2, n);
  Centred(c, cx, y + Nearest(1.2 * h) + h2, d);
  const int wd = c.TextWidth(d);
  const int left = cx - Div(wd, 2);
  const int yb = y + Nearest(1.05 * h) + h2;
  c.Line(left, yb, left + wd, yb);
}

void DrawShape(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH) {
  if (q.SecondTerm > kMaxParts) {
    ReportDrawProblem(c, a.X, a.Y + numH,
                      "Parts outside range (" + std::to_string(q.SecondTerm) + "; a shape has at most 12 parts)");
    return;
  }
  const PictureScale s = ScaleFor(a);
  const QImage picture = ShadedCircle(s.print, q.SecondTerm, q.FirstTerm);
  const int w = Nearest(picture.width() * s.sx), h = Nearest(picture.height() * s.sy);
  c.StretchDraw(a.X, a.Y + numH, a.X + w, a.Y + numH + h, picture);
  if (a.ShowAnswers) {
    const std::string answer = AnswerText(q, o);
    c.TextOut(a.X + Nearest(5 * s.sx) + Div(w, 2) - Div(c.TextWidth(answer), 2),
              a.Y + numH + h - Nearest(1.1 * c.TextHeight(answer)), answer);
  }
}

// Which of the twelve places of the set's grid hold an object, by denominator.
constexpr const char* kSetPlaces[13] = {
    nullptr,        "XXXXXXOXXXXX", "XXOXXXXXOXXX", "OXXXXOXXXXOX", "OXOXXXXXOXOX", "OXOXXOXXOXOX", "OXOXOXOXOXOX",
    "OXOXOOOXOXOX", "OXOXOOOXOOOX", "OOOXOOOXOOOX", "OOOXOOOOOOOX", "OOOXOOOOOOOO", "OOOOOOOOOOOO",
};

void DrawSet(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH) {
  const int den = q.SecondTerm;
  if (den < 1 || den > 12) {
    ReportDrawProblem(c, a.X, a.Y + numH,
                      "ADenominator outside range (" + std::to_string(den) + "; a set has 1 to 12 objects)");
    return;
  }
  const int w = ProblemWidth(q, a.Rx, o, c), h = ProblemHeight(q, a.Ry, o, c);
  // The picture is drawn at page scale, so its objects are drawn straight
  // onto the page: circles inscribed in their boxes, the shaded ones filled
  // with the grey a flood fill from their centres would give.
  const int f = Div(h, 6);
  const int d = Nearest(0.9 * f);
  const int top = a.Y + numH;
  const TPenSpec pen = c.Pen();
  const TBrushSpec brush = c.Brush();
  c.SetPen({2, kBlack, TPenMode::Copy});
  int shaded = 0;
  for (int i = 0; i < 12; ++i) {
    if (kSetPlaces[den][i] != 'O') continue;
    const int left = a.X + f + f * (i % 4), boxTop = top + f + f * (i / 4);
    const bool fill = shaded < q.FirstTerm;
    c.SetBrush(fill ? TBrushSpec{kGrayText, TBrushStyle::Solid} : TBrushSpec{kWhite, TBrushStyle::Clear});
    c.Ellipse(left, boxTop, left + d, boxTop + d);
    shaded += fill ? 1 : 0;
  }
  c.SetPen(pen);
  c.SetBrush({brush.Color, TBrushStyle::Clear});
  const std::string answer = AnswerText(q, o);
  const int th = c.TextHeight(answer);
  c.SetPenWidth(3);
  const int lineLeft = a.X + Div(w, 6);
  c.Line(lineLeft, a.Y + h - th, lineLeft + 3 * Div(w, 6), a.Y + h - th);
  if (a.ShowAnswers) c.TextOut(a.X + Div(w, 2) - Div(c.TextWidth(answer), 2), a.Y + h - 2 * th, answer);
}

// Right edge of the problem number, measured while its style is in force;
// INT_MIN when there is none.
int NumberRight(const TCanvas& c, const TDrawArgs& a) {
  return a.Number == -1 ? INT_MIN : a.X + c.TextWidth(std::to_string(a.Number) + ")");
}

// How far a fraction drawing moves right so that its first numerator,
// centred on cx, keeps clear of the problem number: the numerators stand
// half a line below y, level with the number's lower part. Only long
// numbers ("100)") need it.
int ClearOfNumber(const TCanvas& c, int numberRight, int cx, std::int64_t numerator) {
  if (numberRight == INT_MIN) return 0;
  const int gap = Nearest(0.5 * c.TextWidth("X"));
  return std::max(0, numberRight + gap - (cx - Div(c.TextWidth(std::to_string(numerator)), 2)));
}

void DrawSumOrDifference(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a) {
  const int numberRight = NumberRight(c, a);
  ReportFormats().Apply("DEFAULT", c);
  const int s = c.TextWidth("H"), h = c.TextHeight("H"), h2 = Div(h, 2);
  const int x = a.X + ClearOfNumber(c, numberRight, a.X + 2 * s, Numerator(q.FirstTerm)), y = a.Y;
  c.SetPenWidth(Nearest(3.0 * a.Ry / 96));
  StackedFraction(c, x + 2 * s, y, h, h2, Numerator(q.FirstTerm), Denominator(q.FirstTerm));
  Centred(c, x + 4 * s, y + Nearest(0.6 * h) + h2, q.FractionProblemType == 4 ? "-" : "+");
  StackedFraction(c, x + 6 * s, y, h, h2, Numerator(q.SecondTerm), Denominator(q.SecondTerm));
  Centred(c, x + 8 * s, y + Nearest(0.6 * h) + h2, "=");
  const int ya = y + Nearest(2.25 * h) + h2;
  c.Line(x + Nearest(8.5 * s), ya, x + Nearest(8.5 * s) + 4 * s, ya);
  if (!a.ShowAnswers) return;
  const std::int64_t value = AnswerValue(q, o);
  std::int64_t n = value % 100;
  const std::int64_t dd = value / 100;
  if (dd == 0) return;  // no fraction to show (damaged terms)
  const std::int64_t whole = n / dd;
  n = n % dd;
  // A mixed number keeps a clear gap between "=", the whole number and the
  // fraction; each part moves right of its usual place only to keep it.
  const int gap = Nearest(0.5 * c.TextWidth("X"));
  int nextLeft = x + 8 * s + c.TextWidth("=") - Div(c.TextWidth("="), 2) + gap;
  if (whole != 0) {
    const std::string text = std::to_string(whole);
    const int w = c.TextWidth(text);
    const int left = std::max(x + 9 * s - Div(w, 2), nextLeft);
    c.TextOut(left, y + Nearest(0.6 * h) + h2, text);
    nextLeft = left + w + gap;
  }
  if (n != 0) {
    const int wide = std::max(c.TextWidth(std::to_string(n)), c.TextWidth(std::to_string(dd)));
    StackedFraction(c, std::max(x + 10 * s, nextLeft + wide - Div(wide, 2)), y, h, h2, n, dd);
  }
}

void DrawFractionComparison(TQuizQuestion& q, TCanvas& c, const TDrawArgs& a) {
  const int numberRight = NumberRight(c, a);
  ReportFormats().Apply("DEFAULT", c);
  const int s = c.TextWidth("H"), h = c.TextHeight("H"), h2 = Div(h, 2);
  const std::int32_t n1 = Numerator(q.FirstTerm), d1 = Denominator(q.FirstTerm);
  const std::int32_t n2 = Numerator(q.SecondTerm), d2 = Denominator(q.SecondTerm);
  const int x = a.X + ClearOfNumber(c, numberRight, a.X + 3 * s, n1), y = a.Y;
  c.SetPenWidth(Nearest(3.0 * a.Ry / 96));
  StackedFraction(c, x + 3 * s, y, h, h2, n1, d1);
  StackedFraction(c, x + 9 * s, y, h, h2, n2, d2);
  const int yGt = y + h2 - Nearest(0.2 * h), yEq = y + Nearest(0.6 * h) + h2, yLt = y + Nearest(1.4 * h) + h2;
  Centred(c, x + 6 * s, yGt, ">");
  Centred(c, x + 6 * s, yEq, "=");
  Centred(c, x + 6 * s, yLt, "<");
  if (!a.ShowAnswers) return;
  if (d1 <= 0 || d2 <= 0) {
    ReportDrawProblem(c, x, y + Nearest(2.25 * h) + h2, d1 <= 0 ? "First Denominator not > 0." : "Second Denominator not > 0.");
    return;
  }
  const double v1 = static_cast<double>(n1) / d1, v2 = static_cast<double>(n2) / d2;
  const int chosen = v1 > v2 ? 0 : (v1 < v2 ? 2 : 1);
  const int w = c.TextWidth(chosen == 0 ? ">" : (chosen == 2 ? "<" : "="));
  const int left = x + 6 * s - w;
  const TRowBox box = BoxBetweenNeighbours(c, {yGt, yEq, yLt}, {">", "=", "<"}, chosen, Nearest(1.1 * h));
  DrawAnswerBox(c, left, box.Top, left + Nearest(2.0 * w), box.Bottom);
}

}  // namespace

void SetDrawProblemHook(TDrawProblemHook hook, void* context) {
  g_hook = hook;
  g_hookContext = context;
}

void ReportDrawProblem(TCanvas& canvas, int x, int y, const std::string& reason) {
  canvas.TextOut(x, y, "(" + reason + ")");
  if (g_hook) g_hook(g_hookContext, reason);
}

void DrawMoney(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH) {
  const int pw = ProblemWidth(q, a.Rx, o, c), ph = ProblemHeight(q, a.Ry, o, c);
  int right = a.ColumnWidth > pw ? a.X + a.ColumnWidth : a.X + pw;
  if (right > a.FrameWidth) right = a.FrameWidth;
  q.DrawnWidth = right - a.X;
  const std::int64_t t = q.FirstTerm;
  const std::int64_t counts[4] = {t / 1000, (t % 1000) / 100, (t % 100) / 10, t % 10};
  const PictureScale s = ScaleFor(a);
  const AssetName coins[4] = {s.print ? AssetName::QuarterPrint : AssetName::QuarterDisplay,
                              s.print ? AssetName::DimePrint : AssetName::DimeDisplay,
                              s.print ? AssetName::NickelPrint : AssetName::NickelDisplay,
                              s.print ? AssetName::PennyPrint : AssetName::PennyDisplay};
  int cx = a.X + 5, cy = a.Y + numH, rowHeight = 0;
  for (int kind = 0; kind < 4; ++kind) {
    const QImage& picture = Asset(coins[kind]);
    const int cw = Nearest(picture.width() * s.sx), ch = Nearest(picture.height() * s.sy);
    // A packed count has one digit per coin; damaged values are capped.
    const std::int64_t count = std::clamp<std::int64_t>(counts[kind], 0, 9);
    for (std::int64_t i = 0; i < count; ++i) {
      if (right - cx < Nearest(1.1 * cw)) {
        cy += rowHeight;
        cx = a.X + Nearest(5 * s.sx);
        rowHeight = 0;
      }
      c.StretchDraw(cx, cy, cx + cw, cy + ch, picture);
      cx += Nearest(1.1 * cw);
      if (rowHeight < ch) rowHeight = Nearest(1.1 * ch);
    }
  }
  const int h = c.TextHeight("H");
  const int xa = a.X + Div(pw, 4), ya = a.Y + ph - h;
  c.Line(xa, ya, xa + Div(pw, 2), ya);
  if (a.ShowAnswers) {
    const std::string answer = AnswerText(q, o);
    c.TextOut(a.X + Div(pw, 2) - Div(c.TextWidth(answer), 2), ya - h, answer);
  }
}

void DrawFractionQuestion(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH) {
  switch (q.FractionProblemType) {
    case 0: DrawShape(q, c, o, a, numH); break;
    case 1: DrawSet(q, c, o, a, numH); break;
    case 2:
    case 5: DrawFractionComparison(q, c, a); break;
    case 3:
    case 4: DrawSumOrDifference(q, c, o, a); break;
    default: break;
  }
}

void DrawClock(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH) {
  const PictureScale s = ScaleFor(a);
  const AssetName name = s.print ? AssetName::ClockFacePrint : AssetName::ClockFace;
  const QImage& face = Asset(name);
  const QPoint centre = AssetCentre(name);
  const int minuteLength = s.print ? 160 : 55, hourLength = s.print ? 80 : 26;
  const int arrow = s.print ? 35 : 10, penWidth = s.print ? 6 : 3;
  const int w = Nearest(face.width() * s.sx), h = Nearest(face.height() * s.sy);
  const int left = a.X, top = a.Y + numH;
  c.StretchDraw(left, top, left + w, top + h, face);
  // The hands are computed in picture pixels, exactly as they would be drawn
  // onto a copy of the face, and placed on the page at the picture's scale;
  // one shared face image serves every clock.
  auto toPage = [&](double px, double py) {
    return QPoint(left + Nearest(px * w / face.width()), top + Nearest(py * h / face.height()));
  };
  const TPenSpec pen = c.Pen();
  c.SetPen({std::max(1, Nearest(penWidth * s.sx)), kBlack, TPenMode::Copy});
  auto hand = [&](double degrees, int length) {
    const double m = Radians(degrees);
    const int tipX = centre.x() + Nearest(length * std::cos(m));
    const int tipY = centre.y() - Nearest(length * std::sin(m));
    const QPoint tip = toPage(tipX, tipY);
    const QPoint from = toPage(centre.x(), centre.y());
    c.Line(from.x(), from.y(), tip.x(), tip.y());
    const QPoint head1 = toPage(tipX - Nearest(arrow * std::cos(m - Radians(30))),
                                tipY + Nearest(arrow * std::sin(m - Radians(30))));
    const QPoint head2 = toPage(tipX + Nearest(arrow * std::cos(Radians(150) - m)),
                                tipY + Nearest(arrow * std::sin(Radians(150) - m)));
    c.Line(tip.x(), tip.y(), head1.x(), head1.y());
    c.Line(tip.x(), tip.y(), head2.x(), head2.y());
  };
  hand(-(static_cast<double>(q.SecondTerm) - 15) * 6, minuteLength);
  hand(-(static_cast<double>(q.FirstTerm) - 3) * 30, hourLength);
  c.SetPen(pen);
  q.DrawnWidth = Nearest(1.1 * w);
  if (a.ShowAnswers) {
    const std::string answer = AnswerText(q, o);
    c.TextOut(a.X + Div(w, 2) - Div(c.TextWidth(answer), 2), a.Y + Div(numH, 2) + h - c.TextHeight(answer), answer);
  }
}

}  // namespace sumcraft
