#pragma once
// Making the versions of a quiz for printing, off the window's thread, with
// the progress window the wizard shows for large sets; Cancel stops it.
#include <vector>

#include "quiz/Quiz.h"

class QWidget;

namespace sumcraft {

// `count` versions of `quiz` (MakeQuizVersions) from a seed of the clock.
// False, with `versions` empty, when the teacher stopped it; raises what
// the generators raise.
bool MakeVersionsShowingProgress(QWidget* parent, const TQuiz& quiz, int count, std::vector<TQuiz>& versions);

}  // namespace sumcraft
