// The document without any window: its steps, its history, its modified
// state and what it tells its views.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>
#include <string>
#include <vector>

#include "document/QuizDocument.h"
#include "generate/Generate.h"
#include "generate/Random.h"
#include "quiz/ProblemType.h"
#include "support/TempFolder.h"

namespace sumcraft::test {
namespace {

TQuestionSet AdditionSet(int count) {
  TQuestionSet set;
  set.Options.Operand = ptAddition;
  set.Options.FirstTermType = 1;
  set.Options.SecondTermType = 1;
  Generate(set, count);
  return set;
}

// Everything a step may change, to compare states of the quiz.
std::string Contents(const TQuiz& quiz) {
  std::string text = quiz.QuizTitle + (quiz.PrintFooterText ? "|footer" : "|") + "\n";
  for (const TQuestionSet& set : quiz.Sets) {
    text += std::to_string(set.Options.Operand) + ":";
    for (const TQuizQuestion& q : set.Questions())
      text += " " + std::to_string(q.FirstTerm) + "," + std::to_string(q.SecondTerm);
    text += "\n";
  }
  return text;
}

class QuizDocumentTest : public ::testing::Test {
protected:
  void SetUp() override { SetRandomState(777); }

  // Runs one operation by its short name.
  void Run(const std::string& op) {
    if (op == "add") doc_.AddSet(AdditionSet(5));
    else if (op == "delete") doc_.DeleteSet(0);
    else if (op == "recreate") doc_.RecreateSet(0);
    else if (op == "recreateQuiz") doc_.RecreateQuiz();
    else if (op == "title") {
      TQuizPrintOptions options = TQuizPrintOptions::Of(doc_.Quiz());
      options.QuizTitle += "x";
      doc_.SetPrintOptions(options);
    } else if (op == "undo") doc_.Undo();
    else if (op == "redo") doc_.Redo();
    else if (op == "save") doc_.SaveAs(QString::fromStdString(folder_.File("q.qiz")));
    else if (op == "new") doc_.New();
    else FAIL() << "unknown operation " << op;
  }

  int UndoCount() const { return doc_.History().index(); }
  int RedoCount() const { return doc_.History().count() - doc_.History().index(); }

