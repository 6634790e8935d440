#include "cli/Command.h"
#include "cli/QuizFiles.h"

namespace sumcraft::cli {

namespace {

int Run(const TParsedArgs& args) {
  const std::string& path = args.OneQuizFile();
  const std::string& out = args.Required("--output", "OUT.qiz");
  TQuiz quiz = OpenQuiz(path);
  SaveQuizAs(quiz, out);
  return 0;
}

const TCommandRegistrar kNormalize{{
    "normalize",
    "Read a quiz and write it as the program saves it",
    "Usage: sumcraft-cli normalize QUIZ.qiz -o OUT.qiz\n"
    "\n"
    "Reads the quiz as Sumcraft opens it and writes it as Sumcraft saves it:\n"
    "CR LF line ends, every key in its place, defaults for missing keys.\n"
    "OUT.qiz may be QUIZ.qiz itself; it is replaced only once written whole.\n"
    "\n"
    "Options:\n"
    "  -o, --output OUT.qiz  the quiz file to write (required); - writes the quiz\n"
    "                        to standard output\n",
    {{"--output", "-o", true}},
    Run,
    20,
}};

}  // namespace

}  // namespace sumcraft::cli
