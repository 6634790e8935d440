#pragma once
#include <cstdint>
#include <string>

#include "quiz/QOptions.h"
#include "quiz/QuizQuestion.h"

namespace sumcraft {

// The four numbers a table or graph question reads: TableData for table
// sets, BarGraphData for graph sets (by the question's problem type).
const std::array<std::int32_t, 4>& RowData(const TQuizQuestion& q, const TQOptions& o);

// The value of row index i, 0 for an index outside 0..3 (damaged files).
std::int64_t RowValue(const std::array<std::int32_t, 4>& data, std::int32_t i);

// The question's sentence, e.g. "How many apples were picked by Alice and Bob combined?"
std::string WordProblemText(const TQuizQuestion& q, const TQOptions& o);

// Windows-1252 lower case (ASCII and the accented capitals).
std::string LowerCase1252(const std::string& s);

}  // namespace sumcraft
