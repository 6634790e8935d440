// The quiz file reader: any bytes give a quiz or a QuizFileError. What was
// read is generated again, laid out, saved, and must read back to the same
// file (saving is a fixed point).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzSupport.h"
#include "quiz/QuizFile.h"

using namespace sumcraft;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::InitOnce();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TQuiz quiz;
  try {
    TLineReader reader("fuzz.qiz", bytes);
    if (ReadQuiz(reader, quiz) != TLoadResult::Loaded) return 0;
  } catch (const QuizFileError&) {
    return 0;
  }
  TQuizFileWriter first;
  WriteQuiz(first, quiz);
  TQuiz again;
  TLineReader reader("saved.qiz", first.Contents());
  if (ReadQuiz(reader, again) != TLoadResult::Loaded) std::abort();
  TQuizFileWriter second;
  WriteQuiz(second, again);
  if (second.Contents() != first.Contents()) std::abort();

  fuzz::ExerciseQuiz(quiz);
  quiz.FileName = fuzz::ScratchFolder() + "/saved.qiz";
  quiz.SaveToFile();
  return 0;
}
