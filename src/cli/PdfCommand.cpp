#include <QFile>
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

int Run(const TParsedArgs& args) {
  const std::string& path = args.OneQuizFile();
  const std::string& out = args.Required("--output", "OUT.pdf");
  const std::optional<std::string> key = args.Value("--key");
  const TPaper paper = PaperOption(args);
  const int dpi = DpiOption(args);
  const bool recreate = args.Has("--recreate");
  const std::optional<std::string> seed = args.Value("--seed");
  const std::uint32_t state = seed ? ParseSeed(*seed) : 0;
  if (seed && !recreate) throw UsageError("--seed is for --recreate");
  const std::optional<std::string> labelText = args.Value("--label");
  std::optional<std::string> letters;
  if (labelText) {
    if (!recreate) throw UsageError("--label is for --recreate");
    letters = ParseVersionLetters(*labelText);
    if (!letters) throw UsageError("--label needs the letters of a version (A to ZZZ), not '" + *labelText + "'");
  }
  std::vector<std::string> files{path, out};
  if (key) files.push_back(*key);
  CheckDistinctFiles(files);

  // The printer first: the quiz's pages refer to it until the quiz is gone.
  TPdfPrinter printer;
  printer.SetPaper(paper);
  printer.SetResolution(dpi);

  TQuiz quiz = OpenQuiz(path);
  if (recreate) {
    if (seed) {
      SetRandomState(state);
    } else {
      SeedRandomFromClock();
      // Standard output may be taken by a PDF; the seed must not end up inside it.
      if (IsStandardOutput(out) || (key && IsStandardOutput(*key))) {
        std::cerr << "seed " << RandomState() << "\n";
      } else {
        std::cout << "seed " << RandomState() << "\n";
        FlushStandardOutput();  // the only record of the seed: its loss fails the command
      }
    }
    // The seed the questions are made from: given, or the clock's.
    const std::uint32_t used = RandomState();
    RecreateQuiz(quiz, path);
    if (letters) quiz.Version = TVersionMark{VersionLabel(*letters), used};
  }

  StartDrawing();
  // The program's "Save as PDF" path, with the files named here.
  TPrintOptions options;
  options.Copies = 1;
  options.PrintKey = key.has_value();
  options.Printer = &printer;
  options.RestoreLayout = false;
  options.BeforeJob = [&](TPrinterDevice&, const TPrintJob& job) {
    const std::string& file = job.Kind == TPrintJob::TKind::AnswerKey ? *key : out;
    printer.SetOutputFile(QFile::decodeName(file.c_str()));
    if (IsStandardOutput(file)) {
      printer.SetOutputSink([](const QByteArray& pdf) {
        WriteStandardOutput(std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
      });
    } else {
      printer.SetOutputSink({});
    }
  };
  const TPrintReport report = PrintQuiz(quiz, options);
  WarnProblems(path, report.Problems);
  return 0;
}

const TCommandRegistrar kPdf{{
    "pdf",
    "Write the quiz pages, and the answer key, as PDF files",
    "Usage: sumcraft-cli pdf QUIZ.qiz -o OUT.pdf [--key KEY.pdf] [--paper letter|a4]\n"
    "                        [--dpi N] [--recreate] [--seed N] [--label L]\n"
    "\n"
    "Lays the quiz out as Sumcraft prints it on its \"Save as PDF\" printer and\n"
    "writes the pages to OUT.pdf; with --key, the same pages with every answer\n"
    "filled in to KEY.pdf. A file is replaced only once written whole. The\n"
    "files are those the program's \"Save as PDF\" writes for the same quiz\n"
    "and paper, byte for byte; each is titled with the quiz title.\n"
    "\n"
    "Pages are drawn with the text styles and fonts shipped inside Sumcraft,\n"
    "never the user's Styles.rpt, so the output is the same on every machine.\n"
    "A question that cannot be drawn (a value no dialog gives, from an edited\n"
    "file) shows a note in its place and a warning on standard error; the PDF\n"
    "is still written and the exit status is 0.\n"
    "\n"
    "Options:\n"
    "  -o, --output OUT.pdf  the quiz PDF to write (required); - writes it to\n"
    "                        standard output\n"
    "  --key KEY.pdf         also write the answer key (- for standard output)\n"
    "  --paper letter|a4     the paper (default letter)\n"
    "  --dpi N               the resolution the pages are laid out at, 72 to 2400\n"
    "                        (default 600); it sets the printer pixels that every\n"
    "                        position is measured in, as a real printer's does\n"
    "  --recreate            generate every set again first, as \"Re-create Quiz\"\n"
    "                        does; the quiz file is not changed. Without --seed the\n"
    "                        seed used is printed (\"seed N\"; on standard error\n"
    "                        when a PDF goes to standard output)\n"
    "  --seed N              with --recreate: start the random source at N\n"
    "                        (0 to 4294967295)\n"
    "  --label L             with --recreate: print the quiz as version L of\n"
    "                        several (a letter, A to Z, or AA and on): \"Version L\"\n"
    "                        above the header, and the seed in the key's footer,\n"
    "                        as the program and \"versions\" print version L\n",
    {{"--output", "-o", true},
     {"--key", "", true},
     {"--paper", "", true},
     {"--dpi", "", true},
     {"--recreate", "", false},
     {"--seed", "", true},
     {"--label", "", true}},
    Run,
    40,
}};

}  // namespace

}  // namespace sumcraft::cli