  TempFolder folder_;
  TQuizDocument doc_;
};

TEST_F(QuizDocumentTest, HistoryAfterASequenceOfOperations) {
  struct Case {
    std::vector<std::string> ops;
    int undo, redo;
    bool modified;
    const char* undoName;
    const char* redoName;
    int sets;
  };
  const Case cases[] = {
      {{"add", "add", "add", "undo", "undo", "undo"}, 0, 3, false, "", "Add Questions", 0},
      {{"add", "add", "delete", "undo", "undo", "redo"}, 2, 1, true, "Add Questions", "Delete Questions", 2},
      {{"add", "recreate", "title", "recreateQuiz"}, 4, 0, true, "Re-create Quiz", "", 1},
      {{"add", "title", "undo"}, 1, 1, true, "Add Questions", "Quiz Options", 1},
      {{"add", "add", "undo", "recreate"}, 2, 0, true, "Re-create Section", "", 1},  // a new step drops redo
      {{"add", "save", "add", "undo"}, 1, 1, false, "Add Questions", "Add Questions", 1},  // back at the saved step
      {{"add", "save", "undo"}, 0, 1, true, "", "Add Questions", 0},
      {{"add", "save", "undo", "add"}, 1, 0, true, "Add Questions", "", 1},  // the saved step is out of reach
      {{"add", "add", "new"}, 0, 0, false, "", "", 0},
      {{"undo", "redo", "recreateQuiz"}, 0, 0, false, "", "", 0},  // nothing to do
  };
  for (const Case& c : cases) {
    std::string ops;
    for (const std::string& op : c.ops) ops += op + " ";
    SCOPED_TRACE(ops);
    doc_.New();
    for (const std::string& op : c.ops) Run(op);
    EXPECT_EQ(UndoCount(), c.undo);
    EXPECT_EQ(RedoCount(), c.redo);
    EXPECT_EQ(doc_.Modified(), c.modified);
    EXPECT_EQ(doc_.CanUndo() ? doc_.UndoName() : QString(), QString::fromLatin1(c.undoName));
    EXPECT_EQ(doc_.CanRedo() ? doc_.RedoName() : QString(), QString::fromLatin1(c.redoName));
    EXPECT_EQ(doc_.SetCount(), c.sets);
  }
}

TEST_F(QuizDocumentTest, UndoWalksBackThroughEveryStateAndRedoForward) {
  std::vector<std::string> states{Contents(doc_.Quiz())};
  for (const char* op : {"add", "add", "recreate", "title", "delete", "recreateQuiz"}) {
    Run(op);
    states.push_back(Contents(doc_.Quiz()));
  }
  for (std::size_t i = states.size() - 1; i-- > 0;) {
    doc_.Undo();
    EXPECT_EQ(Contents(doc_.Quiz()), states[i]) << "after undo to state " << i;
  }
  for (std::size_t i = 1; i < states.size(); ++i) {
    doc_.Redo();
    EXPECT_EQ(Contents(doc_.Quiz()), states[i]) << "after redo to state " << i;
  }
}

TEST_F(QuizDocumentTest, EachChangeLaysOutOnceAndSignalsOnce) {
  QSignalSpy changed(&doc_, &TQuizDocument::Changed);
  QSignalSpy modified(&doc_, &TQuizDocument::ModifiedChanged);
  struct Case {
    const char* op;
    int addedSet;  // as the change reports it
    bool replaced;
  };
  const Case cases[] = {{"add", 0, false}, {"add", 1, false}, {"recreate", -1, false}, {"delete", -1, false},
                        {"undo", 0, false}, {"redo", -1, false}, {"new", -1, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.op);
    changed.clear();
    const std::uint64_t serial = doc_.LayoutSerial();
    Run(c.op);
    ASSERT_EQ(changed.count(), 1);
    const auto change = changed.first().first().value<TQuizChange>();
    EXPECT_EQ(change.AddedSet, c.addedSet);
    EXPECT_EQ(change.Replaced, c.replaced);
    EXPECT_EQ(doc_.LayoutSerial(), serial + 1);
  }
  // Modified went on with the first step and off with New only.
  ASSERT_EQ(modified.count(), 2);
  EXPECT_TRUE(modified.at(0).at(0).toBool());
  EXPECT_FALSE(modified.at(1).at(0).toBool());
}

TEST_F(QuizDocumentTest, RefusedStepsChangeNothing) {
  Run("add");
  TQuestionSet unknown = AdditionSet(4);
  unknown.Options.Operand = 8;  // a type this version has no generator for
  doc_.AddSet(unknown);
  const std::string before = Contents(doc_.Quiz());
  const int steps = UndoCount();
  const std::function<void()> refused[] = {
      [&] { doc_.RecreateSet(1); },  // the unknown type: questions kept, not blanked
      [&] { doc_.RecreateQuiz(); },  // all or none
      [&] { doc_.RecreateSet(2); },
      [&] { doc_.DeleteSet(-1); },
      [&] { doc_.DeleteSet(2); },
  };
  for (std::size_t i = 0; i < std::size(refused); ++i) {
    SCOPED_TRACE(i);
    EXPECT_ANY_THROW(refused[i]());
    EXPECT_EQ(Contents(doc_.Quiz()), before);
    EXPECT_EQ(UndoCount(), steps);
  }
  try {
    doc_.RecreateSet(1);
  } catch (const std::exception& error) {
    EXPECT_NE(std::string(error.what()).find("problem type"), std::string::npos) << error.what();
  }
  // Options the quiz already has are no step.
  doc_.SetPrintOptions(TQuizPrintOptions::Of(doc_.Quiz()));
  EXPECT_EQ(UndoCount(), steps);
}

TEST_F(QuizDocumentTest, OpenReplacesTheQuizOnlyWhenTheFileIsRead) {
  Run("add");
  Run("save");
  const std::string saved = Contents(doc_.Quiz());
  Run("add");
  QSignalSpy named(&doc_, &TQuizDocument::FileNameChanged);

  const TOpenResult missing = doc_.Open(QString::fromStdString(folder_.File("none.qiz")));
  EXPECT_EQ(missing.Result, TLoadResult::Missing);
  EXPECT_EQ(doc_.SetCount(), 2);
  EXPECT_TRUE(doc_.CanUndo());

  WriteBytes(folder_.File("bad.qiz"), "2.0.0.\r\nBEGIN QUESTIONSET\r\nBEGIN QUESTION\r\nFIRSTTERM=twelve\r\nEND QUESTION\r\n");
  EXPECT_ANY_THROW(doc_.Open(QString::fromStdString(folder_.File("bad.qiz"))));
  EXPECT_EQ(doc_.SetCount(), 2);

  doc_.New();
  EXPECT_EQ(doc_.Open(QString::fromStdString(folder_.File("q.qiz"))).Result, TLoadResult::Loaded);
  EXPECT_EQ(Contents(doc_.Quiz()), saved);
  EXPECT_FALSE(doc_.Modified());
  EXPECT_FALSE(doc_.CanUndo());
  EXPECT_EQ(doc_.FileName(), QString::fromStdString(folder_.File("q.qiz")));
  EXPECT_EQ(named.count(), 2);  // New cleared the name, Open set it

  // A save that fails keeps the old name and the modified mark.
  Run("add");
  EXPECT_ANY_THROW(doc_.SaveAs(QString::fromStdString(folder_.File("no/such/folder/x.qiz"))));
  EXPECT_EQ(doc_.FileName(), QString::fromStdString(folder_.File("q.qiz")));
  EXPECT_TRUE(doc_.Modified());
}

TEST_F(QuizDocumentTest, TheHistoryKeepsTheLastHundredSteps) {
  Run("add");
  for (int i = 0; i < TQuizDocument::kHistoryLimit + 5; ++i) Run("title");
  int undone = 0;
  while (doc_.CanUndo()) {
    doc_.Undo();
    ++undone;
  }
  EXPECT_EQ(undone, TQuizDocument::kHistoryLimit);
  EXPECT_EQ(doc_.Quiz().QuizTitle, "xxxxx");  // the first six steps are gone
  EXPECT_TRUE(doc_.Modified());                // and with them the saved state
}

}  // namespace
}  // namespace sumcraft::test
