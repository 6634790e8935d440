// Writes the quizzes the whole-process benchmark (bench/cli-pdf.sh) gives to
// sumcraft-cli: the same quizzes the in-process benchmarks use.
#include <cstdio>
#include <exception>
#include <string>

#include "BenchQuizzes.h"

using namespace sumcraft;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  try {
    for (const int n : {100, 2000}) {
      TQuiz addition = bench::AdditionQuiz(n);
      addition.FileName = folder + "/addition-" + std::to_string(n) + ".qiz";
      addition.SaveToFile();
      TQuiz mixed = bench::MixedQuiz(n);
      mixed.FileName = folder + "/mixed-" + std::to_string(n) + ".qiz";
      mixed.SaveToFile();
      TQuiz pictures = bench::PictureQuiz(n);
      pictures.FileName = folder + "/pictures-" + std::to_string(n) + ".qiz";
      pictures.SaveToFile();
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
