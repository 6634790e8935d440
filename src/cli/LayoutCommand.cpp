#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "cli/Command.h"
#include "cli/Drawing.h"
#include "cli/QuizFiles.h"
#include "render/Layout.h"
#include "render/MetaReport.h"

namespace sumcraft::cli {

namespace {

QJsonArray Pair(int a, int b) { return QJsonArray{a, b}; }

QJsonObject LayoutJson(const TQuiz& quiz, const TMetaReport& pages, const TLayoutResult& result, TPaper paper,
                       bool answers) {
  QJsonObject root;
  root.insert("paper", QString::fromStdString(PaperName(paper)));
  root.insert("answers", answers);
  root.insert("resolution", Pair(pages.ResolutionX(), pages.ResolutionY()));
  root.insert("printable", Pair(pages.PrintableWidth(), pages.PrintableHeight()));
  const QSize physical = pages.PhysicalPageSize();
  root.insert("physical", Pair(physical.width(), physical.height()));
  root.insert("offset", Pair(pages.OffsetX(), pages.OffsetY()));
  root.insert("margins", QJsonArray{pages.Left(), pages.Top(), pages.Right(), pages.Bottom()});

  QJsonArray sets;
  for (const TQuestionSet& set : quiz.Sets) {
    QJsonObject s;
    s.insert("operand", set.Options.Operand);
    s.insert("questions", static_cast<int>(set.Count()));
    s.insert("firstPage", set.FirstPage);
    s.insert("lastPage", set.LastPage);
    s.insert("startX", set.StartX);
    s.insert("startY", set.StartY);
    s.insert("endX", set.EndX);
    s.insert("endY", set.EndY);
    sets.append(s);
  }
  root.insert("sets", sets);

  QJsonArray pageList;
  for (int n = 1; n <= pages.PageCount(); ++n) {
    QJsonObject page;
    page.insert("number", n);
    page.insert("ops", pages.PageOps(n)->ToJson());
    pageList.append(page);
  }
  root.insert("pages", pageList);

  QJsonArray problems;
  for (const std::string& p : result.Problems) problems.append(QString::fromStdString(p));
  root.insert("problems", problems);
  return root;
}

int Run(const TParsedArgs& args) {
  const std::string& path = args.OneQuizFile();
  const TPaper paper = PaperOption(args);
  const int dpi = DpiOption(args);
  const bool answers = args.Has("--answers");

  TPdfPrinter printer;  // before the quiz, whose pages refer to it
  printer.SetPaper(paper);
  printer.SetResolution(dpi);
  TQuiz quiz = OpenQuiz(path);

  StartDrawing();
  const TLayoutResult result = Layout(quiz, answers, &printer);
  const QByteArray json =
      QJsonDocument(LayoutJson(quiz, QuizPages(quiz), result, paper, answers)).toJson(QJsonDocument::Compact);
  if (std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout) !=
          static_cast<std::size_t>(json.size()) ||
      std::fputc('\n', stdout) == EOF || std::fflush(stdout) != 0) {
    throw CliError("cannot write the layout to standard output");
  }
  WarnProblems(path, result.Problems);
  return 0;
}

const TCommandRegistrar kLayout{{
    "layout",
    "Print the page layout of a quiz as JSON",
    "Usage: sumcraft-cli layout QUIZ.qiz [--answers] [--paper letter|a4] [--dpi N]\n"
    "\n"
    "Lays the quiz out as the pdf command does and prints the layout as one\n"
    "JSON object on standard output (texts in UTF-8):\n"
    "  \"resolution\": [x, y]       printer pixels per inch\n"
    "  \"printable\": [w, h]        the printable area; every position below is\n"
    "                             in its pixels, from its top-left corner\n"
    "  \"physical\": [w, h]         the paper\n"
    "  \"offset\": [x, y]           where the printable area starts on the paper\n"
    "  \"margins\": [l, t, r, b]    the page body\n"
    "  \"sets\": [{\"firstPage\", \"lastPage\", \"startX\", \"startY\", \"endX\", \"endY\",\n"
    "            \"operand\", \"questions\"}]   where each set stands, in quiz order\n"
    "  \"pages\": [{\"number\", \"ops\": [{\"op\": \"text\", \"x\", \"y\", \"w\", \"h\", \"text\",\n"
    "            \"font\", \"size\", \"bold\"}, {\"op\": \"line\", \"x1\", \"y1\", \"x2\", \"y2\",\n"
    "            \"pen\"}, {\"op\": \"rect\"|\"fillRect\"|\"ellipse\"|\"arc\"|\"image\", ...}]}]\n"
    "  \"problems\": [\"Question 12: ...\"]   questions that could not be drawn\n"
    "  \"paper\", \"answers\"          the options used\n"
    "\n"
    "Pages are drawn with the text styles and fonts shipped inside Sumcraft,\n"
    "never the user's Styles.rpt, so the output is the same on every machine.\n"
    "Each question that could not be drawn is also a warning on standard error;\n"
    "the exit status is still 0.\n"
    "\n"
    "Options:\n"
    "  --answers           lay out the answer key (every answer filled in)\n"
    "  --paper letter|a4   the paper (default letter)\n"
    "  --dpi N             the resolution, 72 to 2400 (default 600)\n",
    {{"--answers", "", false}, {"--paper", "", true}, {"--dpi", "", true}},
    Run,
    50,
}};

}  // namespace

}  // namespace sumcraft::cli
