#pragma once
// Named text styles ("DEFAULT", "PROBLEMNUMBER", ...) read from the style
// file "Styles.rpt". Drawing code selects one by name just before it draws:
//
//   ReportFormats().Apply("INSTRUCTIONS", canvas);
//
// Apply copies the style's font size, face and bold flag, brush colour and
// style, pen width and mode onto the canvas; the font colour, pen colour and
// escapement stay as they were.
//
// There is one list for the whole run (ReportFormats()). It starts with the
// shipped default styles, so drawing always has styles to apply; the program
// replaces them at start-up with Load(<data folder>/Styles.rpt). A missing
// file, an unreadable one or one without any style leaves the shipped
// defaults in force.
#include <QString>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "render/DrawState.h"

namespace sumcraft {

class TCanvas;

// One style. A key missing from the file leaves the default: font Tahoma
// 8 pt regular, solid white brush, pen width 1 in copy mode.
struct TReportFormat {
  std::string FormatName;
  TFontSpec Font{"Tahoma", 8, false, kBlack, 0};
  TBrushSpec Brush;
  TPenSpec Pen;
};

class TReportFormats {
public:
  enum class TLoadResult {
    Loaded,      // the file's styles are in force
    Missing,     // no such file: shipped defaults
    Unreadable,  // cannot be opened or is too large: shipped defaults
    NoStyles,    // the file holds no style block: shipped defaults
  };

  // Reads a style file, replacing the list. Values that cannot be used are
  // reported in Messages() ("<file>, line <n>: ...") and leave that key's
  // default; they never stop the reading.
  TLoadResult Load(const QString& path);
  // The same reading from text already in memory; `fileName` names it in
  // messages. Returns the number of styles read (the list may be empty).
  std::size_t LoadFromText(std::string_view text, const QString& fileName);
  // The shipped default styles.
  void LoadDefaults();

  // The first style named `name` (exact, case-sensitive), or the first style
  // of the list when none has that name, applied to the canvas. With an
  // empty list the shipped defaults are used the same way.
  void Apply(std::string_view name, TCanvas& canvas) const;

  // Appends a style (file order is kept; for built-in fallbacks and tests).
  void Add(TReportFormat format);

  // The first style named exactly `name`, nullptr when none.
  const TReportFormat* Find(std::string_view name) const;
  std::size_t Count() const { return formats_.size(); }
  const TReportFormat& Item(std::size_t index) const { return formats_.at(index); }
  // Problems found by the last Load / LoadFromText, one line each.
  const std::vector<std::string>& Messages() const { return messages_; }

  // Copies a style onto a canvas in the platform's order.
  static void ApplyFormat(const TReportFormat& format, TCanvas& canvas);

private:
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
  };

  std::vector<TReportFormat> formats_;
  // The first style of each name: every drawing step looks a style up, and
  // a file may hold a great many.
  std::unordered_map<std::string, std::size_t, NameHash, std::equal_to<>> byName_;
  std::vector<std::string> messages_;
};

// The styles of the whole run.
TReportFormats& ReportFormats();

// The shipped default styles (parsed once).
const TReportFormats& DefaultReportFormats();

// Parses a style-file integer: optional leading blanks and sign, decimal
// digits, or "$" (also "0x") and up to eight hex digits (read as a 32-bit
// pattern, so "$FFFFFFFF" is -1). Nothing may follow. False when not a number
// or out of range.
bool ParseStyleInteger(std::string_view text, int& value);

}  // namespace sumcraft
