#include "render/AssetPictures.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

// Line drawings of the four US coins. Shapes are laid out in coin units (the
// coin's radius is 1, y points down) and scaled to the picture; pen widths
// and letter sizes are in pixels so that both forms stay crisp. The print
// form carries the coin's lettering; the display form, at a third of the
// size, keeps only what can still be read there: the coin's value.

namespace sumcraft::pictures {

namespace {

constexpr double kPi = std::numbers::pi;

double Radians(double degrees) { return degrees * kPi / 180.0; }

struct CoinPens {
  double rim;     // the coin's edge
  double inner;   // the raised border inside the edge
  double detail;  // outlines of the design
  double fine;    // hatching and small parts
};

constexpr CoinPens kPrintPens{3.5, 1.5, 2.0, 1.3};
constexpr CoinPens kDisplayPens{1.6, 0.8, 1.1, 0.9};

// The outer edge of the rim lettering, in coin units.
constexpr double kLetterRingPrint = 0.86;
constexpr double kLetterRingDisplay = 0.88;

class CoinArt {
public:
  CoinArt(QPainter& painter, double radius, Form form)
      : p_(painter), r_(radius), print_(form == Form::Print),
        pens_(print_ ? kPrintPens : kDisplayPens) {}

  bool Print() const { return print_; }
  const CoinPens& Pens() const { return pens_; }
  double Radius() const { return r_; }
  QPointF At(double x, double y) const { return {x * r_, y * r_}; }

  void Stroke(const QPainterPath& unitPath, double width) {
    p_.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p_.setBrush(Qt::NoBrush);
    p_.drawPath(QTransform::fromScale(r_, r_).map(unitPath));
  }

  void Fill(const QPainterPath& unitPath) {
    p_.setPen(Qt::NoPen);
    p_.setBrush(Qt::black);
    p_.drawPath(QTransform::fromScale(r_, r_).map(unitPath));
  }

  // White out an area so that what is drawn next stands in front.
  void Clear(const QPainterPath& unitPath) {
    p_.setPen(Qt::NoPen);
    p_.setBrush(Qt::white);
    p_.drawPath(QTransform::fromScale(r_, r_).map(unitPath));
  }

  void Line(double x1, double y1, double x2, double y2, double width) {
    QPainterPath path({x1, y1});
    path.lineTo(x2, y2);
    Stroke(path, width);
  }

  void Circle(double x, double y, double radius, double width) {
    QPainterPath path;
    path.addEllipse(QPointF(x, y), radius, radius);
    Stroke(path, width);
  }

  // A pointed leaf from `base` along `angle` (radians, y down): two arcs
  // meeting at both ends, with a midrib when there is room for one.
  void Leaf(QPointF base, double angle, double length, double width, bool midrib) {
    const QPointF along(std::cos(angle), std::sin(angle));
    const QPointF across(-along.y(), along.x());
    const QPointF tip = base + along * length;
    QPainterPath path(base);
    path.quadTo(base + along * (length * 0.5) + across * width, tip);
    path.quadTo(base + along * (length * 0.5) - across * width, base);
    Clear(path);
    Stroke(path, pens_.fine);
    if (midrib) {
      QPainterPath rib(base);
      rib.lineTo(base + along * (length * 0.8));
      Stroke(rib, pens_.fine * 0.7);
    }
  }

  // The coin's edge and, inside it, the raised border.
  void Edge() {
    const double edge = r_ - pens_.rim / 2 - 0.25;
    p_.setPen(QPen(Qt::black, pens_.rim));
    p_.setBrush(Qt::NoBrush);
    p_.drawEllipse(QPointF(0, 0), edge, edge);
    if (!print_) return;  // too close to the edge to tell apart on screen
    p_.setPen(QPen(Qt::black, pens_.inner));
    p_.drawEllipse(QPointF(0, 0), 0.915 * r_, 0.915 * r_);
  }

