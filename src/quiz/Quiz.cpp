#include "quiz/Quiz.h"

namespace sumcraft {

TQuiz::TQuiz() = default;
TQuiz::~TQuiz() = default;
TQuiz::TQuiz(TQuiz&&) noexcept = default;
TQuiz& TQuiz::operator=(TQuiz&&) noexcept = default;

void TQuiz::CopyTo(TQuiz& target) const {
  if (&target == this) return;
  target.Sets.Clear();
  target.QuizTitle = QuizTitle;
  target.FileName = FileName;
  target.PrintStudentNameBlank = PrintStudentNameBlank;
  target.PrintTeacherNameBlank = PrintTeacherNameBlank;
  target.PrintDateBlank = PrintDateBlank;
  target.PrintClassNameBlank = PrintClassNameBlank;
  target.PrintQuizTitle = PrintQuizTitle;
  target.PrintPageNumbers = PrintPageNumbers;
  target.SkipPrintFirstPageNumber = SkipPrintFirstPageNumber;
  target.PrintFooterText = PrintFooterText;
  target.FooterText = FooterText;
  for (const TQuestionSet& set : Sets) target.Sets.AddCopy(set);
}

std::size_t TQuiz::QuestionCount() const {
  std::size_t count = 0;
  for (const TQuestionSet& set : Sets) count += set.Count();
  return count;
}

int TQuiz::SetAtPosition(int y, int page, int current, int bodyTop, int bodyBottom) const {
  int index = 0;
  for (const TQuestionSet& set : Sets) {
    if (page >= set.FirstPage && page <= set.LastPage) {
      const int top = page == set.FirstPage ? set.StartY : bodyTop;
      const int bottom = page == set.LastPage ? set.EndY : bodyBottom;
      if (y >= top && y <= bottom) return index;
    }
    ++index;
  }
  return current;
}

}  // namespace sumcraft
