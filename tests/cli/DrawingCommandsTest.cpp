// The drawing commands of sumcraft-cli (pdf, layout, versions), run as a
// user runs them: no display, a fresh home folder. PDFs are checked with
// poppler's pdfinfo and pdftotext.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <regex>

#include "RunCli.h"
#include "generate/Generate.h"
#include "generate/Random.h"
#include "quiz/Quiz.h"
#include "support/TempFolder.h"

namespace sumcraft {
namespace {

namespace fs = std::filesystem;
using test::CliResult;
using test::ReadBytes;
using test::TempFolder;

const std::string kEveryType = SUMCRAFT_CLI_DATA "/every-type.qiz";

// Output of a shell command line; the arguments are our own temporary paths.
std::string Capture(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

struct PdfInfo {
  int pages = -1;
  std::string size;  // "612 x 792"
};

PdfInfo Info(const std::string& pdf) {
  const std::string text = Capture("pdfinfo '" + pdf + "' 2>/dev/null");
  PdfInfo info;
  std::smatch m;
  if (std::regex_search(text, m, std::regex("Pages:\\s+(\\d+)"))) info.pages = std::stoi(m[1]);
  if (std::regex_search(text, m, std::regex("Page size:\\s+([\\d.]+ x [\\d.]+)"))) info.size = m[1];
  return info;
}

std::string PdfText(const std::string& pdf) { return Capture("pdftotext -layout '" + pdf + "' - 2>/dev/null"); }

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

class DrawingCommandsTest : public test::CliFixture {
protected:

  QJsonObject LayoutOf(const std::vector<std::string>& args) {
    const CliResult r = Run(args);
    EXPECT_EQ(r.status, 0) << r.err;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
  }
};

TEST_F(DrawingCommandsTest, HelpNamesTheCommandsAndTheShippedStyles) {
  const CliResult overview = Run({"--help"});
  for (const char* command : {"pdf", "layout", "versions"})
    EXPECT_NE(overview.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
  const CliResult pdf = Run({"pdf", "--help"});
  EXPECT_EQ(pdf.status, 0);
  EXPECT_TRUE(pdf.out.starts_with("Usage: sumcraft-cli pdf QUIZ.qiz -o OUT.pdf [--key KEY.pdf]")) << pdf.out;
  EXPECT_TRUE(Run({"layout", "-h"}).out.starts_with("Usage: sumcraft-cli layout QUIZ.qiz [--answers]"));
  EXPECT_TRUE(Run({"help", "versions"}).out.starts_with("Usage: sumcraft-cli versions QUIZ.qiz --count K -o DIR"));
  for (const char* command : {"pdf", "layout", "versions"})
    EXPECT_NE(Run({command, "--help"}).out.find("never the user's Styles.rpt"), std::string::npos) << command;
}

TEST_F(DrawingCommandsTest, PdfWritesTheQuizAndAKeyOfTheSamePages) {
  const CliResult r = Run({"pdf", kEveryType, "-o", File("quiz.pdf"), "--key", File("key.pdf")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  const PdfInfo quiz = Info(File("quiz.pdf")), key = Info(File("key.pdf"));
  EXPECT_GT(quiz.pages, 1);
  EXPECT_EQ(key.pages, quiz.pages);
  EXPECT_EQ(quiz.size, "612 x 792");
  EXPECT_EQ(key.size, "612 x 792");

  // Real text; the answers only in the key; the same page numbers in both.
  const std::string quizText = PdfText(File("quiz.pdf")), keyText = PdfText(File("key.pdf"));
  EXPECT_NE(quizText.find("Calculate the total amount shown:"), std::string::npos);
  EXPECT_EQ(Count(quizText, "Total: $"), 0);
  EXPECT_EQ(Count(keyText, "Total: $"), 4);
  EXPECT_NE(keyText.find("Mrs. Brown's class \xC3\xA9t\xC3\xA9 \xC3\xB7"), std::string::npos);
  for (int n = 1; n <= quiz.pages; ++n) {
    const std::string number = "Page " + std::to_string(n) + "\n";
    EXPECT_EQ(Count(quizText, number), 1) << n;
    EXPECT_EQ(Count(keyText, number), 1) << n;
  }

  // A4 at another resolution: the paper changes, the pages stay whole.
  ASSERT_EQ(Run({"pdf", kEveryType, "-o", File("a4.pdf"), "--paper", "A4", "--dpi", "300"}).status, 0);
  EXPECT_EQ(Info(File("a4.pdf")).size, "595.276 x 841.89");
  EXPECT_FALSE(fs::exists(File("a4-key.pdf")));
}

TEST_F(DrawingCommandsTest, PdfRefusesWrongArgumentsAndWritesNothing) {
  const std::string out = File("out.pdf");
  ExpectUsageError({"pdf", kEveryType});
  ExpectUsageError({"pdf", kEveryType, "-o", out, "--paper", "legal"});
  ExpectUsageError({"pdf", kEveryType, "-o", out, "--dpi", "71"});
  ExpectUsageError({"pdf", kEveryType, "-o", out, "--dpi", "2401"});
  ExpectUsageError({"pdf", kEveryType, "-o", out, "--dpi", "300dpi"});
  ExpectUsageError({"pdf", kEveryType, "-o", out, "--seed", "3"});
  ExpectUsageError({"pdf", kEveryType, "-o", out, "--recreate", "--seed", "-3"});
  ExpectUsageError({"pdf", kEveryType, "-o", out, "--key", out});
  ExpectUsageError({"pdf", kEveryType, "-o", kEveryType});
  ExpectUsageError({"pdf", kEveryType, "-o", out, "--answers"});
  EXPECT_FALSE(fs::exists(out));

  const CliResult missing = Run({"pdf", File("none.qiz"), "-o", out});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "sumcraft-cli: " + File("none.qiz") + ": no such file\n");
  const CliResult folder = Run({"pdf", kEveryType, "-o", File("no/such/folder.pdf")});
  EXPECT_EQ(folder.status, 1);
  EXPECT_NE(folder.err.find(File("no/such/folder.pdf")), std::string::npos) << folder.err;
  EXPECT_EQ(std::count(folder.err.begin(), folder.err.end(), '\n'), 1) << folder.err;
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(DrawingCommandsTest, UndrawableQuestionsAreWarningsAndThePdfIsWritten) {
  TQuiz quiz;
  TQuestionSet set;
  set.Options.Operand = ptFractions;
  set.Options.FractionType = 1;
  SetRandomState(3);
  Generate(set, 3);
  set.Item(1).SecondTerm = 15;
  quiz.Sets.Add(std::move(set));
  quiz.FileName = File("odd.qiz");
  quiz.SaveToFile();

  const CliResult r = Run({"pdf", File("odd.qiz"), "-o", File("odd.pdf"), "--key", File("odd-key.pdf")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(r.err.starts_with("sumcraft-cli: warning: " + File("odd.qiz") + ": Question 2: ADenominator outside range"))
      << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  EXPECT_EQ(Info(File("odd.pdf")).pages, 1);
  EXPECT_EQ(Info(File("odd-key.pdf")).pages, 1);

  const QJsonObject layout = LayoutOf({"layout", File("odd.qiz")});
  const QJsonArray problems = layout["problems"].toArray();
  ASSERT_EQ(problems.size(), 1);
  EXPECT_TRUE(problems[0].toString().startsWith("Question 2: ADenominator outside range"));
}

TEST_F(DrawingCommandsTest, PdfRecreatesWithASeedOrReportsTheSeedItTook) {
  const CliResult seeded =
      Run({"pdf", kEveryType, "-o", File("a.pdf"), "--recreate", "--seed", "77", "--dpi", "150"});
  ASSERT_EQ(seeded.status, 0) << seeded.err;
  EXPECT_EQ(seeded.out, "");
  ASSERT_EQ(Run({"pdf", kEveryType, "-o", File("b.pdf"), "--recreate", "--seed=77", "--dpi", "150"}).status, 0);
  ASSERT_EQ(Run({"pdf", kEveryType, "-o", File("c.pdf"), "--dpi", "150"}).status, 0);
  EXPECT_EQ(PdfText(File("a.pdf")), PdfText(File("b.pdf")));
  EXPECT_NE(PdfText(File("a.pdf")), PdfText(File("c.pdf")));

  const CliResult clock = Run({"pdf", kEveryType, "-o", File("d.pdf"), "--recreate", "--dpi", "150"});
  ASSERT_EQ(clock.status, 0) << clock.err;
  std::smatch m;
  ASSERT_TRUE(std::regex_match(clock.out, m, std::regex("seed (\\d+)\n"))) << clock.out;
  ASSERT_EQ(Run({"pdf", kEveryType, "-o", File("e.pdf"), "--recreate", "--seed", m[1], "--dpi", "150"}).status, 0);
  EXPECT_EQ(PdfText(File("d.pdf")), PdfText(File("e.pdf")));
}

TEST_F(DrawingCommandsTest, LayoutPrintsThePagesAsJson) {
  const QJsonObject layout = LayoutOf({"layout", kEveryType});
  EXPECT_EQ(layout["resolution"].toArray(), (QJsonArray{600, 600}));
  EXPECT_EQ(layout["printable"].toArray(), (QJsonArray{4800, 6600}));
  EXPECT_EQ(layout["physical"].toArray(), (QJsonArray{5100, 6600}));
  EXPECT_EQ(layout["offset"].toArray(), (QJsonArray{150, 0}));
  EXPECT_EQ(layout["margins"].toArray(), (QJsonArray{150, 300, 4950, 6150}));
  EXPECT_EQ(layout["problems"].toArray(), QJsonArray());

  const QJsonArray sets = layout["sets"].toArray();
  ASSERT_EQ(sets.size(), 19);
  int lastPage = 1;
  for (const QJsonValue& value : sets) {
    const QJsonObject set = value.toObject();
    for (const char* key : {"firstPage", "lastPage", "startX", "startY", "endX", "endY"})
      EXPECT_TRUE(set[key].isDouble()) << key;
    EXPECT_GE(set["firstPage"].toInt(), lastPage);
    EXPECT_GE(set["lastPage"].toInt(), set["firstPage"].toInt());
    lastPage = set["lastPage"].toInt();
    EXPECT_GE(set["startY"].toInt(), 300);
    EXPECT_LE(set["endY"].toInt(), 6150);
  }

  const QJsonArray pages = layout["pages"].toArray();
  ASSERT_EQ(pages.size(), lastPage);
  bool footer = false, number = false, line = false;
  for (const QJsonValue& page : pages) {
    for (const QJsonValue& value : page.toObject()["ops"].toArray()) {
      const QJsonObject op = value.toObject();
      if (op["op"] == "text") {
        for (const char* key : {"x", "y", "w", "h"}) EXPECT_TRUE(op[key].isDouble()) << key;
        footer = footer || op["text"].toString() == QString::fromUtf8("Mrs. Brown's class \xC3\xA9t\xC3\xA9 \xC3\xB7");
        number = number || op["text"].toString() == "84)";
      }
      line = line || op["op"] == "line";
    }
  }
  EXPECT_TRUE(footer);
  EXPECT_TRUE(number);
  EXPECT_TRUE(line);

  // The same quiz lays out the same way every time; the key is the same pages.
  EXPECT_EQ(Run({"layout", kEveryType}).out, Run({"layout", kEveryType}).out);
  const QJsonObject key = LayoutOf({"layout", kEveryType, "--answers"});
  EXPECT_EQ(key["pages"].toArray().size(), pages.size());
  EXPECT_EQ(key["sets"].toArray(), sets);
  EXPECT_TRUE(key["answers"].toBool());
  EXPECT_NE(QJsonDocument(key).toJson().indexOf("Total: $"), -1);
  EXPECT_EQ(QJsonDocument(layout).toJson().indexOf("Total: $"), -1);

  const QJsonObject a4 = LayoutOf({"layout", kEveryType, "--paper", "a4", "--dpi", "300"});
  EXPECT_EQ(a4["resolution"].toArray(), (QJsonArray{300, 300}));
  EXPECT_EQ(a4["physical"].toArray(), (QJsonArray{2480, 3508}));
  EXPECT_EQ(a4["paper"].toString(), "a4");
}

TEST_F(DrawingCommandsTest, VersionsWritesPairedFilesFromConsecutiveSeeds) {
  const std::string dir = File("out/versions");
  const CliResult r = Run({"versions", kEveryType, "--count", "3", "-o", dir, "--seed", "4294967295"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "every-type-v01: seed 4294967295\nevery-type-v02: seed 0\nevery-type-v03: seed 1\n");
  EXPECT_EQ(r.err, "");
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"every-type-v01-key.pdf", "every-type-v01.pdf", "every-type-v01.qiz",
                                             "every-type-v02-key.pdf", "every-type-v02.pdf", "every-type-v02.qiz",
                                             "every-type-v03-key.pdf", "every-type-v03.pdf", "every-type-v03.qiz"}));
  std::vector<std::string> quizzes;
  for (const char* v : {"01", "02", "03"}) {
    const std::string base = dir + "/every-type-v" + v;
    quizzes.push_back(ReadBytes(base + ".qiz"));
    const PdfInfo pdf = Info(base + ".pdf"), key = Info(base + "-key.pdf");
    EXPECT_GT(pdf.pages, 0) << v;
    EXPECT_EQ(key.pages, pdf.pages) << v;
    EXPECT_EQ(Count(PdfText(base + "-key.pdf"), "Total: $"), 4) << v;
    EXPECT_EQ(Count(PdfText(base + ".pdf"), "Total: $"), 0) << v;
  }
  EXPECT_NE(quizzes[0], quizzes[1]);
  EXPECT_NE(quizzes[1], quizzes[2]);
  EXPECT_NE(quizzes[0], ReadBytes(kEveryType));

  // Each version is "recreate" with its seed; the same seeds give the same
  // files again, replacing the old ones.
  ASSERT_EQ(Run({"recreate", kEveryType, "-o", File("r.qiz"), "--seed", "0"}).status, 0);
  EXPECT_EQ(ReadBytes(File("r.qiz")), quizzes[1]);
  const std::string pdf = ReadBytes(dir + "/every-type-v02.pdf"), key = ReadBytes(dir + "/every-type-v02-key.pdf");
  test::WriteBytes(dir + "/every-type-v02.pdf", "stale");
  ASSERT_EQ(Run({"versions", kEveryType, "--count", "2", "-o", dir, "--seed", "4294967295"}).status, 0);
  EXPECT_EQ(ReadBytes(dir + "/every-type-v02.qiz"), quizzes[1]);
  EXPECT_EQ(ReadBytes(dir + "/every-type-v02.pdf"), pdf);
  EXPECT_EQ(ReadBytes(dir + "/every-type-v02-key.pdf"), key);
  EXPECT_NE(pdf, key);

  // Versions are labelled, the key naming the seed; "pdf --recreate --label"
  // makes a version again byte for byte. One version alone has no label.
  EXPECT_EQ(Count(PdfText(dir + "/every-type-v02.pdf"), "Version B"), Info(dir + "/every-type-v02.pdf").pages);
  EXPECT_EQ(Count(PdfText(dir + "/every-type-v02-key.pdf"), "Version B, seed 0"), Info(dir + "/every-type-v02.pdf").pages);
  ASSERT_EQ(Run({"pdf", kEveryType, "--recreate", "--seed", "0", "--label", "b", "-o", File("b.pdf"), "--key",
                 File("b-key.pdf")}).status, 0);
  EXPECT_EQ(ReadBytes(File("b.pdf")), pdf);
  EXPECT_EQ(ReadBytes(File("b-key.pdf")), key);
  ASSERT_EQ(Run({"versions", kEveryType, "--count", "1", "-o", File("one"), "--seed", "0"}).status, 0);
  ASSERT_EQ(Run({"pdf", kEveryType, "--recreate", "--seed", "0", "-o", File("plain.pdf"), "--key",
                 File("plain-key.pdf")}).status, 0);
  EXPECT_EQ(ReadBytes(File("one/every-type-v01-key.pdf")), ReadBytes(File("plain-key.pdf")));
  EXPECT_EQ(Count(PdfText(File("plain-key.pdf")), "Version"), 0);
}

TEST_F(DrawingCommandsTest, VersionsWithoutASeedNamesTheSeedsItTook) {
  const CliResult r = Run({"versions", kEveryType, "--count", "2", "-o", File("v"), "--paper", "a4"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::smatch m;
  ASSERT_TRUE(std::regex_match(r.out, m, std::regex("every-type-v01: seed (\\d+)\nevery-type-v02: seed (\\d+)\n")))
      << r.out;
  EXPECT_EQ(std::stoull(m[2]), (std::stoull(m[1]) + 1) % 4294967296ull);
  EXPECT_EQ(Info(File("v/every-type-v01.pdf")).size, "595.276 x 841.89");
  ASSERT_EQ(Run({"recreate", kEveryType, "-o", File("r.qiz"), "--seed", m[1]}).status, 0);
  EXPECT_EQ(ReadBytes(File("r.qiz")), ReadBytes(File("v/every-type-v01.qiz")));
}

TEST_F(DrawingCommandsTest, VersionsRefusesWrongArguments) {
  for (const char* count : {"0", "1001", "x", "-1", ""})
    ExpectUsageError({"versions", kEveryType, "--count", count, "-o", File("v")});
  ExpectUsageError({"versions", kEveryType, "-o", File("v")});
  ExpectUsageError({"versions", kEveryType, "--count", "2"});
  ExpectUsageError({"versions", kEveryType, "--count", "2", "-o", File("v"), "--dpi", "300"});
  for (const char* label : {"B2", "", "ABCD"})
    ExpectUsageError({"pdf", kEveryType, "--recreate", "--label", label, "-o", File("v.pdf")});
  ExpectUsageError({"pdf", kEveryType, "--label", "B", "-o", File("v.pdf")});
  EXPECT_FALSE(fs::exists(File("v")));

  test::WriteBytes(File("plain"), "not a folder");
  const CliResult r = Run({"versions", kEveryType, "--count", "2", "-o", File("plain")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(File("plain")), std::string::npos) << r.err;
}

// Drawing never needs a window: a platform named in the environment that
// cannot start here, or no home folder, changes nothing.
TEST_F(DrawingCommandsTest, TheEnvironmentNeverStopsTheDrawing) {
  const std::string expected = Run({"layout", kEveryType}).out;
  ASSERT_NE(expected, "");
  const std::pair<const char*, test::CliEnvironment> environments[] = {
      {"xcb without a display", {{"QT_QPA_PLATFORM", "xcb"}}},
      {"wayland without a compositor", {{"QT_QPA_PLATFORM", "wayland"}}},
      {"a platform that does not exist", {{"QT_QPA_PLATFORM", "nonsense"}}},
      {"no home folder", {{"HOME", std::nullopt}}},
  };
  for (const auto& [name, environment] : environments) {
    const CliResult r = Run({"layout", kEveryType}, environment);
    EXPECT_EQ(r.status, 0) << name << ": " << r.err;
    EXPECT_TRUE(r.out == expected) << name;
  }
}

TEST_F(DrawingCommandsTest, DrawingWritesNothingOutsideTheNamedFiles) {
  ASSERT_EQ(Run({"pdf", kEveryType, "-o", File("q.pdf"), "--key", File("k.pdf"), "--dpi", "150"}).status, 0);
  ASSERT_EQ(Run({"layout", kEveryType}).status, 0);
  ASSERT_EQ(Run({"versions", kEveryType, "--count", "1", "-o", File("v"), "--seed", "1"}).status, 0);
  EXPECT_TRUE(fs::is_empty(Home()));
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder_.Path())) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"home", "k.pdf", "q.pdf", "v"}));
}

}  // namespace
}  // namespace sumcraft
