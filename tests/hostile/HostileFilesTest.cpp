// Every file here is one a colleague could mail or a disk could damage. Each
// must give a clear error naming the file and the line, or a reading that
// can be generated again, laid out with and without answers, and saved
// without corrupting anything.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "generate/GenerationError.h"
#include "generate/Generate.h"
#include "quiz/QuizFile.h"
#include "quiz/QuizFileError.h"
#include "render/Canvas.h"
#include "render/FakePrinter.h"
#include "render/Layout.h"

using namespace sumcraft;

namespace {

std::string DataFile(const std::string& name) { return std::string(SUMCRAFT_HOSTILE_DATA) + "/" + name; }

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TQuiz Open(const std::string& path) {
  TQuiz quiz;
  quiz.FileName = path;
  EXPECT_EQ(quiz.LoadFromFile(), TLoadResult::Loaded) << path;
  return quiz;
}

class HostileFiles : public ::testing::Test {
protected:
  TFakePrinter printer;
  QTemporaryDir dir;

  // Lays out with and without answers; returns the problems the key reports.
  std::vector<std::string> LayOut(TQuiz& quiz) {
    Layout(quiz, false, &printer);
    EXPECT_GE(QuizPages(quiz).PageCount(), 1);
    return Layout(quiz, true, &printer).Problems;
  }

  // Saves, opens again and saves again: the two files must be equal.
  void SaveTwice(TQuiz& quiz) {
    quiz.FileName = dir.filePath("saved.qiz").toStdString();
    ASSERT_TRUE(quiz.SaveToFile());
    const std::string first = ReadBytes(quiz.FileName);
    TQuiz again = Open(quiz.FileName);
    again.FileName = dir.filePath("again.qiz").toStdString();
    ASSERT_TRUE(again.SaveToFile());
    EXPECT_EQ(ReadBytes(again.FileName), first);
  }

  // Generates every set again with its own count; returns how many refused.
  int Recreate(TQuiz& quiz) {
    int refused = 0;
    for (TQuestionSet& set : quiz.Sets) {
      try {
        Generate(set, static_cast<int>(set.Count()));
      } catch (const GenerationError&) {
        ++refused;
      }
    }
    return refused;
  }
};

void ExpectError(const std::string& name, int line) {
  TQuiz quiz;
  quiz.QuizTitle = "before";
  quiz.FileName = DataFile(name);
  try {
    quiz.LoadFromFile();
    ADD_FAILURE() << name << " was read";
  } catch (const QuizFileError& e) {
    EXPECT_EQ(e.Line(), line) << e.what();
    EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
  }
  EXPECT_EQ(quiz.QuizTitle, "before") << "nothing half-read";
}

}  // namespace

TEST_F(HostileFiles, NumbersThatAreNotNumbersNameFileAndLine) {
  ExpectError("number-beyond-32-bits.qiz", 17);
  ExpectError("not-a-number.qiz", 17);
}

TEST_F(HostileFiles, DamagedFilesLoadWhatTheyHoldAndSayWhatWasLost) {
  struct Case {
    const char* name;
    TLoadResult result;
    std::size_t sets;
    const char* lost;  // a part of the only warning; nullptr: read whole
  };
  const Case cases[] = {
      {"old-version.qiz", TLoadResult::TooOld, 0, nullptr},
      {"binary-garbage.qiz", TLoadResult::TooOld, 0, nullptr},
      {"empty.qiz", TLoadResult::Empty, 0, nullptr},
      {"garbage-after-version.qiz", TLoadResult::Loaded, 0, "none of the 17 lines after the version line"},
      {"binary-garbage-high-first-byte.qiz", TLoadResult::Loaded, 0, "none of the 16 lines after the version"},
      {"truncated-section.qiz", TLoadResult::Loaded, 1,
       "line 18: the file ends inside a question, before its END line; its last line, \"SECONDTERM=30\""},
      {"lf-only-and-unclosed.qiz", TLoadResult::Loaded, 2, "line 26: the file ends inside the options of a"},
      {"blanks-and-cr-on-structure-lines.qiz", TLoadResult::Loaded, 2, nullptr},
  };
  for (const Case& c : cases) {
    TQuiz quiz;
    quiz.FileName = DataFile(c.name);
    std::vector<std::string> lost;
    ASSERT_EQ(quiz.LoadFromFile(&lost), c.result) << c.name;
    EXPECT_EQ(quiz.Sets.Count(), c.sets) << c.name;
    if (!c.lost) {
      EXPECT_TRUE(lost.empty()) << c.name << ": " << (lost.empty() ? "" : lost.front());
      continue;
    }
    ASSERT_EQ(lost.size(), 1u) << c.name;
    EXPECT_NE(lost.front().find(c.lost), std::string::npos) << c.name << ": " << lost.front();
    LayOut(quiz);
    SaveTwice(quiz);
  }
}

