#include <iostream>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "cli/QuizFiles.h"
#include "quiz/ProblemType.h"

namespace sumcraft::cli {

namespace {

std::string TypeName(std::uint8_t operand) {
  switch (operand) {
    case ptAddition: return "addition";
    case ptSubtraction: return "subtraction";
    case ptMultiplication: return "multiplication";
    case ptDivision: return "division";
    case ptComparison: return "comparison";
    case ptMoney: return "money";
    case ptFractions: return "fractions";
    case ptTime: return "time";
    case ptRounding: return "rounding";
    case ptTables: return "table data";
    case ptGraphs: return "bar graph";
    default: return "unknown problem type " + std::to_string(operand);
  }
}

std::string Counted(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

int Run(const TParsedArgs& args) {
  const std::string& path = args.OneQuizFile();
  std::vector<std::string> lost;
  const TQuiz quiz = OpenQuiz(path, &lost);
  std::cout << path << ": " << Counted(quiz.Sets.Count(), "set", "sets") << ", "
            << Counted(quiz.QuestionCount(), "question", "questions") << "\n";
  std::size_t number = 0;
  for (const TQuestionSet& set : quiz.Sets)
    std::cout << "  set " << ++number << ": " << TypeName(set.Options.Operand) << ", "
              << Counted(set.Count(), "question", "questions") << "\n";
  if (!lost.empty()) {
    std::cout.flush();
    std::cerr << "sumcraft-cli: " << DamagedMessage(path, quiz, lost) << "\n";
    return 1;
  }
  return 0;
}

const TCommandRegistrar kValidate{{
    "validate",
    "Read a quiz as the program opens it and report its sets",
    "Usage: sumcraft-cli validate QUIZ.qiz\n"
    "\n"
    "Reads the quiz as Sumcraft opens it and lists its sets with their problem\n"
    "types and question counts. A file that cannot be read, holds a value that\n"
    "is not a number, was made by a version older than 2.0 or is empty is an\n"
    "error. A damaged file (one that ends inside a section, holds nothing\n"
    "Sumcraft knows after its version line, or a text longer than 4096 bytes)\n"
    "is listed as read, then what was left out is reported and the exit\n"
    "status is 1.\n",
    {},
    Run,
    10,
}};

}  // namespace

}  // namespace sumcraft::cli
