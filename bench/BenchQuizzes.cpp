#include "BenchQuizzes.h"

#include "generate/Generate.h"
#include "generate/Random.h"
#include "quiz/ProblemType.h"

namespace sumcraft::bench {

std::vector<TQOptions> TypicalOptions() {
  std::vector<TQOptions> all;
  auto add = [&all](std::uint8_t op, auto tweak) {
    TQOptions o;
    o.Operand = op;
    tweak(o);
    all.push_back(o);
  };
  add(ptAddition, [](TQOptions& o) { o.FirstTermType = 2; o.SecondTermType = 2; o.Regrouping = true; });
  add(ptSubtraction, [](TQOptions& o) { o.FirstTermType = 2; o.SecondTermType = 1; o.Regrouping = true; });
  add(ptMultiplication, [](TQOptions& o) { o.TimesTable.fill(7); });
  add(ptDivision, [](TQOptions& o) { o.DivisionType = 1; o.DividendType = 3; o.DivisorType = 1; o.AllowRemainders = true; });
  add(ptComparison, [](TQOptions& o) { o.FirstTermType = 2; o.ComparisonSymbolType = 1; });
  add(ptMoney, [](TQOptions& o) { o.CoinsToUse = 15 | 128; });
  add(ptFractions, [](TQOptions& o) { o.FractionType = 3; });
  add(ptTime, [](TQOptions& o) { o.FirstTermType = 4; });
  add(ptRounding, [](TQOptions& o) { o.FirstTermType = 4; o.SecondTermType = 2; });
  add(ptTables, [](TQOptions& o) { o.FirstTermType = 2; });
  add(ptGraphs, [](TQOptions& o) { o.BarGraphType = 1; });
  return all;
}

TQuiz MixedQuiz(int questions) {
  SetRandomState(2026);
  TQuiz quiz;
  const std::vector<TQOptions> types = TypicalOptions();
  for (int made = 0, i = 0; made < questions; ++i) {
    TQuestionSet set;
    set.Options = types[static_cast<std::size_t>(i) % types.size()];
    const int n = std::min(20, questions - made);
    Generate(set, n);
    made += n;
    quiz.Sets.Add(std::move(set));
  }
  return quiz;
}

TQuiz PictureQuiz(int questions) {
  SetRandomState(2027);
  TQuiz quiz;
  const std::vector<TQOptions> types = TypicalOptions();
  TQOptions shapes;
  shapes.Operand = ptFractions;
  shapes.FractionType = 0;
  const TQOptions kinds[4] = {shapes, types[5], shapes, types[7]};  // circles, coins, circles, clocks
  for (int made = 0, i = 0; made < questions; ++i) {
    TQuestionSet set;
    set.Options = kinds[i % 4];
    const int n = std::min(20, questions - made);
    Generate(set, n);
    made += n;
    quiz.Sets.Add(std::move(set));
  }
  return quiz;
}

TQuiz AdditionQuiz(int questions) {
  SetRandomState(7);
  TQuiz quiz;
  TQuestionSet set;
  set.Options = TypicalOptions()[0];
  Generate(set, questions);
  quiz.Sets.Add(std::move(set));
  return quiz;
}

}  // namespace sumcraft::bench
