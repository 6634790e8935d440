#include "render/WrapText.h"

#include <algorithm>
#include <vector>

#include "render/Canvas.h"
#include "render/Rounding.h"

namespace sumcraft {

namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string_view TrimLeadingBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

// How many characters of `rest` (no leading blanks) the next line takes.
// Equivalent to dropping the last word until the line fits, but found by a
// binary search over word ends, and never looking further into the text
// than a line could reach, so a text of megabytes wraps in linear time.
std::size_t NextLineLength(const TCanvas& canvas, std::string_view rest, int space) {
  // No glyph of the bundled fonts is narrower than an eighth of the font
  // height, so a line that fits holds fewer characters than this.
  const int em = std::max(1, canvas.TextHeight());
  const std::size_t reach = static_cast<std::size_t>(std::max(0, space)) * 8 / static_cast<std::size_t>(em) + 8;
  if (rest.size() <= reach && canvas.TextWidth(rest) <= space) return rest.size();

  // Word ends within reach: positions k where rest[k-1] is not a blank and
  // rest[k] is a blank (or the end).
  const std::string_view window = rest.substr(0, std::min(rest.size(), reach + 1));
  std::vector<std::size_t> ends;
  for (std::size_t k = 1; k <= window.size() && k <= reach; ++k) {
    const bool atEnd = k == rest.size() || rest[k] == ' ';
    if (atEnd && rest[k - 1] != ' ') ends.push_back(k);
  }
  // The longest fitting word end (widths grow with the prefix).
  std::size_t lo = 0, hi = ends.size();
  while (lo < hi) {
    const std::size_t mid = (lo + hi) / 2;
    if (canvas.TextWidth(rest.substr(0, ends[mid])) <= space) lo = mid + 1;
    else hi = mid;
  }
  if (lo > 0) return ends[lo - 1];

  // Not even the first word fits: break it between characters.
  std::size_t wordEnd = rest.find(' ');
  if (wordEnd == std::string_view::npos) wordEnd = rest.size();
  wordEnd = std::min(wordEnd, reach);
  std::size_t a = 1, b = wordEnd;  // answer in [1, wordEnd]
  while (a < b) {
    const std::size_t mid = (a + b + 1) / 2;
    if (canvas.TextWidth(rest.substr(0, mid)) <= space) a = mid;
    else b = mid - 1;
  }
  return std::max<std::size_t>(1, a);
}

}  // namespace

std::string DropLastWord(std::string_view s) {
  std::string_view t = TrimBlanks(s);
  while (!t.empty() && t.back() != ' ') t.remove_suffix(1);
  return std::string(TrimBlanks(t));
}

std::vector<std::string_view> WrapLines(const TCanvas& canvas, std::string_view text, int width) {
  std::vector<std::string_view> lines;
  std::string_view rest = TrimLeadingBlanks(text);
  while (!rest.empty()) {
    const std::size_t n = NextLineLength(canvas, rest, width);
    lines.push_back(rest.substr(0, n));
    rest = TrimLeadingBlanks(rest.substr(n));
  }
  return lines;
}

std::string FitWithEllipsis(const TCanvas& canvas, std::string_view text, int width) {
  if (canvas.TextWidth(text) <= width) return std::string(text);
  const int room = width - canvas.TextWidth("...");
  // Widths grow with the prefix: the longest prefix that fits, by halving.
  std::size_t lo = 0, hi = std::min(text.size(), static_cast<std::size_t>(std::max(0, width)));
  while (lo < hi) {
    const std::size_t mid = (lo + hi + 1) / 2;
    if (canvas.TextWidth(text.substr(0, mid)) <= room) lo = mid;
    else hi = mid - 1;
  }
  if (room < 0) return {};
  return std::string(TrimBlanks(text.substr(0, lo))) + "...";
}

std::vector<std::string> WrapLinesAtMost(const TCanvas& canvas, std::string_view text, int width,
                                         std::size_t maxLines) {
  maxLines = std::max<std::size_t>(maxLines, 1);
  std::vector<std::string> lines;
  std::string_view rest = TrimLeadingBlanks(text);
  while (!rest.empty()) {
    const std::size_t n = NextLineLength(canvas, rest, width);
    const std::string_view after = TrimLeadingBlanks(rest.substr(n));
    if (lines.size() + 1 == maxLines && !after.empty()) {
      // The last line allowed: what cannot follow it is cut off. Only as
      // much of the rest as a line can reach is looked at.
      const int em = std::max(1, canvas.TextHeight());
      const std::size_t reach = static_cast<std::size_t>(std::max(0, width)) * 8 / static_cast<std::size_t>(em) + 8;
      const std::string cut = FitWithEllipsis(canvas, rest.substr(0, std::min(rest.size(), reach)), width);
      lines.push_back(cut.empty() ? std::string(rest.substr(0, n)) : cut);
      break;
    }
    lines.emplace_back(rest.substr(0, n));
    rest = after;
  }
  return lines;
}

int WrapText(TCanvas& canvas, std::string_view text, int left, int right, int y, std::size_t maxLines) {
  const int lineHeight = canvas.TextHeight("H");
  if (maxLines != kAllLines) {
    for (const std::string& line : WrapLinesAtMost(canvas, text, right - left, maxLines)) {
      canvas.TextOut(left, y, line);
      y += lineHeight;
    }
    return y;
  }
  for (const std::string_view line : WrapLines(canvas, text, right - left)) {
    canvas.TextOut(left, y, line);
    // Millions of lines run off the page; the count must not overflow.
    y = FarOffPage(static_cast<long long>(y) + lineHeight);
  }
  return y;
}

}  // namespace sumcraft
