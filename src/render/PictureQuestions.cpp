#include "render/PictureQuestions.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <string>

#include "generate/AnswerText.h"
#include "render/ArithmeticDrawing.h"
#include "render/Assets.h"
#include "render/Canvas.h"
#include "render/ReportFormats.h"
#include "render/Rounding.h"

namespace sumcraft {

namespace {

TDrawProblemHook g_hook = nullptr;
void* g_hookContext = nullptr;

// The pictures are drawn for 300 pixels per inch and scaled by the page's
// resolution, so they stand at the same size on paper at every resolution.
struct PictureScale {
  double sx, sy;
};
PictureScale ScaleFor(const TDrawArgs& a) { return {a.Rx / 300.0, a.Ry / 300.0}; }

constexpr double kPi = std::numbers::pi;
double Radians(double degrees) { return degrees * kPi / 180.0; }

// A circle is cut into at most 12 parts (the dialog offers 2 to 12; 0 parts
// is a whole circle). Larger counts come only from damaged files and get a
// note instead.
constexpr int kMaxParts = 12;

// The fraction circle, in picture pixels at 300 pixels per inch: the circle's
// centre and radius and the answer line below it; its outline and radii
// pens in pen units.
constexpr int kCircleWidth = 675, kCircleHeight = 635;
constexpr double kCircleX = 337.5, kCircleY = 266.5, kCircleR = 224;
constexpr int kCircleOutlinePen = 10, kCircleRadiusPen = 4;
constexpr double kCircleLineLength = 240, kCircleLineThickness = 5, kCircleLineFromBottom = 16;

// Fraction bars: three pixels of a 96 dpi screen.
constexpr int kFractionBarPen = 19;

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

// The circle cut into its parts, the first `shaded` of them counter-clockwise
// from the right-hand radius filled, drawn as vectors so it prints sharp at
// any size.
void DrawShape(TQuizQuestion& q, TCanvas& c, const TQOptions& o, const TDrawArgs& a, int numH) {
  if (q.SecondTerm > kMaxParts) {
    ReportDrawProblem(c, a.X, a.Y + numH,
                      "Parts outside range (" + std::to_string(q.SecondTerm) + "; a shape has at most 12 parts)");
    return;
  }
  const PictureScale s = ScaleFor(a);
  const int w = Nearest(kCircleWidth * s.sx), h = Nearest(kCircleHeight * s.sy);
  const int left = a.X, top = a.Y + numH;
  const int cx = left + Nearest(kCircleX * s.sx), cy = top + Nearest(kCircleY * s.sy);
  const int rx = Nearest(kCircleR * s.sx), ry = Nearest(kCircleR * s.sy);
  const int n = std::max(q.SecondTerm, 0);
  const int shaded = std::clamp(q.FirstTerm, 0, std::max(n, 1));
  const double step = n == 0 ? 2 * kPi : 2 * kPi / n;
  // Rays are given by far points, so their direction is exact to well
  // under a page unit at the rim.
  constexpr double kRay = 1 << 20;
  auto rayX = [&](double angle) { return cx + Nearest(kRay * std::cos(angle)); };
  auto rayY = [&](double angle) { return cy - Nearest(kRay * std::sin(angle)); };

  const TPenSpec pen = c.Pen();
  const TBrushSpec brush = c.Brush();
  c.SetPen({kCircleRadiusPen, kBlack, TPenMode::Copy});
  if (shaded > 0) {
    c.SetBrush({kGrayText, TBrushStyle::Solid});
    c.Pie(cx - rx, cy - ry, cx + rx, cy + ry, rayX(0), rayY(0), rayX(shaded * step), rayY(shaded * step));
  }
  for (int k = 0; k < n; ++k) c.Line(cx, cy, cx + Nearest(rx * std::cos(k * step)), cy - Nearest(ry * std::sin(k * step)));
  c.SetPen({kCircleOutlinePen, kBlack, TPenMode::Copy});
  c.SetBrush({kWhite, TBrushStyle::Clear});
  c.Ellipse(cx - rx, cy - ry, cx + rx, cy + ry);
  c.SetBrush({kBlack, TBrushStyle::Solid});
  const int lineLeft = cx - Nearest(kCircleLineLength / 2 * s.sx);
  const int lineTop = top + h - Nearest(kCircleLineFromBottom * s.sy);
  c.FillRect(lineLeft, lineTop, lineLeft + Nearest(kCircleLineLength * s.sx),
             lineTop + Nearest(kCircleLineThickness * s.sy));
  c.SetPen(pen);
  c.SetBrush(brush);
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
  c.SetPenWidth(kFractionBarPen);
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
  c.SetPenWidth(kFractionBarPen);
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
  const AssetName coins[4] = {AssetName::QuarterPrint, AssetName::DimePrint, AssetName::NickelPrint,
                              AssetName::PennyPrint};
  int cx = a.X + Nearest(5 * s.sx), cy = a.Y + numH, rowHeight = 0;
  for (int kind = 0; kind < 4; ++kind) {
    const QSize picture = AssetSize(coins[kind]);
    const int cw = Nearest(picture.width() * s.sx), ch = Nearest(picture.height() * s.sy);
    // A packed count has one digit per coin; damaged values are capped.
    const std::int64_t count = std::clamp<std::int64_t>(counts[kind], 0, 9);
    for (std::int64_t i = 0; i < count; ++i) {
      if (right - cx < Nearest(1.1 * cw)) {
        cy += rowHeight;
        cx = a.X + Nearest(5 * s.sx);
        rowHeight = 0;
      }
      c.StretchDraw(cx, cy, cx + cw, cy + ch, coins[kind]);
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
  const AssetName name = AssetName::ClockFacePrint;
  const QSize face = AssetSize(name);
  // Picture pixels at 300 pixels per inch; the pen in pen units.
  constexpr double kMinuteHand = 160, kHourHand = 80, kArrow = 35;
  constexpr int kHandPen = 12;
  const int w = Nearest(face.width() * s.sx), h = Nearest(face.height() * s.sy);
  const int left = a.X, top = a.Y + numH;
  c.StretchDraw(left, top, left + w, top + h, name);
  // The hands are vectors over the one shared face, from the middle of its
  // centre pixel.
  const QPoint centre = AssetCentre(name);
  const double kx = static_cast<double>(w) / face.width(), ky = static_cast<double>(h) / face.height();
  const double cx = left + (centre.x() + 0.5) * kx, cy = top + (centre.y() + 0.5) * ky;
  const TPenSpec pen = c.Pen();
  c.SetPen({kHandPen, kBlack, TPenMode::Copy});
  auto hand = [&](double degrees, double length) {
    const double m = Radians(degrees);
    const double tipX = cx + length * std::cos(m) * kx, tipY = cy - length * std::sin(m) * ky;
    const int tx = Nearest(tipX), ty = Nearest(tipY);
    c.Line(Nearest(cx), Nearest(cy), tx, ty);
    // Two strokes 30 degrees either side of the hand's backward direction.
    c.Line(tx, ty, Nearest(tipX - kArrow * std::cos(m - Radians(30)) * kx),
           Nearest(tipY + kArrow * std::sin(m - Radians(30)) * ky));
    c.Line(tx, ty, Nearest(tipX + kArrow * std::cos(Radians(150) - m) * kx),
           Nearest(tipY + kArrow * std::sin(Radians(150) - m) * ky));
  };
  hand(-(static_cast<double>(q.SecondTerm) - 15) * 6, kMinuteHand);
  // The hour hand moves on with the minutes, as on a real clock.
  hand(-(q.FirstTerm + q.SecondTerm / 60.0 - 3) * 30, kHourHand);
  c.SetPen(pen);
  q.DrawnWidth = Nearest(1.1 * w);
  if (a.ShowAnswers) {
    const std::string answer = AnswerText(q, o);
    c.TextOut(a.X + Div(w, 2) - Div(c.TextWidth(answer), 2), a.Y + Div(numH, 2) + h - c.TextHeight(answer), answer);
  }
}

}  // namespace sumcraft
