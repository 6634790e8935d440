#pragma once
// Word-wrapped text between two x positions, used by the instruction lines,
// the word problems and the welcome page.
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace sumcraft {

class TCanvas;

inline constexpr std::size_t kAllLines = std::numeric_limits<std::size_t>::max();

// Draws `text` in the canvas's current style, line by line between `left` and
// `right` from `y` down, each line holding as many whole words as fit.
// Returns the y below the last line. A word wider than the space on its own
// is broken between characters (at least one character a line), so every
// text ends. Leading blanks of each line are dropped. At most maxLines lines
// are drawn (see WrapLinesAtMost).
int WrapText(TCanvas& canvas, std::string_view text, int left, int right, int y, std::size_t maxLines = kAllLines);

// The lines WrapText would draw for `text` in `width` page units.
std::vector<std::string_view> WrapLines(const TCanvas& canvas, std::string_view text, int width);

// The first maxLines (at least 1) of those lines; when the text needs more,
// the last one is cut short with "..." as FitWithEllipsis does. Only the
// lines kept are measured, so the cost does not grow with the text.
std::vector<std::string> WrapLinesAtMost(const TCanvas& canvas, std::string_view text, int width,
                                         std::size_t maxLines);

// `text` when it fits in `width` in the canvas's current style, else as many
// of its first characters as fit followed by "..." (empty when not even
// that fits).
std::string FitWithEllipsis(const TCanvas& canvas, std::string_view text, int width);

// The text without leading and trailing blanks, less its last word and the
// blanks before it ("one two  three" -> "one two"); empty for a single word.
std::string DropLastWord(std::string_view s);

}  // namespace sumcraft
