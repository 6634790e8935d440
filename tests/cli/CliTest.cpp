#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "RunCli.h"
#include "generate/Generate.h"
#include "generate/Random.h"
#include "quiz/QuizFile.h"
#include "support/TempFolder.h"

namespace sumcraft {
namespace {

namespace fs = std::filesystem;
using test::CliResult;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const std::string kExample = SUMCRAFT_QUIZ_DATA "/example.qiz";

class CliTest : public test::CliFixture {
protected:

  // A quiz of several sets and kinds, generated and saved to name.
  std::string WriteMixedQuiz(const std::string& name) {
    TQuiz quiz;
    quiz.QuizTitle = "Mixed review";
    const std::pair<std::uint8_t, int> sets[] = {{ptAddition, 12}, {ptTime, 6}, {ptTables, 4}, {ptGraphs, 3},
                                                 {ptFractions, 5}, {ptMoney, 0}};
    SetRandomState(1);
    for (const auto& [operand, count] : sets) {
      TQuestionSet set;
      set.Options.Operand = operand;
      set.Options.FirstTermType = operand == ptTables ? 2 : 1;
      set.Options.CoinsToUse = 15;
      Generate(set, count);
      quiz.Sets.Add(set);
    }
    quiz.FileName = File(name);
    quiz.SaveToFile();
    return quiz.FileName;
  }
};

TEST_F(CliTest, HelpAndVersion) {
  const CliResult version = Run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "sumcraft-cli " SUMCRAFT_VERSION "\n");

  const CliResult help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"validate", "normalize", "recreate"})
    EXPECT_NE(help.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
  EXPECT_EQ(Run({"help"}).out, help.out);

  const CliResult recreate = Run({"recreate", "--help"});
  EXPECT_EQ(recreate.status, 0);
  EXPECT_TRUE(recreate.out.starts_with("Usage: sumcraft-cli recreate QUIZ.qiz -o OUT.qiz [--seed N]\n"));
  EXPECT_EQ(Run({"help", "recreate"}).out, recreate.out);
  EXPECT_TRUE(Run({"validate", "-h"}).out.starts_with("Usage: sumcraft-cli validate QUIZ.qiz\n"));
}

TEST_F(CliTest, WrongUseIsAUsageError) {
  ExpectUsageError({});
  ExpectUsageError({"frobnicate"});
  ExpectUsageError({"--frobnicate"});
  ExpectUsageError({"help", "frobnicate"});
  ExpectUsageError({"validate"});
  ExpectUsageError({"validate", kExample, kExample});
  ExpectUsageError({"validate", kExample, "--seed", "1"});
  ExpectUsageError({"normalize", kExample});
  ExpectUsageError({"normalize", kExample, "-o"});
  ExpectUsageError({"normalize", kExample, "-o", File("a.qiz"), "--output", File("b.qiz")});
  EXPECT_FALSE(fs::exists(File("a.qiz")));
}

TEST_F(CliTest, ValidateReportsSetsAndQuestionCounts) {
  const CliResult r = Run({"validate", kExample});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, kExample + ": 1 set, 1 question\n  set 1: addition, 1 question\n");
  EXPECT_EQ(r.err, "");

  const std::string mixed = WriteMixedQuiz("mixed.qiz");
  EXPECT_EQ(Run({"validate", mixed}).out,
            mixed + ": 6 sets, 30 questions\n  set 1: addition, 12 questions\n  set 2: time, 6 questions\n"
                    "  set 3: table data, 4 questions\n  set 4: bar graph, 3 questions\n"
                    "  set 5: fractions, 5 questions\n  set 6: money, 0 questions\n");
}

TEST_F(CliTest, ValidateFailsClearlyOnBadFiles) {
  const CliResult missing = Run({"validate", File("none.qiz")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "sumcraft-cli: " + File("none.qiz") + ": no such file\n");

  WriteBytes(File("old.qiz"), "1.5\r\nQUIZTITLE=old\r\n");
  const CliResult old = Run({"validate", File("old.qiz")});
  EXPECT_EQ(old.status, 1);
  EXPECT_NE(old.err.find("older than 2.0"), std::string::npos) << old.err;

  WriteBytes(File("bad.qiz"), "2.0.0.\r\nBEGIN QUESTIONSET\r\nBEGIN QUESTION\r\nFIRSTTERM=x\r\nEND QUESTION\r\n");
  const CliResult bad = Run({"validate", File("bad.qiz")});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.out, "");
  EXPECT_NE(bad.err.find(File("bad.qiz") + ", line 4: "), std::string::npos) << bad.err;
  EXPECT_EQ(std::count(bad.err.begin(), bad.err.end(), '\n'), 1);
}

