#include <filesystem>
#include <iostream>
#include <system_error>
#include <vector>

#include "cli/Command.h"
#include "cli/QuizFiles.h"

namespace sumcraft::cli {

namespace {

int Run(const TParsedArgs& args) {
  const std::string& path = args.OneQuizFile();
  const std::string& out = args.Required("--output", "OUT.qiz");
  std::vector<std::string> lost;
  TQuiz quiz = OpenQuiz(path, &lost);
  if (!lost.empty()) {
    // What was read is less than the file holds: replacing the file with it
    // would throw the rest away for good.
    std::error_code ec;
    const bool inPlace = std::filesystem::equivalent(path, out, ec);
    if (inPlace && !args.Has("--force"))
      throw CliError(DamagedMessage(path, quiz, lost) + "\nRefusing to replace " + path +
                     " with less than it holds; write to another file, or add --force.");
    std::cerr << "sumcraft-cli: warning: " << DamagedMessage(path, quiz, lost) << "\n";
  }
  SaveQuizAs(quiz, out);
  return 0;
}

const TCommandRegistrar kNormalize{{
    "normalize",
    "Read a quiz and write it as the program saves it",
    "Usage: sumcraft-cli normalize QUIZ.qiz -o OUT.qiz [--force]\n"
    "\n"
    "Reads the quiz as Sumcraft opens it and writes it as Sumcraft saves it:\n"
    "CR LF line ends, every key in its place, defaults for missing keys.\n"
    "OUT.qiz may be QUIZ.qiz itself; it is replaced only once written whole.\n"
    "A damaged QUIZ.qiz (see 'validate') is reported, and is not replaced by\n"
    "the part of it that could be read unless --force is given.\n"
    "\n"
    "Options:\n"
    "  -o, --output OUT.qiz  the quiz file to write (required); - writes the quiz\n"
    "                        to standard output\n"
    "  --force               replace a damaged QUIZ.qiz with what was read of it\n",
    {{"--output", "-o", true}, {"--force", "", false}},
    Run,
    20,
}};

}  // namespace

}  // namespace sumcraft::cli