TEST_F(HostileFiles, WhatADamagedFileHeldIsReadAsBefore) {
  TQuiz quiz = Open(DataFile("truncated-section.qiz"));
  ASSERT_EQ(quiz.Sets.Item(0).Count(), 1u);
  EXPECT_EQ(quiz.Sets.Item(0).Item(0).FirstTerm, 12);
  EXPECT_EQ(quiz.Sets.Item(0).Item(0).SecondTerm, 0) << "the last line is not interpreted";

  TQuiz lf = Open(DataFile("lf-only-and-unclosed.qiz"));
  EXPECT_EQ(lf.Sets.Item(0).Options.Operand, ptSubtraction);
  EXPECT_EQ(lf.Sets.Item(1).Options.Operand, ptAddition);
  EXPECT_EQ(Recreate(lf), 0);

  // Blanks, tabs and CRs after BEGIN and END lines do not hide them.
  TQuiz hand = Open(DataFile("blanks-and-cr-on-structure-lines.qiz"));
  EXPECT_EQ(hand.QuizTitle, "Edited by hand ");
  ASSERT_EQ(hand.Sets.Item(0).Count(), 2u);
  EXPECT_EQ(hand.Sets.Item(0).Options.Operand, ptSubtraction);
  EXPECT_EQ(hand.Sets.Item(0).Item(1).FirstTerm, 40);
  EXPECT_EQ(hand.Sets.Item(1).Item(0).SecondTerm, 4);
}

TEST_F(HostileFiles, NegativeCountsSizesAndValuesLayOut) {
  TQuiz quiz = Open(DataFile("negative-counts-and-sizes.qiz"));
  LayOut(quiz);
  SaveTwice(quiz);
  Recreate(quiz);
  LayOut(quiz);
}

TEST_F(HostileFiles, ZeroDivisorsAndDenominatorsAreNamedNotFatal) {
  TQuiz quiz = Open(DataFile("zero-divisors-and-denominators.qiz"));
  const std::vector<std::string> problems = LayOut(quiz);
  ASSERT_FALSE(problems.empty());
  bool namedSet = false, namedComparison = false, namedShape = false;
  for (const std::string& p : problems) {
    namedSet = namedSet || p.find("ADenominator outside range") != std::string::npos;
    namedShape = namedShape || p.find("Parts outside range (100000;") != std::string::npos;
    namedComparison = namedComparison || p.find("Denominator not > 0.") != std::string::npos;
    EXPECT_EQ(p.rfind("Question ", 0), 0u) << p;
  }
  EXPECT_TRUE(namedSet);
  EXPECT_TRUE(namedComparison);
  EXPECT_TRUE(namedShape);
  SaveTwice(quiz);
}

TEST_F(HostileFiles, GraphsWithoutIncrementsOrWithAbsurdOnesLayOut) {
  // A hang here is caught by the test runner's timeout; speed is measured
  // in bench/, not here, where the machine's load decides the time.
  TQuiz quiz = Open(DataFile("increment-count-zero.qiz"));
  LayOut(quiz);
  EXPECT_EQ(Recreate(quiz), 0);
  LayOut(quiz);
  SaveTwice(quiz);
}

TEST_F(HostileFiles, UnknownProblemTypesPrintTheirNumbers) {
  TQuiz quiz = Open(DataFile("unknown-problem-types.qiz"));
  ASSERT_EQ(quiz.Sets.Count(), 4u);
  EXPECT_EQ(quiz.Sets.Item(3).Options.Operand, ptTables) << "266 keeps its low 8 bits";
  EXPECT_EQ(Recreate(quiz), 0);
  LayOut(quiz);
  EXPECT_NE(QuizPages(quiz).PageOps(1)->FindText("4)"), nullptr);
  SaveTwice(quiz);
}

TEST_F(HostileFiles, ALineBreakInATextNeverCorruptsTheSavedFile) {
  TQuiz quiz = Open(DataFile("line-break-in-text.qiz"));
  LayOut(quiz);
  SaveTwice(quiz);
  const std::string saved = ReadBytes(quiz.FileName);
  for (std::size_t i = 0; i < saved.size(); ++i) {
    if (saved[i] == '\r') {
      ASSERT_EQ(saved[i + 1], '\n') << "a lone CR at byte " << i;
    }
    if (saved[i] == '\n') {
      ASSERT_EQ(saved[i - 1], '\r') << "a lone LF at byte " << i;
    }
  }
  TQuiz again = Open(quiz.FileName);
  EXPECT_EQ(again.QuizTitle, "Week 3 spelling");
  EXPECT_EQ(again.Sets.Item(0).Options.ItemName, "app les");
}

