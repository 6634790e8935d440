#pragma once
// Quizzes of known size for the benchmarks, generated from a fixed seed.
#include "quiz/Quiz.h"

namespace sumcraft::bench {

// The options of a typical set of each problem type (one per type).
std::vector<TQOptions> TypicalOptions();

// A quiz of about `questions` questions mixing every problem type in sets
// of 20 (the size teachers use), laid out nowhere yet.
TQuiz MixedQuiz(int questions);

// The worst case for drawing: fractions of a shaded circle (every circle a
// picture of its own), coins and clocks in turn, in sets of 20.
TQuiz PictureQuiz(int questions);

// A quiz of one arithmetic type, the most common worksheet.
TQuiz AdditionQuiz(int questions);

}  // namespace sumcraft::bench
