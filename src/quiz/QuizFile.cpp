#include "quiz/QuizFile.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <system_error>
#include <unordered_map>

#include "quiz/AtomicFile.h"
#include "quiz/TextValues.h"

namespace sumcraft {

// ---------------------------------------------------------------- writing

namespace {

// Table names and numbers live in fixed fields of ten characters.
constexpr std::size_t kFieldWidth = 10;
// The most negative number that still fits a ten-character field.
constexpr std::int32_t kNarrowestNumber = -999'999'999;

std::string WithoutLineBreaks(std::string_view text) {
  std::string result(text);
  std::replace_if(result.begin(), result.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return result;
}

std::string NameFields(const std::array<std::string, 4>& names) {
  std::string value;
  for (const std::string& name : names) {
    std::string field = WithoutLineBreaks(name.substr(0, std::min(name.size(), kFieldWidth)));
    field.resize(kFieldWidth, ' ');
    value += field;
  }
  return value;
}

std::string NumberFields(const std::array<std::int32_t, 4>& numbers) {
  std::string value;
  for (std::int32_t n : numbers) {
    // Only hand-edited files hold such numbers; eleven characters would
    // shift every later field, so the value is kept within the field.
    const std::string digits = std::to_string(std::max(n, kNarrowestNumber));
    value += std::string(kFieldWidth - digits.size(), ' ') + digits;
  }
  return value;
}

std::string TimesTableDigits(const std::array<std::int32_t, 12>& table) {
  std::string value;
  for (std::int32_t entry : table) {
    // Exactly one character per entry. An entry is a 3-bit mask; what the
    // reader can produce (0 to 9) is kept as it is.
    const std::int32_t digit = entry >= 0 && entry <= 9 ? entry : (entry & 7);
    value += static_cast<char>('0' + digit);
  }
  return value;
}

}  // namespace

void TQuizFileWriter::Line(std::string_view text) {
  contents_ += text;
  contents_ += "\r\n";
}

void TQuizFileWriter::Text(std::string_view key, std::string_view text) {
  contents_ += key;
  contents_ += '=';
  contents_ += WithoutLineBreaks(text);
  contents_ += "\r\n";
}

void TQuizFileWriter::Flag(std::string_view key, bool value) { Text(key, value ? "YES" : "NO"); }

void TQuizFileWriter::Number(std::string_view key, std::int64_t value) { Text(key, std::to_string(value)); }

void WriteSection(TQuizFileWriter& f, const TQOptions& o) {
  f.Line("BEGIN QOPTIONS");
  f.Flag("STARTONNEWPAGE", o.StartOnNewPage);
  f.Number("QOPERAND", o.Operand);
  f.Number("QFIRSTTERMTYPE", o.FirstTermType);
  f.Number("QSECONDTERMTYPE", o.SecondTermType);
  f.Flag("QREGROUPING", o.Regrouping);
  f.Flag("QUSEZERO", o.UseZero);
  f.Number("QMULTIPLICATIONTYPE", o.MultiplicationType);
  f.Number("QDIVISIONTYPE", o.DivisionType);
  f.Number("QDIVISORTYPE", o.DivisorType);
  f.Number("QDIVIDENDTYPE", o.DividendType);
  f.Flag("QALLOWREMAINDERS", o.AllowRemainders);
  f.Number("QFRACTIONTYPE", o.FractionType);
  f.Flag("ALLDENOMINATORSALIKE", o.AllDenominatorsAlike);
  f.Number("QCOINSTOUSE", o.CoinsToUse);
  f.Number("QCOMPARISONSYMBOLTYPE", o.ComparisonSymbolType);
  f.Number("QORIENTATION", o.Orientation);
  f.Text("QTIMESTABLE", TimesTableDigits(o.TimesTable));
  f.Text("TABLEITEMNAME", o.TableItemName);
  f.Text("TABLEDATACAPTION", o.TableDataCaption);
  f.Text("TABLEUSEITEMNAME", o.TableUseItemName ? "Yes" : "No");
  f.Text("QTABLENAMES", NameFields(o.TableNames));
  f.Text("QTABLEDATA", NumberFields(o.TableData));
  f.Text("QACTIONNAME", o.ActionName);
  f.Text("QACTIONPREDICATE", o.ActionPredicate);
  f.Text("QITEMNAME", o.ItemName);
  f.Number("QTABLEDATATYPE", o.TableDataType);
  f.Number("BARGRAPHTYPE", o.BarGraphType);
  f.Number("INCREMENT_COUNT", o.IncrementCount);
  f.Number("INCREMENT_STEP_SIZE", o.IncrementStepSize);
  f.Text("BAR_GRAPH_DATA", NumberFields(o.BarGraphData));
  f.Text("GRAPHTITLE", o.GraphTitle);
  f.Text("GRAPHXLEGEND", o.GraphXLegend);
  f.Text("GRAPHYLEGEND", o.GraphYLegend);
  f.Line("END QOPTIONS");
}

void WriteSection(TQuizFileWriter& f, const TQuizQuestion& q) {
  f.Line("BEGIN QUESTION");
  f.Number("FIRSTTERM", q.FirstTerm);
  f.Number("SECONDTERM", q.SecondTerm);
  f.Number("OPERAND", q.Operand);
  f.Number("SYMBOLTYPE", q.SymbolType);
  f.Number("FRACTIONPROBLEMTYPE", q.FractionProblemType);
  f.Number("DIVISIONPROBLEMTYPE", q.DivisionProblemType);
  f.Number("TABLEPROBLEMTYPE", q.TableProblemType);
  f.Line("END QUESTION");
}

void WriteSection(TQuizFileWriter& f, const TQuestionSet& set) {
  f.Line("BEGIN QUESTIONSET");
  WriteSection(f, set.Options);
  for (const TQuizQuestion& q : set.Questions()) WriteSection(f, q);
  f.Line("END QUESTIONSET");
}

void WriteQuiz(TQuizFileWriter& f, const TQuiz& quiz) {
  f.Line(kQuizFileVersion);
  f.Flag("PRINTSTUDENTNAMEBLANK", quiz.PrintStudentNameBlank);
  f.Flag("PRINTTEACHERNAMEBLANK", quiz.PrintTeacherNameBlank);
  f.Flag("PRINTDATEBLANK", quiz.PrintDateBlank);
  f.Flag("PRINTCLASSNAMEBLANK", quiz.PrintClassNameBlank);
  f.Flag("PRINTQUIZTITLE", quiz.PrintQuizTitle);
  f.Text("QUIZTITLE", quiz.QuizTitle);
  f.Flag("PRINTPAGENUMBERS", quiz.PrintPageNumbers);
  f.Flag("SKIPPRINTFIRSTPAGENUMBER", quiz.SkipPrintFirstPageNumber);
  f.Flag("PRINTFOOTERTEXT", quiz.PrintFooterText);
  f.Text("FOOTERTEXT", quiz.FooterText);
  for (const TQuestionSet& set : quiz.Sets) WriteSection(f, set);
}

// ---------------------------------------------------------------- reading

namespace {

struct KeyValue {
  std::string_view key;
  std::string_view value;
  bool hasEquals;
};

// Only the first "=" splits; the value keeps any further ones.
KeyValue Split(std::string_view line) {
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return {line, {}, false};
  return {line.substr(0, eq), line.substr(eq + 1), true};
}

bool IsYes(std::string_view value) { return value == "YES"; }

// A BEGIN or END line as a hand edit or a file passed through another
// system leaves it: trailing blanks, tabs or a second CR are not part of it.
bool IsStructureLine(std::string_view line, std::string_view expected) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.remove_suffix(1);
  return line == expected;
}

// A text field, cut to kMaxTextLength with the cut reported.
std::string_view CappedText(TLineReader& f, std::string_view key, std::string_view value) {
  if (value.size() <= kMaxTextLength) return value;
  f.Warn(f.LineNumber(), std::string(key) + " holds " + std::to_string(value.size()) + " bytes; only its first " +
         std::to_string(kMaxTextLength) + " are kept");
  return value.substr(0, kMaxTextLength);
}

std::int32_t ReadNumber(const TLineReader& f, std::string_view key, std::string_view value) {
  const auto n = ParseInt32(value);
  if (!n)
    f.Fail(std::string(key) + ": \"" + Printable(value) +
           "\" is not a whole number from -2147483648 to 2147483647");
  return *n;
}

// A byte field keeps the low 8 bits of the number.
std::uint8_t ReadByte(const TLineReader& f, std::string_view key, std::string_view value) {
  return static_cast<std::uint8_t>(ReadNumber(f, key, value));
}

// Field i (0 to 3) of a value made of four ten-character fields; shorter
// values give shorter or empty fields.
std::string_view FixedField(std::string_view value, std::size_t i) {
  const std::size_t start = i * kFieldWidth;
  if (start >= value.size()) return {};
  return value.substr(start, kFieldWidth);
}

using OptionReader = std::function<void(TLineReader&, std::string_view key, std::string_view value, TQOptions&)>;

OptionReader FlagOption(bool TQOptions::*field) {
  return [field](TLineReader&, std::string_view, std::string_view v, TQOptions& o) { o.*field = IsYes(v); };
}

OptionReader ByteOption(std::uint8_t TQOptions::*field) {
  return [field](TLineReader& f, std::string_view k, std::string_view v, TQOptions& o) {
    o.*field = ReadByte(f, k, v);
  };
}

OptionReader IntOption(std::int32_t TQOptions::*field) {
  return [field](TLineReader& f, std::string_view k, std::string_view v, TQOptions& o) {
    o.*field = ReadNumber(f, k, v);
  };
}

OptionReader TextOption(std::string TQOptions::*field) {
  return [field](TLineReader& f, std::string_view k, std::string_view v, TQOptions& o) {
    // Trimmed again after the cut, so the text saved reads back the same.
    o.*field = std::string(Trim(CappedText(f, k, Trim(v))));
  };
}

OptionReader NumberFieldsOption(std::array<std::int32_t, 4> TQOptions::*field) {
  return [field](TLineReader& f, std::string_view k, std::string_view v, TQOptions& o) {
    for (std::size_t i = 0; i < 4; ++i)
      (o.*field)[i] = ReadNumber(f, std::string(k) + " field " + std::to_string(i + 1), Trim(FixedField(v, i)));
  };
}

void ReadNames(TLineReader&, std::string_view, std::string_view v, TQOptions& o) {
  for (std::size_t i = 0; i < 4; ++i) o.TableNames[i] = std::string(Trim(FixedField(v, i)));
}

void ReadTimesTable(TLineReader& f, std::string_view k, std::string_view v, TQOptions& o) {
  for (std::size_t i = 0; i < o.TimesTable.size(); ++i) {
    if (i >= v.size())
      f.Fail(std::string(k) + ": \"" + Printable(v) + "\" has " + std::to_string(v.size()) +
             " characters where twelve digits are expected");
    const char c = v[i];
    if (c < '0' || c > '9')
      f.Fail(std::string(k) + ": character " + std::to_string(i + 1) + " of \"" + Printable(v) +
             "\" is not a digit");
    o.TimesTable[i] = c - '0';
  }
}

void ReadUseItemName(TLineReader&, std::string_view, std::string_view v, TQOptions& o) {
  o.TableUseItemName = UpperAscii(v) != "NO";
}

const std::unordered_map<std::string_view, OptionReader>& OptionReaders() {
  static const std::unordered_map<std::string_view, OptionReader> readers = {
      {"STARTONNEWPAGE", FlagOption(&TQOptions::StartOnNewPage)},
      {"QOPERAND", ByteOption(&TQOptions::Operand)},
      {"QFIRSTTERMTYPE", ByteOption(&TQOptions::FirstTermType)},
      {"QSECONDTERMTYPE", ByteOption(&TQOptions::SecondTermType)},
      {"QREGROUPING", FlagOption(&TQOptions::Regrouping)},
      {"QUSEZERO", FlagOption(&TQOptions::UseZero)},
      {"QMULTIPLICATIONTYPE", ByteOption(&TQOptions::MultiplicationType)},
      {"QDIVISIONTYPE", ByteOption(&TQOptions::DivisionType)},
      {"QDIVISORTYPE", ByteOption(&TQOptions::DivisorType)},
      {"QDIVIDENDTYPE", ByteOption(&TQOptions::DividendType)},
      {"QALLOWREMAINDERS", FlagOption(&TQOptions::AllowRemainders)},
      {"QFRACTIONTYPE", ByteOption(&TQOptions::FractionType)},
      {"ALLDENOMINATORSALIKE", FlagOption(&TQOptions::AllDenominatorsAlike)},
      {"QCOINSTOUSE", IntOption(&TQOptions::CoinsToUse)},
      {"QCOMPARISONSYMBOLTYPE", ByteOption(&TQOptions::ComparisonSymbolType)},
      {"QORIENTATION", ByteOption(&TQOptions::Orientation)},
      {"QTIMESTABLE", ReadTimesTable},
      {"TABLEITEMNAME", TextOption(&TQOptions::TableItemName)},
      {"TABLEDATACAPTION", TextOption(&TQOptions::TableDataCaption)},
      {"TABLEUSEITEMNAME", ReadUseItemName},
      {"QTABLENAMES", ReadNames},
      {"QTABLEDATA", NumberFieldsOption(&TQOptions::TableData)},
      {"QACTIONNAME", TextOption(&TQOptions::ActionName)},
      {"QACTIONPREDICATE", TextOption(&TQOptions::ActionPredicate)},
      {"QITEMNAME", TextOption(&TQOptions::ItemName)},
      {"QTABLEDATATYPE", ByteOption(&TQOptions::TableDataType)},
      {"BARGRAPHTYPE", ByteOption(&TQOptions::BarGraphType)},
      {"INCREMENT_COUNT", IntOption(&TQOptions::IncrementCount)},
      {"INCREMENT_STEP_SIZE", IntOption(&TQOptions::IncrementStepSize)},
      {"BAR_GRAPH_DATA", NumberFieldsOption(&TQOptions::BarGraphData)},
      {"GRAPHTITLE", TextOption(&TQOptions::GraphTitle)},
      {"GRAPHXLEGEND", TextOption(&TQOptions::GraphXLegend)},
      {"GRAPHYLEGEND", TextOption(&TQOptions::GraphYLegend)},
  };
  return readers;
}

// Where the file ended inside a section: the innermost section left open
// and its last line, which is not interpreted. Reported once, by the quiz.
struct TCut {
  const char* section = nullptr;
  std::string lastLine;
  std::int64_t lineNumber = 0;
};

// The next line of a section, or nothing when the section ends: at its END
// line, or at the end of the file, whose last line is then not interpreted.
bool NextSectionLine(TLineReader& f, std::string_view endLine, const char* section, std::string& line,
                     TCut* cut) {
  const bool atEnd = f.Eof();
  line = f.ReadLine();
  if (IsStructureLine(line, endLine)) return false;
  if (!f.Eof()) return true;
  // An enclosing section also meets the end; the innermost one is named.
  if (cut && !cut->section) {
    cut->section = section;
    cut->lastLine = atEnd ? std::string() : line;
    cut->lineNumber = f.LineNumber();
  }
  return false;
}

void ReadOptions(TLineReader& f, TQOptions& o, TCut* cut) {
  const auto& readers = OptionReaders();
  std::string line;
  while (NextSectionLine(f, "END QOPTIONS", "the options of a question set", line, cut)) {
    const KeyValue kv = Split(line);
    if (!kv.hasEquals) continue;
    const auto it = readers.find(kv.key);
    if (it != readers.end()) it->second(f, kv.key, kv.value, o);
  }
}

void ReadQuestion(TLineReader& f, TQuizQuestion& q, TCut* cut) {
  std::string line;
  while (NextSectionLine(f, "END QUESTION", "a question", line, cut)) {
    // A line without "=" is a key with an empty value.
    const KeyValue kv = Split(line);
    if (kv.key == "FIRSTTERM") q.FirstTerm = ReadNumber(f, kv.key, kv.value);
    else if (kv.key == "SECONDTERM") q.SecondTerm = ReadNumber(f, kv.key, kv.value);
    else if (kv.key == "OPERAND") q.Operand = ReadByte(f, kv.key, kv.value);
    else if (kv.key == "SYMBOLTYPE") q.SymbolType = ReadByte(f, kv.key, kv.value);
    else if (kv.key == "FRACTIONPROBLEMTYPE") q.FractionProblemType = ReadByte(f, kv.key, kv.value);
    else if (kv.key == "DIVISIONPROBLEMTYPE") q.DivisionProblemType = ReadByte(f, kv.key, kv.value);
    else if (kv.key == "TABLEPROBLEMTYPE") q.TableProblemType = ReadByte(f, kv.key, kv.value);
  }
}

void ReadSet(TLineReader& f, TQuestionSet& set, TCut* cut) {
  std::string line;
  while (NextSectionLine(f, "END QUESTIONSET", "a question set", line, cut)) {
    if (IsStructureLine(line, "BEGIN QOPTIONS")) {
      ReadOptions(f, set.Options, cut);
    } else if (IsStructureLine(line, "BEGIN QUESTION")) {
      TQuizQuestion q;
      ReadQuestion(f, q, cut);
      set.Add(q);
    }
  }
}

bool IsQuizKey(std::string_view key) {
  static constexpr std::string_view kKeys[] = {
      "PRINTSTUDENTNAMEBLANK", "PRINTTEACHERNAMEBLANK", "PRINTDATEBLANK",  "PRINTCLASSNAMEBLANK",
      "PRINTQUIZTITLE",        "QUIZTITLE",             "PRINTPAGENUMBERS", "SKIPPRINTFIRSTPAGENUMBER",
      "PRINTFOOTERTEXT",       "FOOTERTEXT"};
  return std::find(std::begin(kKeys), std::end(kKeys), key) != std::end(kKeys);
}

std::string Counted(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

}  // namespace

void ReadSection(TLineReader& f, TQOptions& o) { ReadOptions(f, o, nullptr); }

void ReadSection(TLineReader& f, TQuizQuestion& q) { ReadQuestion(f, q, nullptr); }

void ReadSection(TLineReader& f, TQuestionSet& set) { ReadSet(f, set, nullptr); }

TLoadResult ReadQuiz(TLineReader& f, TQuiz& quiz) {
  if (f.Eof()) return TLoadResult::Empty;
  // Byte-wise: a shorter line that is a prefix sorts first.
  if (f.ReadLine() < kQuizFileVersion) return TLoadResult::TooOld;

  quiz.Sets.Clear();
  quiz.QuizTitle.clear();
  TCut cut;
  // Lines after the version line, and those of them the reader knows: a
  // file that has lines but no known one is not a quiz that happens to be
  // empty.
  std::size_t lines = 0, known = 0;
  while (!f.Eof()) {
    const std::string line = f.ReadLine();
    if (!line.empty()) ++lines;
    if (IsStructureLine(line, "BEGIN QUESTIONSET")) {
      ++known;
      TQuestionSet set;
      ReadSet(f, set, &cut);
      quiz.Sets.Add(std::move(set));
      continue;
    }
    const KeyValue kv = Split(line);
    if (!kv.hasEquals) continue;
    if (IsQuizKey(kv.key)) ++known;
    if (kv.key == "PRINTSTUDENTNAMEBLANK") quiz.PrintStudentNameBlank = IsYes(kv.value);
    else if (kv.key == "PRINTTEACHERNAMEBLANK") quiz.PrintTeacherNameBlank = IsYes(kv.value);
    else if (kv.key == "PRINTDATEBLANK") quiz.PrintDateBlank = IsYes(kv.value);
    else if (kv.key == "PRINTCLASSNAMEBLANK") quiz.PrintClassNameBlank = IsYes(kv.value);
    else if (kv.key == "PRINTQUIZTITLE") quiz.PrintQuizTitle = IsYes(kv.value);
    else if (kv.key == "QUIZTITLE") quiz.QuizTitle = std::string(CappedText(f, kv.key, kv.value));
    else if (kv.key == "PRINTPAGENUMBERS") quiz.PrintPageNumbers = IsYes(kv.value);
    else if (kv.key == "SKIPPRINTFIRSTPAGENUMBER") quiz.SkipPrintFirstPageNumber = IsYes(kv.value);
    else if (kv.key == "PRINTFOOTERTEXT") quiz.PrintFooterText = IsYes(kv.value);
    else if (kv.key == "FOOTERTEXT") quiz.FooterText = std::string(CappedText(f, kv.key, kv.value));
  }
  if (cut.section) {
    std::string what = std::string("the file ends inside ") + cut.section + ", before its END line";
    if (!cut.lastLine.empty()) what += "; its last line, \"" + Printable(cut.lastLine) + "\", is not read";
    f.Warn(cut.lineNumber, what);
  }
  if (lines > 0 && known == 0)
    f.Warn(0, "none of the " + Counted(lines, "line", "lines") +
           " after the version line holds anything Sumcraft knows; nothing of them is read");
  return TLoadResult::Loaded;
}

std::string DamageReport(const TQuiz& quiz, const std::vector<std::string>& warnings) {
  std::string report = "Read " + Counted(quiz.Sets.Count(), "question set", "question sets") + " with " +
                       Counted(quiz.QuestionCount(), "question", "questions") + ". Left out:";
  for (const std::string& w : warnings) report += "\n  " + w;
  return report;
}

// ---------------------------------------------------------------- the quiz

TLoadResult TQuiz::LoadFromFile(std::vector<std::string>* warnings) {
  std::error_code ec;
  const bool exists = !FileName.empty() && std::filesystem::exists(FileName, ec);
  if (ec) throw QuizFileError(FileName, 0, "cannot open: " + ec.message());
  if (!exists) return TLoadResult::Missing;

  TLineReader reader(FileName);
  // Read aside so that an error leaves this quiz as it was. The print
  // options keep their values until a line of the file sets them.
  TQuiz read;
  read.PrintDateBlank = PrintDateBlank;
  read.PrintTeacherNameBlank = PrintTeacherNameBlank;
  read.PrintClassNameBlank = PrintClassNameBlank;
  read.PrintStudentNameBlank = PrintStudentNameBlank;
  read.PrintQuizTitle = PrintQuizTitle;
  read.PrintFooterText = PrintFooterText;
  read.FooterText = FooterText;
  read.SkipPrintFirstPageNumber = SkipPrintFirstPageNumber;
  read.PrintPageNumbers = PrintPageNumbers;
  const TLoadResult result = ReadQuiz(reader, read);
  if (result != TLoadResult::Loaded) return result;
  if (warnings) *warnings = reader.Warnings();

  Sets = std::move(read.Sets);
  QuizTitle = std::move(read.QuizTitle);
  PrintDateBlank = read.PrintDateBlank;
  PrintTeacherNameBlank = read.PrintTeacherNameBlank;
  PrintClassNameBlank = read.PrintClassNameBlank;
  PrintStudentNameBlank = read.PrintStudentNameBlank;
  PrintQuizTitle = read.PrintQuizTitle;
  PrintFooterText = read.PrintFooterText;
  FooterText = std::move(read.FooterText);
  SkipPrintFirstPageNumber = read.SkipPrintFirstPageNumber;
  PrintPageNumbers = read.PrintPageNumbers;
  return TLoadResult::Loaded;
}

bool TQuiz::SaveToFile() {
  if (FileName.empty()) throw QuizFileError("the quiz", 0, "no file name to save to");
  TQuizFileWriter writer;
  WriteQuiz(writer, *this);
  try {
    WriteFileAtomically(FileName, writer.Contents());
  } catch (const std::system_error& e) {
    throw QuizFileError(FileName, 0, std::string("unable to save: ") + e.what());
  }
  Modified = false;
  return true;
}

}  // namespace sumcraft