  // Letters round the rim, their outer edge on the letter ring. Along the
  // top they read clockwise with their feet towards the centre; along the
  // bottom counter-clockwise with their feet towards the edge, as coins are
  // lettered; both read left to right.
  // The cap height shrinks when the text would not fit into `maxArcDegrees`.
  void RimText(const QString& text, double capHeight, bool top, double maxArcDegrees,
               bool bold) {
    const double outer = print_ ? kLetterRingPrint : kLetterRingDisplay;
    QFont font = PictureFont(1.0, bold);
    double em = capHeight * r_ / CapRatio(font);
    font.setPointSizeF(em);
    const double tracking = 0.12;  // of the cap height, between letters
    auto arcOf = [&](const QFont& f) {
      const QFontMetricsF m(f, p_.device());
      double length = 0;
      for (QChar ch : text) length += m.horizontalAdvance(ch);
      length += tracking * m.capHeight() * (text.size() - 1);
      return length / (outer * r_ - m.capHeight() / 2);
    };
    const double arc = arcOf(font);
    if (arc > Radians(maxArcDegrees)) {
      em *= Radians(maxArcDegrees) / arc;
      font.setPointSizeF(em);
    }
    const QFontMetricsF m(font, p_.device());
    const double cap = m.capHeight();
    const double middle = outer * r_ - cap / 2;
    const double span = arcOf(font);
    p_.setFont(font);
    p_.setPen(Qt::black);
    double along = 0;
    for (QChar ch : text) {
      const double advance = m.horizontalAdvance(ch);
      const double offset = (along + advance / 2) / middle;
      const double angle = top ? -kPi / 2 - span / 2 + offset : kPi / 2 + span / 2 - offset;
      p_.save();
      p_.rotate(angle * 180.0 / kPi + (top ? 90.0 : -90.0));
      const double baseline = top ? -(outer * r_ - cap) : outer * r_;
      p_.drawText(QPointF(-advance / 2, baseline), QString(ch));
      p_.restore();
      along += advance + tracking * cap;
    }
  }

  // A line of text centred on (x, yMiddle), coin units, `capHeight` high;
  // squeezed sideways when wider than `maxWidth`.
  void Text(const QString& text, double x, double yMiddle, double capHeight, bool bold,
            double maxWidth = 2.0) {
    QFont font = PictureFont(1.0, bold);
    font.setPointSizeF(capHeight * r_ / CapRatio(font));
    const QFontMetricsF m(font, p_.device());
    const double width = m.horizontalAdvance(text);
    const double squeeze = std::min(1.0, maxWidth * r_ / width);
    p_.save();
    p_.translate(x * r_, yMiddle * r_ + m.capHeight() / 2);
    p_.scale(squeeze, 1.0);
    p_.setFont(font);
    p_.setPen(Qt::black);
    p_.drawText(QPointF(-width / 2, 0), text);
    p_.restore();
  }

private:
  double CapRatio(QFont font) const {
    font.setPointSizeF(100.0);
    return QFontMetricsF(font, p_.device()).capHeight() / 100.0;
  }

