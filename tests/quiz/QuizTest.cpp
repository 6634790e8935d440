#include <gtest/gtest.h>

#include <memory>

#include "quiz/Quiz.h"

namespace sumcraft {
namespace {

class FakePages : public TQuizPages {
public:
  int PageCount() const override { return 3; }
};

TQuestionSet MakeSet(std::uint8_t operand, int questions, int firstTermBase) {
  TQuestionSet set;
  set.Options.Operand = operand;
  for (int i = 0; i < questions; ++i) {
    TQuizQuestion q;
    q.Operand = operand;
    q.FirstTerm = firstTermBase + i;
    q.SecondTerm = i;
    set.Add(q);
  }
  return set;
}

TEST(QuizTest, NewQuizHoldsTheDefaults) {
  const TQuiz quiz;
  EXPECT_EQ(quiz.QuestionCount(), 0u);
  EXPECT_EQ(quiz.Sets.Count(), 0u);
  EXPECT_TRUE(quiz.FileName.empty());
  EXPECT_TRUE(quiz.QuizTitle.empty());
  EXPECT_FALSE(quiz.Modified);
  EXPECT_TRUE(quiz.PrintDateBlank);
  EXPECT_FALSE(quiz.PrintTeacherNameBlank);
  EXPECT_FALSE(quiz.PrintClassNameBlank);
  EXPECT_TRUE(quiz.PrintStudentNameBlank);
  EXPECT_FALSE(quiz.PrintQuizTitle);
  EXPECT_FALSE(quiz.PrintFooterText);
  EXPECT_TRUE(quiz.FooterText.empty());
  EXPECT_TRUE(quiz.SkipPrintFirstPageNumber);
  EXPECT_TRUE(quiz.PrintPageNumbers);
}

TEST(QuizTest, QuestionCountAddsUpAllSets) {
  TQuiz quiz;
  quiz.Sets.Add(MakeSet(ptAddition, 4, 10));
  quiz.Sets.Add(MakeSet(ptTime, 0, 0));
  quiz.Sets.Add(MakeSet(ptMoney, 7, 100));
  EXPECT_EQ(quiz.QuestionCount(), 11u);
}

TEST(QuizTest, CopyToReplacesTheTargetsSetsAndCopiesEveryPrintOption) {
  TQuiz source;
  source.Sets.Add(MakeSet(ptAddition, 3, 10));
  source.Sets.Add(MakeSet(ptDivision, 2, 50));
  source.Sets.Add(MakeSet(ptRounding, 5, 900));
  source.Sets.Item(1).Options.ItemName = "kites";
  source.FileName = "/tmp/some quiz.qiz";
  source.QuizTitle = "Week 3";
  source.FooterText = "Good luck!";
  source.PrintFooterText = true;
  source.PrintPageNumbers = false;
  source.SkipPrintFirstPageNumber = false;
  source.PrintStudentNameBlank = false;
  source.PrintTeacherNameBlank = true;
  source.PrintDateBlank = false;
  source.PrintClassNameBlank = true;
  source.PrintQuizTitle = true;
  source.Modified = true;

  TQuiz target;
  for (int i = 0; i < 5; ++i) target.Sets.Add(MakeSet(ptTime, 2, 1));
  target.Modified = false;
  target.Pages = std::make_unique<FakePages>();
  const TQuizPages* pages = target.Pages.get();

  source.CopyTo(target);

  ASSERT_EQ(target.Sets.Count(), 3u);
  for (std::size_t s = 0; s < 3; ++s) {
    const TQuestionSet& a = source.Sets.Item(s);
    const TQuestionSet& b = target.Sets.Item(s);
    EXPECT_EQ(a.Options, b.Options);
    ASSERT_EQ(a.Count(), b.Count());
    for (std::size_t q = 0; q < a.Count(); ++q) EXPECT_TRUE(a.Item(q).SameAs(b.Item(q)));
  }
  EXPECT_EQ(target.FileName, source.FileName);
  EXPECT_EQ(target.QuizTitle, "Week 3");
  EXPECT_EQ(target.FooterText, "Good luck!");
  EXPECT_TRUE(target.PrintFooterText);
  EXPECT_FALSE(target.PrintPageNumbers);
  EXPECT_FALSE(target.SkipPrintFirstPageNumber);
  EXPECT_FALSE(target.PrintStudentNameBlank);
  EXPECT_TRUE(target.PrintTeacherNameBlank);
  EXPECT_FALSE(target.PrintDateBlank);
  EXPECT_TRUE(target.PrintClassNameBlank);
  EXPECT_TRUE(target.PrintQuizTitle);
  // The callers decide about the changed state; the page store waits for the layout.
  EXPECT_FALSE(target.Modified);
  EXPECT_EQ(target.Pages.get(), pages);
}

TEST(QuizTest, CopyIsIndependentOfItsSource) {
  TQuiz source;
  source.Sets.Add(MakeSet(ptAddition, 3, 10));
  TQuiz copy;
  source.CopyTo(copy);

  // What "Re-create Section" does to the copy's set: new questions, new data.
  TQuestionSet& set = copy.Sets.Item(0);
  set.Clear();
  for (int i = 0; i < 6; ++i) set.Add(TQuizQuestion{});
  set.Options.TableNames[0] = "Zed";
  copy.Sets.Delete(0);

  ASSERT_EQ(source.Sets.Count(), 1u);
  EXPECT_EQ(source.Sets.Item(0).Count(), 3u);
  EXPECT_EQ(source.Sets.Item(0).Item(2).FirstTerm, 12);
  EXPECT_EQ(source.Sets.Item(0).Options.TableNames[0], "Alice");
}

TEST(QuizTest, CopyOntoItselfKeepsTheQuiz) {
  TQuiz quiz;
  quiz.Sets.Add(MakeSet(ptAddition, 3, 10));
  quiz.CopyTo(quiz);
  EXPECT_EQ(quiz.QuestionCount(), 3u);
}

// Page body from 100 to 1000 on every page.
constexpr int kBodyTop = 100;
constexpr int kBodyBottom = 1000;

void PlaceSet(TQuestionSet& set, int firstPage, int startY, int lastPage, int endY) {
  set.SetFirstPage(firstPage);
  set.SetStartPoint(0, startY);
  set.SetLastPage(lastPage);
  set.SetEndPoint(500, endY);
}

TEST(QuizTest, SetAtPositionFindsTheSetUnderAPoint) {
  TQuiz quiz;
  for (int i = 0; i < 3; ++i) quiz.Sets.Add(MakeSet(ptAddition, 1, 0));
  PlaceSet(quiz.Sets.Item(0), 1, 200, 1, 400);
  PlaceSet(quiz.Sets.Item(1), 1, 400, 3, 300);  // touches set 0 at 400; spans page 2
  PlaceSet(quiz.Sets.Item(2), 3, 350, 3, 700);

  EXPECT_EQ(quiz.SetAtPosition(200, 1, -1, kBodyTop, kBodyBottom), 0);  // exactly at StartY
  EXPECT_EQ(quiz.SetAtPosition(199, 1, -1, kBodyTop, kBodyBottom), -1); // above the first set
  EXPECT_EQ(quiz.SetAtPosition(199, 1, 2, kBodyTop, kBodyBottom), 2);   // "current" comes back
  EXPECT_EQ(quiz.SetAtPosition(400, 1, -1, kBodyTop, kBodyBottom), 0);  // touching: earlier set wins
  EXPECT_EQ(quiz.SetAtPosition(401, 1, -1, kBodyTop, kBodyBottom), 1);
  EXPECT_EQ(quiz.SetAtPosition(1000, 1, -1, kBodyTop, kBodyBottom), 1); // runs to the body's bottom
  EXPECT_EQ(quiz.SetAtPosition(1001, 1, -1, kBodyTop, kBodyBottom), -1);
  // A middle page: the whole body belongs to the set.
  EXPECT_EQ(quiz.SetAtPosition(100, 2, -1, kBodyTop, kBodyBottom), 1);
  EXPECT_EQ(quiz.SetAtPosition(99, 2, -1, kBodyTop, kBodyBottom), -1);
  // Last page: from the body's top down to EndY.
  EXPECT_EQ(quiz.SetAtPosition(300, 3, -1, kBodyTop, kBodyBottom), 1);
  EXPECT_EQ(quiz.SetAtPosition(349, 3, -1, kBodyTop, kBodyBottom), -1);
  EXPECT_EQ(quiz.SetAtPosition(700, 3, -1, kBodyTop, kBodyBottom), 2);
  EXPECT_EQ(quiz.SetAtPosition(500, 4, 0, kBodyTop, kBodyBottom), 0);   // no set on page 4
}

}  // namespace
}  // namespace sumcraft
