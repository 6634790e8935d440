#include "generate/TableProblems.h"

#include <limits>

#include "generate/Generators.h"
#include "generate/Random.h"
#include "generate/Terms.h"
#include "quiz/ProblemType.h"

namespace sumcraft {

const std::array<std::int32_t, 4>& RowData(const TQuizQuestion& q, const TQOptions& o) {
  return q.Operand == ptGraphs ? o.BarGraphData : o.TableData;
}

std::int64_t RowValue(const std::array<std::int32_t, 4>& data, std::int32_t i) {
  return (i >= 0 && i < 4) ? data[static_cast<std::size_t>(i)] : 0;
}

void GenerateTableData(TQOptions& o) {
  for (std::int32_t& value : o.TableData) {
    const std::int64_t v = RoundToPlace(RandomTerm(o.FirstTermType, false), o.SecondTermType);
    value = static_cast<std::int32_t>(v);  // at most 1,000,000: fits
  }
}

void GenerateGraphData(TQOptions& o) {
  const std::int64_t count = o.IncrementCount;
  const std::int64_t step = o.IncrementStepSize;
  // Distinct bars are only asked for with 5 or more increments; with a step
  // of 0 every bar is 0, so asking for distinct values would never end.
  const bool distinct = count >= 5 && step != 0;
  // Past this many redraws a bar takes what it has: values clamped from huge
  // steps can coincide. With sane options a redraw is needed rarely; ten
  // thousand in a row never happens, so the normal draws are untouched.
  constexpr int kMaxRedraws = 10000;
  for (std::size_t i = 0; i < 4; ++i) {
    for (int attempt = 0;; ++attempt) {
      // Random(count - 1) of a count of 0 or less is a range of 0 or less,
      // which draws once and gives 0: every bar is one step high.
      const std::int64_t steps = Random(static_cast<std::int32_t>(count - 1)) + 1;
      std::int64_t v = steps * step;
      if (v > std::numeric_limits<std::int32_t>::max()) v = std::numeric_limits<std::int32_t>::max();
      if (v < std::numeric_limits<std::int32_t>::min()) v = std::numeric_limits<std::int32_t>::min();
      o.BarGraphData[i] = static_cast<std::int32_t>(v);
      if (!distinct || attempt >= kMaxRedraws) break;
      bool repeat = false;
      for (std::size_t j = 0; j < i; ++j) repeat = repeat || o.BarGraphData[j] == o.BarGraphData[i];
      if (!repeat) break;
    }
  }
}

namespace {

bool OtherRowSmaller(const std::array<std::int32_t, 4>& d, std::int32_t row) {
  for (std::int32_t i = 0; i < 4; ++i)
    if (i != row && d[static_cast<std::size_t>(i)] < d[static_cast<std::size_t>(row)]) return true;
  return false;
}

bool OtherRowLarger(const std::array<std::int32_t, 4>& d, std::int32_t row) {
  for (std::int32_t i = 0; i < 4; ++i)
    if (i != row && d[static_cast<std::size_t>(i)] > d[static_cast<std::size_t>(row)]) return true;
  return false;
}

}  // namespace

void GenerateTableQuestion(TQuizQuestion& q, const TQOptions& o) {
  const auto& d = RowData(q, o);
  auto at = [&d](std::int32_t i) { return d[static_cast<std::size_t>(i)]; };
  q.TableProblemType = static_cast<std::uint8_t>(Random(3));
  switch (q.TableProblemType) {
    case 0:
      q.FirstTerm = Random(4);
      do {
        q.SecondTerm = Random(4);
      } while (q.SecondTerm == q.FirstTerm);
      return;
    case 1:
      for (int i = 0; i < 99; ++i) {
        q.FirstTerm = Random(3) + 1;
        if (OtherRowSmaller(d, q.FirstTerm)) break;
      }
      for (int i = 0; i < 100; ++i) {
        q.SecondTerm = Random(4);
        if (q.SecondTerm != q.FirstTerm && at(q.SecondTerm) < at(q.FirstTerm)) break;
      }
      break;
    default:
      for (int i = 0; i < 99; ++i) {
        q.FirstTerm = Random(4);
        if (OtherRowLarger(d, q.FirstTerm)) break;
      }
      for (int i = 0; i < 100; ++i) {
        q.SecondTerm = Random(4);
        if (q.SecondTerm != q.FirstTerm && at(q.SecondTerm) > at(q.FirstTerm)) break;
      }
      break;
  }
  // The draws can run out without a fitting pair (equal values, or data like
  // 50, 10, 10, 10 for "more", which never picks the first row). Keep the
  // question true: two different rows, and ask "more" or "fewer" so that
  // the answer is never negative.
  if (q.SecondTerm == q.FirstTerm) q.SecondTerm = q.FirstTerm == 0 ? 1 : 0;
  if (q.TableProblemType == 1 && at(q.SecondTerm) > at(q.FirstTerm)) q.TableProblemType = 2;
  else if (q.TableProblemType == 2 && at(q.SecondTerm) < at(q.FirstTerm)) q.TableProblemType = 1;
}

std::string LowerCase1252(const std::string& s) {
  std::string out = s;
  for (char& ch : out) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) ch = static_cast<char>(c + 0x20);
    else if (c == 0x8A || c == 0x8C || c == 0x8E) ch = static_cast<char>(c + 0x10);  // Š Œ Ž
    else if (c == 0x9F) ch = static_cast<char>(0xFF);                                // Ÿ
  }
  return out;
}

std::string WordProblemText(const TQuizQuestion& q, const TQOptions& o) {
  auto name = [&o](std::int32_t i) -> std::string {
    return (i >= 0 && i < 4) ? o.TableNames[static_cast<std::size_t>(i)] : std::string();
  };
  const std::string item = LowerCase1252(o.ItemName);
  const std::string& action = o.ActionName;
  const bool people = o.TableDataType == 1;
  const std::string a = people ? name(q.FirstTerm) : LowerCase1252(name(q.FirstTerm));
  const std::string b = people ? name(q.SecondTerm) : LowerCase1252(name(q.SecondTerm));
  const int kind = q.TableProblemType;
  if (people) {
    if (kind == 0) return "How many " + item + " were " + action + " by " + a + " and " + b + " combined?";
    const char* more = kind == 1 ? "How many more " : "How many fewer ";
    return more + item + " were " + action + " by " + a + " than " + b + "?";
  }
  if (o.TableUseItemName) {
    if (kind == 0) return "How many " + a + " and " + b + " " + item + " were " + action + " in all?";
    const char* more = kind == 1 ? "How many more " : "How many fewer ";
    return more + a + " " + item + " were " + action + " than " + b + " " + item + "?";
  }
  if (kind == 0) return "How many " + a + " and " + b + " were " + action + " in all?";
  const char* more = kind == 1 ? "How many more " : "How many fewer ";
  return more + a + " were " + action + " than " + b + "?";
}

}  // namespace sumcraft
