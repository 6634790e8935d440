#include "widgets/FieldText.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace sumcraft {

namespace {

bool IsLineBreak(QChar c) {
  const char16_t u = c.unicode();
  return u == u'\r' || u == u'\n' || u == 0x2028 || u == 0x2029;
}

bool IsBlank(QChar c) { return c.unicode() <= 0x20; }

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

QString FirstLine(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (IsLineBreak(text[i])) return text.left(i);
  }
  return text;
}

QString TrimBlanks(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.mid(begin, end - begin);
}

std::optional<double> ParseDecimal(const QString& text) {
  const QString trimmed = TrimBlanks(text);
  // Only plain ASCII digits, signs, point and exponent: from_chars would
  // also take "inf", "nan" and hexadecimal digits.
  for (const QChar c : trimmed) {
    if (!IsAsciiDigit(c) && c != u'+' && c != u'-' && c != u'.' && c != u'e' && c != u'E') return std::nullopt;
  }
  std::string bytes = trimmed.toStdString();
  std::size_t start = 0;
  if (!bytes.empty() && bytes[0] == '+') {
    start = 1;
    if (bytes.size() > 1 && bytes[1] == '-') return std::nullopt;
  }
  const char* first = bytes.data() + start;
  const char* last = bytes.data() + bytes.size();
  if (first == last) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
  return value;
}

bool IsFloatFormat(const QString& format) {
  int conversions = 0;
  qsizetype i = 0;
  const qsizetype n = format.size();
  auto digits = [&](int maxDigits) {
    int count = 0;
    while (i < n && IsAsciiDigit(format[i])) {
      ++i;
      if (++count > maxDigits) return false;
    }
    return true;
  };
  while (i < n) {
    if (format[i] != u'%') {
      ++i;
      continue;
    }
    ++i;
    if (i < n && format[i] == u'%') {
      ++i;
      continue;
    }
    while (i < n && QStringView(u"-+ #0").contains(format[i])) ++i;
    if (!digits(2)) return false;
    if (i < n && format[i] == u'.') {
      ++i;
      if (!digits(2)) return false;
    }
    if (i >= n || !QStringView(u"fFeEgG").contains(format[i])) return false;
    ++i;
    ++conversions;
  }
  return conversions == 1;
}

QString FormatFloat(const QString& format, double value) {
  // QString::asprintf formats numbers in the C locale, so the point stays a
  // point under any regional settings.
  return QString::asprintf(format.toUtf8().constData(), value);
}

}  // namespace sumcraft
