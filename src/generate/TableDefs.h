#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sumcraft {

// One word-problem template for table-data and bar-graph questions. Texts
// are Windows-1252 bytes as in the file.
struct TTableDef {
  std::string ItemCaption;   // heading of the name column / axis title of the bar names
  std::string DefName;       // the template's name; kept, shown nowhere
  std::uint8_t ProblemDataType = 0;  // 1: rows are people who did the action; 0: kinds of item
  std::string Predicate;     // end of the instruction sentence
  std::string DataCaption;   // heading of the number column / axis title of the counts
  std::string ItemName;      // the counted things, plural
  std::string TableName2;
  std::string Action;        // past participle, e.g. "picked"
  std::string TableName3;
  std::string TableName0;
  std::string TableName1;
  bool UseItemName = true;

  // How the dialogs list and find a template: ItemName + " " + Action.
  std::string DisplayText() const { return ItemName + " " + Action; }
};

inline constexpr const char* kTableTemplatesFileName = "TableTemplates.tdf";

// The templates of the template file, in file order. One instance serves
// the whole program (TableDefs()); it is filled once at start-up.
class TTableDefs {
public:
  // Limits of what Load keeps. Our file holds a few dozen templates of short
  // texts; the dialogs list every template, and its texts go into questions
  // drawn on every page, so a damaged or hostile file must not cost more.
  // A longer text is cut, templates after the last are not read; both are
  // noted in Problems().
  static constexpr std::size_t kMaxTemplates = 1000;
  static constexpr std::size_t kMaxTextLength = 4096;

  // Clears the list, then reads every template of the file at path. A
  // missing file leaves the list empty without a word. Nothing in the file
  // stops the program: a template whose PROBLEMDATATYPE is not a whole
  // number is skipped, and when the file cannot be read on, the templates
  // read so far stay; both are noted in Problems(), and so is a file read
  // whole that gives no template at all.
  void Load(const std::string& path);

  std::size_t Count() const { return defs_.size(); }
  const TTableDef& Item(std::size_t index) const { return defs_.at(index); }
  void Clear();

  // What the last Load could not use, one message each, naming file and line.
  const std::vector<std::string>& Problems() const { return problems_; }

private:
  std::vector<TTableDef> defs_;
  std::vector<std::string> problems_;
};

// The program-wide template list.
TTableDefs& TableDefs();

}  // namespace sumcraft
