#pragma once
#include <vector>

#include "quiz/QOptions.h"
#include "quiz/QuestionSet.h"
#include "quiz/QuizQuestion.h"

namespace sumcraft {

// Most attempts a set makes at one question before it accepts a repeat.
inline constexpr int kMaxAttemptsPerQuestion = 200;

// Fills one question from the options by its problem type (sets Operand
// first). Used for the free-standing example of the options dialogs.
void Generate(TQuizQuestion& q, const TQOptions& o);

// Replaces the set's questions by count new ones, refusing repeats (at most
// 200 attempts each). Table and graph sets first draw new data. If a
// generator raises GenerationError the set keeps its previous questions.
void Generate(TQuestionSet& set, int count);

// The same, scanning every earlier question for each attempt (quadratic).
// Kept to check the indexed version against and to show the difference in
// the benchmarks.
void GenerateLiteral(TQuestionSet& set, int count);

// Whether candidate repeats one of existing under the rule of its problem
// type; a rounding number that is already a multiple of its place counts as
// a repeat even in an empty set.
bool IsDuplicate(const std::vector<TQuizQuestion>& existing, const TQuizQuestion& candidate);
inline bool IsDuplicate(const TQuestionSet& set, const TQuizQuestion& candidate) {
  return IsDuplicate(set.Questions(), candidate);
}

}  // namespace sumcraft
