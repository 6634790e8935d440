#pragma once
// The rounding rules every drawing routine uses. Values outside the int range
// (and NaN) are clamped rather than converted, so hand-edited files with
// absurd sizes cannot cause undefined behaviour.
#include <climits>
#include <cmath>

namespace sumcraft {

namespace detail {
inline int ClampToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(v);
}
}  // namespace detail

// Texts of megabytes (or in a style's largest font) reach far beyond any
// page. Widths and positions derived from them are held to this bound: off
// the page at every resolution (over 100 inches at the largest), and small
// enough that a few of them added up still fit an int.
constexpr int kFarOffPage = 1 << 28;

// v held to -kFarOffPage .. kFarOffPage; for sums of positions and widths.
inline int FarOffPage(long long v) {
  if (v > kFarOffPage) return kFarOffPage;
  if (v < -kFarOffPage) return -kFarOffPage;
  return static_cast<int>(v);
}

// Nearest integer; an exact half goes to the even neighbour (2.5 -> 2,
// 3.5 -> 4, -2.5 -> -2). Independent of the floating-point rounding mode.
inline int Nearest(double v) {
  if (std::isnan(v)) return 0;
  const double fl = std::floor(v);
  const double diff = v - fl;
  double r = fl;
  if (diff > 0.5) {
    r = fl + 1.0;
  } else if (diff == 0.5) {
    r = (std::fmod(fl, 2.0) == 0.0) ? fl : fl + 1.0;
  }
  return detail::ClampToInt(r);
}

// Cuts towards zero (2.9 -> 2, -2.9 -> -2).
inline int Trunc(double v) { return detail::ClampToInt(std::trunc(v)); }

// Integer division cutting towards zero, as C++ does; a zero divisor gives 0
// instead of a crash (drawing values can come from hand-edited files).
inline int Div(int a, int b) {
  if (b == 0) return 0;
  if (b == -1 && a == INT_MIN) return INT_MAX;
  return a / b;
}

}  // namespace sumcraft
