#pragma once
#include <cstdint>

namespace sumcraft {

// The code held in TQOptions::Operand and TQuizQuestion::Operand.
// 8 and 11 are never produced; files may still hold any byte.
enum ProblemType : std::uint8_t {
  ptAddition = 0,
  ptSubtraction = 1,
  ptMultiplication = 2,
  ptDivision = 3,
  ptComparison = 4,
  ptMoney = 5,
  ptFractions = 6,
  ptTime = 7,
  ptRounding = 9,
  ptTables = 10,
  ptGraphs = 12,
};

}  // namespace sumcraft
