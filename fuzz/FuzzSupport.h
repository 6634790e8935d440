#pragma once
// What every fuzz target shares: a headless application for the drawing
// code, a small layout on the PDF printer, and a scratch folder.
#include <string>
#include <string_view>

#include "quiz/Quiz.h"

namespace sumcraft::fuzz {

// Creates the offscreen QGuiApplication and loads the bundled fonts once.
void InitOnce();

// Generates every set again with at most `cap` questions, then lays the quiz
// out with and without answers at a low resolution, as the program would
// after opening and re-creating it. Errors a damaged file may cause
// (GenerationError, LayoutError) are expected outcomes and swallowed.
void ExerciseQuiz(TQuiz& quiz, int cap = 40);

// A quiz of one small set of every problem type.
TQuiz EveryTypeQuiz();

// Writes bytes to a file in the scratch folder and returns its path.
std::string WriteScratchFile(const std::string& name, std::string_view bytes);
std::string ScratchFolder();

}  // namespace sumcraft::fuzz