TEST_F(CliTest, NormalizeWritesAsTheProgramSaves) {
  std::string sloppy;
  for (char c : ReadBytes(kExample))
    if (c != '\r') sloppy += c;
  sloppy += "UNKNOWNKEY=1\n";
  WriteBytes(File("sloppy.qiz"), sloppy);

  const CliResult r = Run({"normalize", File("sloppy.qiz"), "-o", File("clean.qiz")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out + r.err, "");
  EXPECT_EQ(ReadBytes(File("clean.qiz")), ReadBytes(kExample));
  EXPECT_EQ(ReadBytes(File("sloppy.qiz")), sloppy);

  // In place, and with the long option spelled with "=".
  EXPECT_EQ(Run({"normalize", File("sloppy.qiz"), "--output=" + File("sloppy.qiz")}).status, 0);
  EXPECT_EQ(ReadBytes(File("sloppy.qiz")), ReadBytes(kExample));
}

TEST_F(CliTest, DamagedFilesFailValidationAndAreNotReplacedUnasked) {
  const std::string cut = ReadBytes(kExample).substr(0, 900);  // ends inside the first set
  WriteBytes(File("cut.qiz"), cut);
  WriteBytes(File("empty.qiz"), "");

  const CliResult validate = Run({"validate", File("cut.qiz")});
  EXPECT_EQ(validate.status, 1);
  EXPECT_TRUE(validate.out.starts_with(File("cut.qiz") + ": 1 set, ")) << validate.out;
  EXPECT_NE(validate.err.find("the file ends inside"), std::string::npos) << validate.err;
  EXPECT_NE(Run({"validate", File("empty.qiz")}).err.find("empty.qiz: the file is empty"), std::string::npos);

  struct Case {
    std::vector<std::string> args;
    int status;
    bool replaced;
  };
  const Case cases[] = {
      {{"normalize", File("cut.qiz"), "-o", File("cut.qiz")}, 1, false},
      {{"normalize", File("cut.qiz"), "-o", File("other.qiz")}, 0, false},
      {{"normalize", File("cut.qiz"), "-o", File("cut.qiz"), "--force"}, 0, true},
  };
  for (const Case& c : cases) {
    const CliResult r = Run(c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_NE(r.err.find("Left out:"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(File("cut.qiz")) != cut, c.replaced) << c.args.back();
  }
  EXPECT_EQ(Run({"validate", File("cut.qiz")}).status, 0) << "forced, the file holds what was read";
}

TEST_F(CliTest, NormalizeIntoAMissingFolderFailsAndWritesNothing) {
  const CliResult r = Run({"normalize", kExample, "-o", File("no/such/folder.qiz")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(File("no/such/folder.qiz")), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(File("no")));
}

TEST_F(CliTest, RecreateWithASeedIsReproducibleAndRegeneratesInQuizOrder) {
  const std::string input = WriteMixedQuiz("mixed.qiz");
  const std::string before = ReadBytes(input);
  ASSERT_EQ(Run({"recreate", input, "-o", File("a.qiz"), "--seed", "4242"}).status, 0);
  ASSERT_EQ(Run({"recreate", input, "--seed=4242", "-o", File("b.qiz")}).status, 0);
  ASSERT_EQ(Run({"recreate", input, "-o", File("c.qiz"), "--seed", "4243"}).status, 0);
  EXPECT_EQ(ReadBytes(input), before);
  EXPECT_EQ(ReadBytes(File("a.qiz")), ReadBytes(File("b.qiz")));
  EXPECT_NE(ReadBytes(File("a.qiz")), ReadBytes(File("c.qiz")));

  // The same as seeding once and generating every set in order here.
  TQuiz expected;
  expected.FileName = input;
  ASSERT_EQ(expected.LoadFromFile(), TLoadResult::Loaded);
  SetRandomState(4242);
  for (TQuestionSet& set : expected.Sets) Generate(set, static_cast<int>(set.Count()));
  TQuizFileWriter writer;
  WriteQuiz(writer, expected);
  EXPECT_EQ(ReadBytes(File("a.qiz")), writer.Contents());

  // Counts stay; the questions change.
  TQuiz a;
  a.FileName = File("a.qiz");
  ASSERT_EQ(a.LoadFromFile(), TLoadResult::Loaded);
  TQuiz original;
  original.FileName = input;
  ASSERT_EQ(original.LoadFromFile(), TLoadResult::Loaded);
  ASSERT_EQ(a.Sets.Count(), original.Sets.Count());
  for (std::size_t i = 0; i < a.Sets.Count(); ++i) EXPECT_EQ(a.Sets.Item(i).Count(), original.Sets.Item(i).Count());
  EXPECT_EQ(a.QuizTitle, "Mixed review");
}

TEST_F(CliTest, SeedsOutsideThirtyTwoBitsAreUsageErrors) {
  const std::string input = WriteMixedQuiz("mixed.qiz");
  EXPECT_EQ(Run({"recreate", input, "-o", File("max.qiz"), "--seed", "4294967295"}).status, 0);
  EXPECT_EQ(Run({"recreate", input, "-o", File("zero.qiz"), "--seed", "0"}).status, 0);
  for (const char* seed : {"4294967296", "-1", "+1", " 1", "1e3", "", "0x10", "99999999999999999999"})
    ExpectUsageError({"recreate", input, "-o", File("bad.qiz"), "--seed", seed});
  ExpectUsageError({"recreate", input, "-o", File("bad.qiz"), "--seed"});
  EXPECT_FALSE(fs::exists(File("bad.qiz")));
}

TEST_F(CliTest, RecreateWithoutSeedStillKeepsTheCounts) {
  const std::string input = WriteMixedQuiz("mixed.qiz");
  ASSERT_EQ(Run({"recreate", input, "-o", File("out.qiz")}).status, 0);
  EXPECT_EQ(Run({"validate", File("out.qiz")}).out.substr(File("out.qiz").size()),
            Run({"validate", input}).out.substr(input.size()));
}

TEST_F(CliTest, NothingIsWrittenOutsideTheNamedFiles) {
  const std::string input = WriteMixedQuiz("mixed.qiz");
  Run({"validate", input});
  Run({"normalize", input, "-o", File("n.qiz")});
  Run({"recreate", input, "-o", File("r.qiz"), "--seed", "5"});
  EXPECT_TRUE(fs::is_empty(Home()));
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder_.Path())) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"home", "mixed.qiz", "n.qiz", "r.qiz"}));
}

}  // namespace
}  // namespace sumcraft
