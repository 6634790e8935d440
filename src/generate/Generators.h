#pragma once
#include <cstdint>

#include "quiz/QOptions.h"
#include "quiz/QuizQuestion.h"

namespace sumcraft {

// The generator of each problem type. Each fills the question from the
// options; fields a generator does not write keep their earlier values, since
// the set retries on the same question object.

void GenerateAddition(TQuizQuestion& q, const TQOptions& o);
void GenerateSubtraction(TQuizQuestion& q, const TQOptions& o);

void GenerateMultiplication(TQuizQuestion& q, const TQOptions& o);
void GenerateTimesTableProduct(TQuizQuestion& q, const TQOptions& o);
void GenerateOpenMultiplication(TQuizQuestion& q, const TQOptions& o);
void GenerateDivision(TQuizQuestion& q, const TQOptions& o);
void GenerateTableDivision(TQuizQuestion& q, const TQOptions& o);
void GenerateLongDivision(TQuizQuestion& q, const TQOptions& o);

void GenerateFraction(TQuizQuestion& q, const TQOptions& o);
// Lowest terms of a packed fraction.
std::int32_t ReduceFraction(std::int32_t packed);
// Exact sum or difference of two packed fractions, in lowest terms, packed.
std::int32_t AddFractions(std::int32_t a, std::int32_t b);
std::int32_t SubtractFractions(std::int32_t a, std::int32_t b);

void GenerateComparison(TQuizQuestion& q, const TQOptions& o);
void GenerateMoney(TQuizQuestion& q, const TQOptions& o);
void GenerateTime(TQuizQuestion& q, const TQOptions& o);
void GenerateRounding(TQuizQuestion& q, const TQOptions& o);
// 25 per quarter, 10 per dime, 5 per nickel, 1 per penny, from the packed counts.
std::int32_t MoneyTotalCents(const TQuizQuestion& q);

// Table-data and bar-graph questions: two row indexes and a kind
// (0 together, 1 more, 2 fewer).
void GenerateTableQuestion(TQuizQuestion& q, const TQOptions& o);
// Four new table numbers / bar values for a set (its options).
void GenerateTableData(TQOptions& o);
void GenerateGraphData(TQOptions& o);

}  // namespace sumcraft