TEST_F(HostileFiles, ImpossibleOptionsRefuseOnlyTheirOwnSet) {
  TQuiz quiz = Open(DataFile("impossible-options.qiz"));
  ASSERT_EQ(quiz.Sets.Count(), 4u);
  const TQuestionSet before = [&] {
    TQuestionSet copy;
    copy.Assign(quiz.Sets.Item(0));
    return copy;
  }();
  EXPECT_EQ(Recreate(quiz), 2);
  ASSERT_EQ(quiz.Sets.Item(0).Count(), 1u);
  EXPECT_TRUE(quiz.Sets.Item(0).Item(0).SameAs(before.Item(0))) << "a refused set keeps its questions";
  EXPECT_EQ(quiz.Sets.Item(2).Item(0).FirstTerm, quiz.Sets.Item(2).Item(0).SecondTerm)
      << "even division with no fitting quotient falls back to the divisor";
  LayOut(quiz);
  SaveTwice(quiz);
}

// Megabytes of text cost what the file's questions and pages cost: texts
// are cut when read, and no page measures or records more than fits on it.
TEST_F(HostileFiles, HugeTextsCostWhatTheQuestionsCost) {
  struct Case {
    const char* what;
    std::size_t bytes;
    std::uint8_t operand;
    int questions;
    const char* key;  // the quiz line or options key holding the text
  };
  const Case cases[] = {
      {"an item name of 1 MiB", std::size_t{1} << 20, ptTables, 400, "QITEMNAME"},
      {"a title of 4 MiB", std::size_t{4} << 20, ptAddition, 3000, "QUIZTITLE"},
  };
  for (const Case& c : cases) {
    std::string text(c.bytes, 'x');
    for (std::size_t i = 7; i + 1 < text.size(); i += 8) text[i] = ' ';
    const std::string path = dir.filePath("long.qiz").toStdString();
    {
      std::ofstream out(path, std::ios::binary);
      out << "2.0.0.\r\nPRINTQUIZTITLE=YES\r\n";
      if (std::string_view(c.key) == "QUIZTITLE") out << "QUIZTITLE=" << text << "\r\n";
      out << "BEGIN QUESTIONSET\r\nBEGIN QOPTIONS\r\nQOPERAND=" << int{c.operand} << "\r\n";
      if (std::string_view(c.key) != "QUIZTITLE") out << c.key << "=" << text << "\r\n";
      out << "END QOPTIONS\r\n";
      for (int i = 0; i < c.questions; ++i)
        out << "BEGIN QUESTION\r\nFIRSTTERM=" << i % 4 << "\r\nSECONDTERM=" << (i + 1) % 4 << "\r\nOPERAND="
            << int{c.operand} << "\r\nTABLEPROBLEMTYPE=" << i % 3 << "\r\nEND QUESTION\r\n";
      out << "END QUESTIONSET\r\n";
    }
    TQuiz quiz;
    quiz.FileName = path;
    std::vector<std::string> lost;
    ASSERT_EQ(quiz.LoadFromFile(&lost), TLoadResult::Loaded) << c.what;
    ASSERT_EQ(lost.size(), 1u) << c.what;
    EXPECT_NE(lost.front().find(std::string(c.key) + " holds " + std::to_string(c.bytes) + " bytes; only its first " +
                                std::to_string(kMaxTextLength)),
              std::string::npos)
        << lost.front();
    LayOut(quiz);

    // Everything stays on its page, and a page records no more text than a
    // page of ordinary questions would.
    const TMetaReport& pages = QuizPages(quiz);
    std::size_t bytes = 0;
    for (int p = 1; p <= pages.PageCount(); ++p) {
      const TDisplayList& page = *pages.PageOps(p);
      for (const TDrawOp* op : page.TextOps()) {
        EXPECT_LT(op->Y1, pages.PrintableHeight()) << c.what << ", page " << p << ": " << page.TextOf(*op).substr(0, 80);
        bytes += page.TextOf(*op).size();
      }
    }
    EXPECT_LT(bytes, static_cast<std::size_t>(pages.PageCount()) * 8000u) << c.what;
    EXPECT_LT(pages.PageCount(), c.questions / 4) << c.what << ": questions share pages";
    EXPECT_GT(pages.PageOps(1)->TextOps().size(), 10u) << c.what << ": no page holds only a header";
    SaveTwice(quiz);
  }
}

TEST_F(HostileFiles, AQuizOfOneHundredThousandQuestions) {
  TQuiz big;
  TQuestionSet set;
  set.Options.Regrouping = true;
  set.Options.FirstTermType = set.Options.SecondTermType = 3;
  Generate(set, 100000);
  big.Sets.Add(std::move(set));
  big.FileName = dir.filePath("big.qiz").toStdString();
  ASSERT_TRUE(big.SaveToFile());
  TQuiz quiz = Open(big.FileName);
  ASSERT_EQ(quiz.QuestionCount(), 100000u);
  Layout(quiz, false, &printer);
  EXPECT_GT(QuizPages(quiz).PageCount(), 1000);
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
