#include <QFile>
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "cli/Command.h"
#include "cli/Drawing.h"
#include "cli/QuizFiles.h"
#include "cli/StandardOutput.h"
#include "generate/QuizVersions.h"
#include "generate/Random.h"
#include "render/PdfPrinter.h"
#include "render/PrintQuiz.h"

namespace sumcraft::cli {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxCount = 1000;

int CountOption(const TParsedArgs& args) {
  const std::string& text = args.Required("--count", "K");
  int count = 0;
  bool ok = !text.empty() && text.size() <= 4;
  for (char c : text) {
    if (c < '0' || c > '9') ok = false;
    else if (ok) count = count * 10 + (c - '0');
  }
  if (!ok || count < 1 || count > kMaxCount) {
    throw UsageError("--count needs a whole number from 1 to " + std::to_string(kMaxCount) + ", not '" + text + "'");
  }
  return count;
}

// "<base>-v01" ... with at least two digits, more when K needs them, so the
// names sort in version order.
std::string VersionName(const std::string& base, int version, int count) {
  const std::size_t digits = std::max<std::size_t>(2, std::to_string(count).size());
  std::string number = std::to_string(version);
  if (number.size() < digits) number.insert(0, digits - number.size(), '0');
  return base + "-v" + number;
}

int Run(const TParsedArgs& args) {
  const std::string& path = args.OneQuizFile();
  const int count = CountOption(args);
  const fs::path dir(args.Required("--output", "DIR"));
  const TPaper paper = PaperOption(args);
  const std::optional<std::string> seedText = args.Value("--seed");
  const std::uint32_t firstSeed = seedText ? ParseSeed(*seedText) : 0;

  // Every file of every version, checked before anything is written.
  const std::string base = fs::path(path).stem().string();
  struct TFiles {
    std::string name, qiz, pdf, key;
  };
  std::vector<TFiles> versions;
  std::vector<std::string> all{path};
  for (int v = 1; v <= count; ++v) {
    const std::string name = VersionName(base, v, count);
    versions.push_back({name, (dir / (name + ".qiz")).string(), (dir / (name + ".pdf")).string(),
                        (dir / (name + "-key.pdf")).string()});
    all.insert(all.end(), {versions.back().qiz, versions.back().pdf, versions.back().key});
  }
  CheckDistinctFiles(all);

  TPdfPrinter printer;  // before the quizzes, whose pages refer to it
  printer.SetPaper(paper);
  const TQuiz original = OpenQuiz(path);

  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec || !fs::is_directory(dir)) {
    throw CliError(dir.string() + ": cannot make the folder" + (ec ? ": " + ec.message() : std::string()));
  }
  std::uint32_t seed = firstSeed;
  if (!seedText) {
    SeedRandomFromClock();
    seed = RandomState();
  }
  StartDrawing();
  int index = 0;
  for (const auto& [name, qiz, pdf, key] : versions) {
    TQuiz quiz;
    original.CopyTo(quiz);
    SetRandomState(seed);
    RecreateQuiz(quiz, path);
    quiz.Version = TVersionMark{VersionLabel(index++, count), seed};
    SaveQuizAs(quiz, qiz);

    TPrintOptions options;
    options.Copies = 1;
    options.PrintKey = true;
    options.Printer = &printer;
    options.RestoreLayout = false;
    // One printer for all files: a picture seen in the quiz is not encoded again for the key.
    options.BeforeJob = [&](TPrinterDevice&, const TPrintJob& job) {
      printer.SetOutputFile(QFile::decodeName(job.Kind == TPrintJob::TKind::AnswerKey ? key.c_str() : pdf.c_str()));
    };
    WarnProblems(qiz, PrintQuiz(quiz, options).Problems);
    std::cout << name << ": seed " << seed << "\n";
    FlushStandardOutput();  // the only record of the seed: its loss stops the run
    ++seed;  // after 4294967295 comes 0
  }
  return 0;
}

const TCommandRegistrar kVersions{{
    "versions",
    "Write several regenerated versions of a quiz, each with its answer key",
    "Usage: sumcraft-cli versions QUIZ.qiz --count K -o DIR [--seed N] [--paper letter|a4]\n"
    "\n"
    "Makes K versions of the quiz, each with every set generated again (as\n"
    "\"Re-create Quiz\" does) from seed N, N+1, N+2, ... in turn, and writes for\n"
    "each into DIR (created when missing):\n"
    "  BASE-v01.qiz      the version as a quiz file\n"
    "  BASE-v01.pdf      its pages\n"
    "  BASE-v01-key.pdf  its answer key\n"
    "BASE is the name of QUIZ.qiz without \".qiz\"; numbers have as many digits\n"
    "as K needs, at least two. Existing files of these names are replaced.\n"
    "One line per version on standard output names it and its seed\n"
    "(\"BASE-v01: seed N\"); \"recreate --seed N\" or \"pdf --recreate --seed N\"\n"
    "make that version again. Without --seed the first seed comes from the clock.\n"
    "With more than one version each is labelled, as the program prints them:\n"
    "\"Version A\", \"Version B\", ... above the header of the quiz and of its\n"
    "key, and the key's footer names the seed; \"pdf --recreate --seed N --label B\"\n"
    "writes BASE-v02.pdf and its key again byte for byte.\n"
    "\n"
    "Pages are drawn with the text styles and fonts shipped inside Sumcraft,\n"
    "never the user's Styles.rpt, so the output is the same on every machine.\n"
    "Questions that cannot be drawn are warnings on standard error, as for pdf.\n"
    "\n"
    "Options:\n"
    "  --count K            the number of versions, 1 to 1000 (required)\n"
    "  -o, --output DIR     the folder to write to (required)\n"
    "  --seed N             the seed of the first version (0 to 4294967295); the\n"
    "                       seeds of later versions count on from it, after\n"
    "                       4294967295 from 0\n"
    "  --paper letter|a4    the paper (default letter); pages at 600 dpi\n",
    {{"--count", "", true}, {"--output", "-o", true}, {"--seed", "", true}, {"--paper", "", true}},
    Run,
    60,
}};

}  // namespace

}  // namespace sumcraft::cli
