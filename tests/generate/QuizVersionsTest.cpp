#include <gtest/gtest.h>

#include <algorithm>

#include "generate/Generate.h"
#include "generate/QuizVersions.h"
#include "generate/Random.h"
#include "quiz/ProblemType.h"

namespace sumcraft {
namespace {

TEST(QuizVersions, LettersAndLabels) {
  const struct {
    int index, count;
    const char* label;
  } cases[] = {{0, 1, ""}, {0, 2, "Version A"}, {1, 26, "Version B"}, {25, 26, "Version Z"},
               {26, 30, "Version AA"}, {51, 60, "Version AZ"}, {52, 60, "Version BA"}, {701, 999, "Version ZZ"},
               {702, 999, "Version AAA"}};
  for (const auto& c : cases) EXPECT_EQ(VersionLabel(c.index, c.count), c.label) << c.index;

  const struct {
    const char* typed;
    const char* letters;  // nullptr: refused
  } typed[] = {{"b", "B"}, {"AZ", "AZ"}, {"zzz", "ZZZ"}, {"", nullptr}, {"AAAA", nullptr}, {"B2", nullptr},
               {"-", nullptr}};
  for (const auto& t : typed) {
    const std::optional<std::string> letters = ParseVersionLetters(t.typed);
    EXPECT_EQ(letters.has_value(), t.letters != nullptr) << t.typed;
    if (letters && t.letters) {
      EXPECT_EQ(*letters, t.letters);
    }
  }
}

std::vector<std::int32_t> Terms(const TQuiz& quiz) {
  std::vector<std::int32_t> terms;
  for (const TQuestionSet& set : quiz.Sets)
    for (std::size_t i = 0; i < set.Count(); ++i) {
      const TQuizQuestion& q = set.Item(i);
      terms.insert(terms.end(), {q.FirstTerm, q.SecondTerm, q.Operand});
    }
  return terms;
}

// Versions differ from each other; each is what re-creating the quiz from
// its seed gives (the command-line tool's way); the quiz itself is not
// touched; a stop leaves no versions.
TEST(QuizVersions, EachVersionIsTheQuizMadeAgainFromItsOwnSeed) {
  TQuiz quiz;
  quiz.QuizTitle = "Week 3";
  for (std::uint8_t op : {ptAddition, ptFractions, ptMoney}) {
    TQuestionSet set;
    set.Options.Operand = op;
    set.Options.CoinsToUse = 15;
    quiz.Sets.Add(std::move(set));
    Generate(quiz.Sets.Item(quiz.Sets.Count() - 1), 120);
  }
  const std::vector<std::int32_t> original = Terms(quiz);

  std::vector<TQuiz> versions;
  std::vector<std::size_t> reported;
  ASSERT_TRUE(MakeQuizVersions(quiz, 0xFFFFFFFEu, 3, versions, [&](std::size_t done) {
    reported.push_back(done);
    return true;
  }));
  ASSERT_EQ(versions.size(), 3u);
  EXPECT_EQ(reported.back(), 3 * 360u);
  EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
  const std::uint32_t seeds[] = {0xFFFFFFFEu, 0xFFFFFFFFu, 0u};
  for (int v = 0; v < 3; ++v) {
    const TQuiz& version = versions[static_cast<std::size_t>(v)];
    EXPECT_EQ(version.Version.Label, VersionLabel(v, 3));
    EXPECT_EQ(version.Version.Seed, seeds[v]);
    EXPECT_EQ(version.QuizTitle, quiz.QuizTitle);
    EXPECT_NE(Terms(version), Terms(versions[static_cast<std::size_t>((v + 1) % 3)]));
    EXPECT_EQ(Terms(version), Terms(MakeQuizVersion(quiz, seeds[v], "")));
    TQuiz recreated;
    quiz.CopyTo(recreated);
    SetRandomState(seeds[v]);
    for (TQuestionSet& set : recreated.Sets) Generate(set, static_cast<int>(set.Count()));
    EXPECT_EQ(Terms(version), Terms(recreated));
  }
  EXPECT_EQ(Terms(quiz), original);

  int calls = 0;
  EXPECT_FALSE(MakeQuizVersions(quiz, 5, 4, versions, [&](std::size_t) { return ++calls < 10; }));
  EXPECT_TRUE(versions.empty());
}

}  // namespace
}  // namespace sumcraft
