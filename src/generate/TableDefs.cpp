#include "generate/TableDefs.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "quiz/LineReader.h"
#include "quiz/QuizFileError.h"
#include "quiz/TextValues.h"

namespace sumcraft {

namespace {

constexpr std::string_view kBegin = "BEGIN TABLEDEF";
constexpr std::string_view kEnd = "END TABLEDEF";

struct TemplateReading {
  TTableDef def;
  std::int64_t cutLine = 0;  // the last line whose text was cut
  std::int64_t badDataTypeLine = 0;  // line of a PROBLEMDATATYPE that is in force and no number
  std::string badDataType;
};

void ApplyLine(TemplateReading& reading, std::string_view line, std::int64_t lineNumber) {
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return;
  const std::string_view key = line.substr(0, eq);
  std::string_view value = line.substr(eq + 1);
  if (value.size() > TTableDefs::kMaxTextLength) {
    value = value.substr(0, TTableDefs::kMaxTextLength);
    reading.cutLine = lineNumber;
  }
  TTableDef& d = reading.def;
  if (key == "ITEMCAPTION") d.ItemCaption = value;
  else if (key == "DEFNAME") d.DefName = value;
  else if (key == "PREDICATE") d.Predicate = value;
  else if (key == "DATACAPTION") d.DataCaption = value;
  else if (key == "ITEMNAME") d.ItemName = value;
  else if (key == "ACTION") d.Action = value;
  else if (key == "TABLENAME0") d.TableName0 = value;
  else if (key == "TABLENAME1") d.TableName1 = value;
  else if (key == "TABLENAME2") d.TableName2 = value;
  else if (key == "TABLENAME3") d.TableName3 = value;
  else if (key == "USEITEMNAME") d.UseItemName = UpperAscii(value) != "NO";
  else if (key == "PROBLEMDATATYPE") {
    // Blanks around the number are forgiven; values above 255 keep their
    // low 8 bits and so are listed under neither data type.
    if (const std::optional<std::int32_t> n = ParseInt32(Trim(value))) {
      d.ProblemDataType = static_cast<std::uint8_t>(*n);
      reading.badDataTypeLine = 0;
    } else {
      reading.badDataTypeLine = lineNumber;
      reading.badDataType = Printable(value);
    }
  }
}

}  // namespace

void TTableDefs::Clear() {
  defs_.clear();
  problems_.clear();
}

void TTableDefs::Load(const std::string& path) {
  Clear();
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return;

  auto keep = [this, &path](TemplateReading& reading) {
    if (reading.cutLine != 0)
      problems_.push_back(path + ", line " + std::to_string(reading.cutLine) + ": a text longer than " +
                          std::to_string(kMaxTextLength) + " bytes is cut there");
    if (reading.badDataTypeLine == 0) {
      defs_.push_back(std::move(reading.def));
      return;
    }
    problems_.push_back(path + ", line " + std::to_string(reading.badDataTypeLine) + ": PROBLEMDATATYPE \"" +
                        reading.badDataType + "\" is not a whole number; the template is left out");
  };

  try {
    TLineReader file(path);
    while (!file.Eof()) {
      if (file.ReadLine() != kBegin) continue;
      if (defs_.size() == kMaxTemplates) {
        problems_.push_back(path + ", line " + std::to_string(file.LineNumber()) + ": only the first " +
                            std::to_string(kMaxTemplates) + " templates are read");
        break;
      }
      TemplateReading reading;
      while (!file.Eof()) {
        const std::string line = file.ReadLine();
        if (line == kEnd) break;
        ApplyLine(reading, line, file.LineNumber());
      }
      keep(reading);
    }
  } catch (const QuizFileError& e) {
    // The templates before the failure stay usable.
    problems_.push_back(e.what());
    return;
  }
  // A file read whole that gives nothing leaves the table and graph options
  // without a template to offer: said at start-up, as for the style file.
  if (defs_.empty())
    problems_.push_back(path + " holds no usable template (no \"" + std::string(kBegin) +
                        "\" block with a whole-number PROBLEMDATATYPE); tables and graphs have no template to "
                        "choose from.");
}

TTableDefs& TableDefs() {
  static TTableDefs instance;
  return instance;
}

}  // namespace sumcraft
