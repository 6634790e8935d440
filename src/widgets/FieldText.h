#pragma once
// Text rules of the input field that need no widget: the one-line rule,
// trimming and reformatting on exit.
#include <QString>
#include <optional>

namespace sumcraft {

// The text before its first line break (CR, LF, or a Unicode line or
// paragraph separator); the whole text when it has none.
QString FirstLine(const QString& text);

// The text without leading and trailing blanks and control characters
// (every character up to U+0020).
QString TrimBlanks(const QString& text);

// A decimal floating-point number such as "12", "-0.5", "+3.25" or "1e3",
// with blanks and control characters around it allowed; "." is the decimal
// point whatever the locale. Nothing for any other text, and for numbers
// out of range, infinities and NaN.
std::optional<double> ParseDecimal(const QString& text);

// Whether `format` is a printf-style format taking exactly one double: any
// literal text and "%%", and one conversion "%[flags][width][.precision]X"
// with flags from "-+ #0", width and precision of at most two digits each,
// and X one of f F e E g G. Formats with "*", length modifiers or any other
// conversion are refused, so that formatting can never read a missing
// argument.
bool IsFloatFormat(const QString& format);

// `value` formatted by a format that passed IsFloatFormat, always with "."
// as the decimal point.
QString FormatFloat(const QString& format, double value);

}  // namespace sumcraft
