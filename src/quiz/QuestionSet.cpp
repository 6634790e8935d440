#include "quiz/QuestionSet.h"

#include <stdexcept>

namespace sumcraft {

void TQuestionSet::Delete(std::size_t index) {
  if (index >= questions_.size()) throw std::out_of_range("question index out of range");
  questions_.erase(questions_.begin() + static_cast<std::ptrdiff_t>(index));
}

void TQuestionSet::Assign(const TQuestionSet& source) {
  questions_.reserve(questions_.size() + source.questions_.size());
  for (const TQuizQuestion& q : source.questions_) {
    TQuizQuestion copy;
    q.AssignTo(copy);
    questions_.push_back(copy);
  }
  Options.Assign(source.Options);
}

namespace {

std::string TableSentence(const TQOptions& o, const char* noun) {
  std::string s = std::string("The ") + noun + " to the right ";
  s += o.TableDataType != 0 ? "shows the number of " : "lists different kinds of ";
  s += o.ItemName;
  s += ' ';
  s += o.ActionName;
  s += ' ';
  s += o.ActionPredicate;
  s += "  Use the information in the ";
  s += noun;
  s += " to answer the following questions:";
  return s;
}

}  // namespace

std::string TQuestionSet::InstructionsText() const {
  const TQOptions& o = Options;
  switch (o.Operand) {
    case ptComparison:
      return o.ComparisonSymbolType == 1 ? "Circle the symbol that makes each comparison correct:"
                                         : "Circle the text that makes each comparison correct:";
    case ptMoney:
      return "Calculate the total amount shown:";
    case ptFractions:
      switch (o.FractionType) {
        case 0: return "Write the fraction of the shape that is shaded:";
        case 1: return "Write the fraction of the set that is shaded:";
        case 2:
        case 5: return "Circle the symbol that makes each comparison correct:";
        case 3:
        case 4: return "Write the correct reduced fraction for each problem:";
        default: return "";
      }
    case ptTime:
      return "Write the displayed time below each clock:";
    case ptRounding: {
      static const char* const places[] = {"10:", "10:", "100:", "1,000:", "10,000:", "100,000:"};
      if (o.SecondTermType > 5) return "";
      return std::string("Round each number to the nearest ") + places[o.SecondTermType];
    }
    case ptTables:
      return TableSentence(o, "table");
    case ptGraphs:
      return TableSentence(o, "graph");
    default:
      return "";
  }
}

int TQuestionSet::QuestionsPerRow() const {
  switch (Options.Operand) {
    case ptMoney: return 2;
    case ptFractions: return Options.FractionType == 0 ? 3 : 5;
    case ptTime: return 3;
    case ptTables: return 2;
    case ptGraphs: return 3;
    case 11: return 3;
    default: return 5;
  }
}

void TQuestionSets::AddCopy(const TQuestionSet& set) {
  TQuestionSet copy;
  copy.Assign(set);
  sets_.push_back(std::move(copy));
}

void TQuestionSets::Delete(std::size_t index) {
  if (index >= sets_.size()) throw std::out_of_range("set index out of range");
  sets_.erase(sets_.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace sumcraft

namespace sumcraft {

void TQuestionSets::Insert(std::size_t index, TQuestionSet set) {
  if (index > sets_.size()) throw std::out_of_range("set index out of range");
  sets_.insert(sets_.begin() + static_cast<std::ptrdiff_t>(index), std::move(set));
}

TQuestionSet TQuestionSets::Take(std::size_t index) {
  if (index >= sets_.size()) throw std::out_of_range("set index out of range");
  TQuestionSet set = std::move(sets_[index]);
  sets_.erase(sets_.begin() + static_cast<std::ptrdiff_t>(index));
  return set;
}

}  // namespace sumcraft
