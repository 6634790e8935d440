#include "quiz/QuizQuestion.h"

namespace sumcraft {

void TQuizQuestion::AssignTo(TQuizQuestion& target) const {
  target.FirstTerm = FirstTerm;
  target.SecondTerm = SecondTerm;
  target.Operand = Operand;
  target.SymbolType = SymbolType;
  target.DivisionProblemType = DivisionProblemType;
  target.FractionProblemType = FractionProblemType;
  target.TableProblemType = TableProblemType;
}

bool TQuizQuestion::SameAs(const TQuizQuestion& other) const {
  return FirstTerm == other.FirstTerm && SecondTerm == other.SecondTerm &&
         Operand == other.Operand && SymbolType == other.SymbolType &&
         DivisionProblemType == other.DivisionProblemType &&
         FractionProblemType == other.FractionProblemType &&
         TableProblemType == other.TableProblemType;
}

}  // namespace sumcraft
