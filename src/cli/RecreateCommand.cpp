#include "cli/Command.h"
#include "cli/QuizFiles.h"
#include "generate/Random.h"

namespace sumcraft::cli {

namespace {

int Run(const TParsedArgs& args) {
  const std::string& path = args.OneQuizFile();
  const std::string& out = args.Required("--output", "OUT.qiz");
  const std::optional<std::string> seed = args.Value("--seed");
  const std::uint32_t state = seed ? ParseSeed(*seed) : 0;  // checked before any file is touched

  TQuiz quiz = OpenQuiz(path);
  if (seed) SetRandomState(state);
  else SeedRandomFromClock();
  RecreateQuiz(quiz, path);
  SaveQuizAs(quiz, out);
  return 0;
}

const TCommandRegistrar kRecreate{{
    "recreate",
    "Generate every set of a quiz again",
    "Usage: sumcraft-cli recreate QUIZ.qiz -o OUT.qiz [--seed N]\n"
    "\n"
    "Generates every set again, in quiz order, with its own options and its\n"
    "current number of questions, as \"Re-create Quiz\" does, and writes the\n"
    "result. Without --seed the questions differ on every run.\n"
    "\n"
    "Options:\n"
    "  -o, --output OUT.qiz  the quiz file to write (required); - writes the quiz\n"
    "                        to standard output\n"
    "  --seed N              start the random source at N (0 to 4294967295):\n"
    "                        the same N gives the same questions on every machine\n",
    {{"--output", "-o", true}, {"--seed", "", true}},
    Run,
    30,
}};

}  // namespace

}  // namespace sumcraft::cli