  QPainter& p_;
  double r_;
  bool print_;
  CoinPens pens_;
};

// --- Quarter: the eagle with raised wings on a bundle of arrows, olive
// branches below; "UNITED STATES OF AMERICA" above, "QUARTER DOLLAR" below.

// A feather from `base` along `angle` (radians, y down), rounded at the tip.
QPainterPath Feather(QPointF base, double angle, double length, double width) {
  const QPointF along(std::cos(angle), std::sin(angle));
  const QPointF across(-along.y(), along.x());
  const QPointF shaftEnd = base + along * (length - width / 2);
  QPainterPath path(base - across * (width * 0.35));
  path.lineTo(shaftEnd - across * (width / 2));
  path.cubicTo(shaftEnd - across * (width / 2) + along * (width * 0.7),
               shaftEnd + across * (width / 2) + along * (width * 0.7),
               shaftEnd + across * (width / 2));
  path.lineTo(base + across * (width * 0.35));
  path.closeSubpath();
  return path;
}

void DrawWing(CoinArt& art, double side) {
  // side -1 for the wing on the left of the picture, +1 for the right one.
  const bool print = art.Print();
  auto pt = [side](double x, double y) { return QPointF(side * x, y); };
  auto mirrored = [side](double angle) { return side > 0 ? angle : kPi - angle; };

  // The arm runs from the shoulder up and out to the wrist; the long
  // feathers hang from it, fanning from downwards-out at the shoulder to
  // upwards-out at the wrist, as on a heraldic eagle.
  const QPointF shoulder = pt(0.08, -0.05), bend = pt(0.22, -0.10), wrist = pt(0.27, -0.33);
  auto arm = [&](double t) {
    const double u = 1 - t;
    return shoulder * (u * u) + bend * (2 * u * t) + wrist * (t * t);
  };
  const int feathers = print ? 7 : 4;
  const double width = print ? 0.08 : 0.12;
  // On screen the single feathers would blur together, so there the wing
  // is drawn as one silhouette with a scalloped edge.
  QPainterPath silhouette;
  for (int j = feathers - 1; j >= 0; --j) {
    const double t = static_cast<double>(j) / (feathers - 1);
    const double angle = mirrored(Radians(45 - 100 * t));
    const double length = 0.17 + 0.09 * t;
    const QPainterPath feather = Feather(arm(t), angle, length, width);
    if (print) {
      art.Clear(feather);
      art.Stroke(feather, art.Pens().fine);
    } else {
      silhouette = silhouette.united(feather);
    }
  }

  // The small feathers covering the arm, with a scalloped lower edge.
  QPainterPath coverts(pt(0.04, -0.10));
  coverts.quadTo(pt(0.20, -0.20), pt(0.25, -0.39));
  coverts.quadTo(pt(0.31, -0.37), pt(0.33, -0.30));
  const int scallops = print ? 4 : 2;
  QPointF previous = pt(0.33, -0.30);
  for (int i = 1; i <= scallops; ++i) {
    const double t = static_cast<double>(i) / scallops;
    const QPointF next = pt(0.33 - 0.23 * t, -0.30 + 0.30 * t);
    coverts.quadTo((previous + next) / 2 + pt(0.035, 0.035), next);
    previous = next;
  }
  coverts.closeSubpath();
  if (!print) {
    silhouette = silhouette.united(coverts);
    art.Clear(silhouette);
    art.Stroke(silhouette, art.Pens().detail);
    return;
  }
  art.Clear(coverts);
  art.Stroke(coverts, art.Pens().detail);
}

void DrawOliveBranch(CoinArt& art, QPointF from, QPointF control, QPointF to, int leaves,
                     double leafLength, bool berries) {
  QPainterPath stem(from);
  stem.quadTo(control, to);
  art.Stroke(stem, art.Pens().fine);
  for (int i = 0; i < leaves; ++i) {
    const double t = 0.15 + 0.85 * (i + 1) / leaves;
    const QPointF at = stem.pointAtPercent(std::min(t, 1.0));
    const double heading = Radians(-stem.angleAtPercent(std::min(t, 1.0)));
    const double side = i % 2 == 0 ? 1.0 : -1.0;
    const bool last = i + 1 == leaves;
    art.Leaf(at, heading + (last ? 0.0 : side * Radians(38)), leafLength, leafLength * 0.3,
             art.Print());
    if (berries && i % 3 == 1) {
      const double a = heading - side * Radians(60);
      art.Circle(at.x() + 0.045 * std::cos(a), at.y() + 0.045 * std::sin(a), 0.017,
                 art.Pens().fine);
    }
  }
}

void DrawQuarter(CoinArt& art) {
  const bool print = art.Print();
  const double fine = art.Pens().fine;
  const double detail = art.Pens().detail;

  // The olive wreath under the arrows.
  DrawOliveBranch(art, {0.05, 0.53}, {-0.36, 0.54}, {-0.48, 0.26}, print ? 7 : 3,
                  print ? 0.1 : 0.14, print);
  DrawOliveBranch(art, {-0.05, 0.53}, {0.36, 0.54}, {0.48, 0.26}, print ? 7 : 3,
                  print ? 0.1 : 0.14, print);

  // The bundle of arrows the eagle stands on, heads to the right.
  const int arrows = print ? 3 : 2;
  for (int i = 0; i < arrows; ++i) {
    const double y = 0.31 + (print ? 0.032 : 0.045) * i;
    QPainterPath shaft;
    shaft.addRect(QRectF(QPointF(-0.32, y - 0.012), QPointF(0.32, y + 0.012)));
    art.Clear(shaft);
    art.Line(-0.32, y, 0.28, y, fine);
    QPainterPath head({0.26, y - 0.022});
    head.lineTo(0.32, y);
    head.lineTo(0.26, y + 0.022);
    head.closeSubpath();
    art.Fill(head);
    if (print) {
      art.Line(-0.32, y, -0.35, y - 0.02, fine);
      art.Line(-0.28, y, -0.31, y - 0.02, fine);
    }
  }

  DrawWing(art, -1);
  DrawWing(art, 1);

  // Tail fan below the body.
  QPainterPath tail({-0.05, 0.15});
  tail.lineTo(-0.11, 0.28);
  tail.quadTo(0, 0.32, 0.11, 0.28);
  tail.lineTo(0.05, 0.15);
  tail.closeSubpath();
  art.Clear(tail);
  art.Stroke(tail, detail);
  if (print) {
    for (double x : {-0.035, 0.0, 0.035}) art.Line(x, 0.18, x * 2.1, 0.285, fine);
  }

  // Legs and talons gripping the arrows.
  for (double side : {-1.0, 1.0}) {
    QPainterPath leg({side * 0.06, 0.14});
    leg.lineTo(side * 0.13, 0.28);
    art.Stroke(leg, detail * 1.3);
    QPainterPath talon({side * 0.09, 0.33});
    talon.quadTo(side * 0.10, 0.28, side * 0.13, 0.28);
    talon.quadTo(side * 0.17, 0.28, side * 0.17, 0.33);
    art.Stroke(talon, detail);
  }

  // Body and breast.
  QPainterPath body;
  body.addEllipse(QPointF(0, 0.02), 0.10, 0.18);
  art.Clear(body);
  art.Stroke(body, detail);
  // Breast feathers in staggered rows of small scallops.
  if (print) {
    for (int row = 0; row < 4; ++row) {
      const double y = -0.07 + 0.055 * row;
      const int count = row % 2 == 0 ? 2 : 3;
      for (int i = 0; i < count; ++i) {
        const double x = (i - (count - 1) / 2.0) * 0.05;
        QPainterPath plume({x - 0.022, y});
        plume.quadTo(x, y + 0.035, x + 0.022, y);
        art.Stroke(plume, fine);
      }
    }
  }

  // The white head turned to the left with a strong hooked beak.
  QPainterPath head({0.06, -0.12});
  head.cubicTo(0.08, -0.20, 0.05, -0.28, -0.02, -0.28);
  head.cubicTo(-0.07, -0.28, -0.09, -0.25, -0.10, -0.23);
  head.lineTo(-0.06, -0.17);
  head.cubicTo(-0.05, -0.15, -0.06, -0.13, -0.07, -0.11);
  head.closeSubpath();
  art.Clear(head);
  art.Stroke(head, detail);
  QPainterPath beak({-0.09, -0.245});
  beak.cubicTo(-0.13, -0.26, -0.18, -0.25, -0.185, -0.20);
  beak.quadTo(-0.16, -0.215, -0.14, -0.205);
  beak.lineTo(-0.07, -0.185);
  beak.closeSubpath();
  art.Clear(beak);
  art.Stroke(beak, detail);
  QPainterPath eye;
  eye.addEllipse(QPointF(-0.04, -0.225), print ? 0.016 : 0.025, print ? 0.016 : 0.025);
  art.Fill(eye);

  if (print) {
    art.RimText(QStringLiteral("UNITED STATES OF AMERICA"), 0.115, true, 200, false);
    art.RimText(QStringLiteral("QUARTER DOLLAR"), 0.125, false, 150, false);
  } else {
    art.RimText(QStringLiteral("QUARTER DOLLAR"), 0.19, false, 200, true);
  }
}

// --- Dime: the torch between an olive and an oak branch; "ONE DIME" below.

void DrawOakLeaf(CoinArt& art, QPointF base, double angle, double length) {
  const QPointF along(std::cos(angle), std::sin(angle));
  const QPointF across(-along.y(), along.x());
  // Three rounded lobes a side.
  QPainterPath leaf(base);
  const int lobes = 3;
  for (int i = 0; i < lobes; ++i) {
    const double t0 = static_cast<double>(i) / lobes;
    const double t1 = static_cast<double>(i + 1) / lobes;
    const double w = length * (0.22 + 0.06 * i);
    leaf.quadTo(base + along * (length * (t0 + t1) / 2) + across * w * 1.4,
                base + along * (length * t1) + across * (i + 1 == lobes ? 0.0 : w * 0.45));
  }
  for (int i = lobes - 1; i >= 0; --i) {
    const double t0 = static_cast<double>(i) / lobes;
    const double t1 = static_cast<double>(i + 1) / lobes;
    const double w = length * (0.22 + 0.06 * i);
    leaf.quadTo(base + along * (length * (t0 + t1) / 2) - across * w * 1.4,
                base + along * (length * t0) - across * (i == 0 ? 0.0 : w * 0.45));
  }
  art.Clear(leaf);
  art.Stroke(leaf, art.Pens().fine);
  if (art.Print()) {
    QPainterPath rib(base);
    rib.lineTo(base + along * (length * 0.85));
    art.Stroke(rib, art.Pens().fine * 0.7);
  }
}

void DrawDime(CoinArt& art) {
  const bool print = art.Print();

  // Olive branch on the left, oak on the right, both rising from the
  // torch's foot.
  DrawOliveBranch(art, {-0.05, 0.48}, {-0.46, 0.30}, {-0.42, -0.36}, print ? 9 : 5,
                  print ? 0.13 : 0.17, print);
  {
    QPainterPath stem({0.05, 0.48});
    stem.quadTo(0.46, 0.30, 0.42, -0.36);
    art.Stroke(stem, art.Pens().fine);
    const int leaves = print ? 5 : 3;
    for (int i = 0; i < leaves; ++i) {
      const double t = 0.2 + 0.8 * i / leaves;
      const QPointF at = stem.pointAtPercent(t);
      const double heading = Radians(-stem.angleAtPercent(t));
      const double side = i % 2 == 0 ? -1.0 : 1.0;
      DrawOakLeaf(art, at, heading + side * Radians(35), print ? 0.19 : 0.22);
    }
    // An acorn near the top.
    const QPointF at = stem.pointAtPercent(0.98);
    QPainterPath acorn;
    acorn.addEllipse(at + QPointF(-0.02, -0.06), 0.035, 0.05);
    art.Clear(acorn);
    art.Stroke(acorn, art.Pens().fine);
    art.Line(at.x() - 0.06, at.y() - 0.045, at.x() + 0.02, at.y() - 0.045, art.Pens().fine);
  }

  // The handle, tapering downwards, with spiral bands.
  QPainterPath handle({-0.065, -0.12});
  handle.lineTo(-0.04, 0.52);
  handle.quadTo(0, 0.56, 0.04, 0.52);
  handle.lineTo(0.065, -0.12);
  handle.closeSubpath();
  art.Clear(handle);
  art.Stroke(handle, art.Pens().detail);
  const int bands = print ? 7 : 4;
  for (int i = 0; i < bands; ++i) {
    const double y = -0.08 + 0.58 * (i + 0.5) / bands;
    const double half = 0.065 - 0.025 * (y + 0.12) / 0.64;
    art.Line(-half, y + 0.03, half, y - 0.03, art.Pens().fine);
  }

  // The cup.
  QPainterPath cup({-0.14, -0.22});
  cup.lineTo(0.14, -0.22);
  cup.lineTo(0.08, -0.12);
  cup.lineTo(-0.08, -0.12);
  cup.closeSubpath();
  art.Clear(cup);
  art.Stroke(cup, art.Pens().detail);
  if (print) art.Line(-0.115, -0.18, 0.115, -0.18, art.Pens().fine);

  // The flame, licking upwards.
  QPainterPath flame({-0.12, -0.22});
  flame.cubicTo(-0.20, -0.34, -0.10, -0.40, -0.10, -0.48);
  flame.cubicTo(-0.05, -0.42, -0.03, -0.50, 0.01, -0.62);
  flame.cubicTo(0.03, -0.52, 0.09, -0.48, 0.08, -0.40);
  flame.cubicTo(0.14, -0.44, 0.14, -0.50, 0.13, -0.52);
  flame.cubicTo(0.22, -0.40, 0.16, -0.30, 0.12, -0.22);
  flame.closeSubpath();
  art.Clear(flame);
  art.Stroke(flame, art.Pens().detail);
  QPainterPath inner({-0.04, -0.23});
  inner.cubicTo(-0.08, -0.32, -0.02, -0.38, 0.00, -0.46);
  inner.cubicTo(0.02, -0.38, 0.07, -0.32, 0.04, -0.23);
  art.Stroke(inner, art.Pens().fine);

  if (print) {
    art.RimText(QStringLiteral("UNITED STATES OF AMERICA"), 0.115, true, 200, false);
    art.RimText(QStringLiteral("ONE DIME"), 0.135, false, 110, false);
  } else {
    art.RimText(QStringLiteral("ONE DIME"), 0.2, false, 150, true);
  }
}

// --- Nickel: Monticello; "FIVE CENTS" below.

void DrawNickel(CoinArt& art) {
  const bool print = art.Print();
  const double fine = art.Pens().fine;
  const double detail = art.Pens().detail;
  const double bottom = print ? 0.27 : 0.30;

  // The dome behind the portico, with its cupola.
  QPainterPath dome;
  dome.moveTo(-0.22, -0.10);
  dome.cubicTo(-0.22, -0.30, 0.22, -0.30, 0.22, -0.10);
  art.Stroke(dome, detail);
  QPainterPath cupola({-0.035, -0.245});
  cupola.lineTo(-0.035, -0.29);
  cupola.quadTo(0, -0.33, 0.035, -0.29);
  cupola.lineTo(0.035, -0.245);
  art.Stroke(cupola, fine);

  // The wings to either side, with a window each side of the middle.
  for (double side : {-1.0, 1.0}) {
    QPainterPath wing({side * 0.30, -0.04});
    wing.lineTo(side * 0.58, -0.04);
    wing.lineTo(side * 0.58, bottom);
    wing.lineTo(side * 0.30, bottom);
    art.Stroke(wing, detail);
    // The low roof and its balustrade.
    art.Line(side * 0.30, -0.07, side * 0.58, -0.07, fine);
    if (print) {
      for (int i = 0; i <= 7; ++i) {
        const double x = side * (0.31 + 0.038 * i);
        art.Line(x, -0.07, x, -0.04, fine * 0.8);
      }
    }
    const int windows = print ? 2 : 1;
    for (int i = 0; i < windows; ++i) {
      const double left = side > 0 ? (print ? 0.36 + 0.12 * i : 0.40) : -(print ? 0.36 + 0.12 * i : 0.40) - 0.07;
      QPainterPath window({left, bottom - 0.05});
      window.lineTo(left, 0.04);
      window.quadTo(left + 0.035, 0.00, left + 0.07, 0.04);
      window.lineTo(left + 0.07, bottom - 0.05);
      window.closeSubpath();
      art.Stroke(window, fine);
    }
  }

  // The portico: pediment, entablature, four columns and the door.
  QPainterPath pediment({-0.32, -0.06});
  pediment.lineTo(0, -0.22);
  pediment.lineTo(0.32, -0.06);
  pediment.closeSubpath();
  art.Clear(pediment);
  art.Stroke(pediment, detail);
  art.Circle(0, -0.115, 0.03, fine);
  QPainterPath entablature;
  entablature.addRect(QRectF(QPointF(-0.32, -0.06), QPointF(0.32, -0.01)));
  art.Clear(entablature);
  art.Stroke(entablature, detail);
  for (double x : {-0.24, -0.08, 0.08, 0.24}) {
    QPainterPath column;
    column.addRect(QRectF(QPointF(x - 0.022, -0.01), QPointF(x + 0.022, bottom)));
    art.Clear(column);
    art.Stroke(column, print ? fine : fine * 0.8);
  }
  art.Line(-0.035, bottom, -0.035, 0.13, fine);
  art.Line(-0.035, 0.13, 0.035, 0.13, fine);
  art.Line(0.035, 0.13, 0.035, bottom, fine);

  // Steps across the whole front.
  art.Line(-0.60, bottom, 0.60, bottom, detail);
  if (print) {
    art.Line(-0.36, bottom + 0.04, 0.36, bottom + 0.04, fine);
    art.Line(-0.40, bottom + 0.08, 0.40, bottom + 0.08, fine);
    art.Text(QStringLiteral("MONTICELLO"), 0, 0.46, 0.075, false, 0.9);
    art.RimText(QStringLiteral("UNITED STATES OF AMERICA"), 0.115, true, 200, false);
    art.RimText(QStringLiteral("FIVE CENTS"), 0.13, false, 130, false);
  } else {
    art.RimText(QStringLiteral("FIVE CENTS"), 0.2, false, 170, true);
  }
}

// --- Penny: "ONE CENT" between two ears of wheat.

void DrawWheatEar(CoinArt& art, double side) {
  const bool print = art.Print();
  // The stalk follows the rim from the bottom up the side; the grains sit
  // on its upper part in pairs pointing towards the ear's tip.
  const double ring = print ? 0.66 : 0.64;
  auto onRing = [&](double degrees, double radius) {
    const double a = Radians(degrees);
    return QPointF(side * -std::cos(a) * radius, -std::sin(a) * radius);
  };
  // Degrees counted from the left edge of the coin (0) upwards; negative is
  // below the middle.
  const double from = -70, to = print ? 38 : 40;
  QPainterPath stalk(onRing(from, ring));
  for (double d = from; d <= to; d += 2) stalk.lineTo(onRing(d, ring));
  art.Stroke(stalk, art.Pens().detail);

  const int grains = print ? 7 : 4;
  const double grainFrom = print ? -12.0 : -5.0;
  const double grainLength = print ? 0.125 : 0.16;
  for (int i = 0; i < grains; ++i) {
    const double d = grainFrom + (to - grainFrom) * (i + 0.5) / grains;
    const QPointF at = onRing(d, ring);
    // Heading towards the ear's tip along the stalk.
    const QPointF ahead = onRing(d + 3, ring);
    const QPointF dir = ahead - at;
    const double heading = std::atan2(dir.y(), dir.x());
    for (double spread : {-1.0, 1.0}) {
      art.Leaf(at, heading + spread * Radians(32), grainLength, grainLength * 0.38, false);
    }
  }
  // The topmost grain closes the ear.
  const QPointF end = onRing(to, ring);
  const QPointF before = onRing(to - 3, ring);
  const QPointF dir = end - before;
  art.Leaf(end, std::atan2(dir.y(), dir.x()), grainLength, grainLength * 0.38, false);
}

void DrawPenny(CoinArt& art) {
  const bool print = art.Print();
  DrawWheatEar(art, 1);
  DrawWheatEar(art, -1);
  if (print) {
    art.Text(QStringLiteral("ONE"), 0, -0.26, 0.19, true, 0.8);
    art.Text(QStringLiteral("CENT"), 0, 0.02, 0.19, true, 0.9);
    art.Text(QStringLiteral("UNITED STATES"), 0, 0.26, 0.075, false, 0.8);
    art.Text(QStringLiteral("OF AMERICA"), 0, 0.38, 0.075, false, 0.7);
    art.RimText(QStringLiteral("E PLURIBUS UNUM"), 0.1, true, 80, false);
  } else {
    art.Text(QStringLiteral("ONE"), 0, -0.20, 0.26, true, 0.78);
    art.Text(QStringLiteral("CENT"), 0, 0.20, 0.26, true, 1.0);
  }
}

}  // namespace

QImage DrawCoin(Coin coin, Form form, int size) {
  QImage picture = BlankPicture(QSize(size, size));
  {
    PicturePainter p(picture);
    p->translate(size / 2.0, size / 2.0);
    CoinArt art(*p, size / 2.0, form);
    art.Edge();
    switch (coin) {
      case Coin::Quarter: DrawQuarter(art); break;
      case Coin::Dime: DrawDime(art); break;
      case Coin::Nickel: DrawNickel(art); break;
      case Coin::Penny: DrawPenny(art); break;
    }
  }
  return picture;
}

}  // namespace sumcraft::pictures
