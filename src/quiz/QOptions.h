#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "quiz/ProblemType.h"

namespace sumcraft {

// The options record of one question set: a union of the options of every
// problem type. Each type reads only its own fields. Fields are plain data;
// the byte fields keep the low 8 bits of whatever is stored in them.
// Strings are Windows-1252 bytes, as in the quiz file.
struct TQOptions {
  std::int32_t CoinsToUse = 0;           // 1 penny, 2 nickel, 4 dime, 8 quarter, 128 over $0.99
  std::uint8_t FractionType = 0;         // 0 shape, 1 set, 3 add, 4 subtract, 5 compare
  bool Regrouping = false;
  std::uint8_t MultiplicationType = 0;   // 0 times tables, else by digits
  std::uint8_t FirstTermType = 0;
  bool UseZero = false;
  std::uint8_t Operand = ptAddition;
  std::uint8_t SecondTermType = 0;
  std::uint8_t DivisionType = 0;         // 0 division tables, else long division
  std::uint8_t DividendType = 0;
  std::uint8_t DivisorType = 0;
  bool AllowRemainders = false;
  std::uint8_t ComparisonSymbolType = 0; // 1 symbols, 0 words
  bool AllDenominatorsAlike = false;
  std::uint8_t Orientation = 0;          // 0 vertical, 1 horizontal
  std::string TableDataCaption = "Apples";
  std::string TableItemName = "Name";
  std::int32_t IncrementCount = 10;
  std::int32_t IncrementStepSize = 10;
  std::uint8_t BarGraphType = 0;         // 0 horizontal bars, 1 vertical
  std::string GraphXLegend = "X LEGEND";
  std::string GraphYLegend = "Y LEGEND";
  std::string GraphTitle = "TITLE";
  std::string ActionPredicate = "by a group of students.";
  std::string ItemName = "apples";
  std::string ActionName = "picked";
  std::uint8_t TableDataType = 1;        // 1 "shows the number of", 0 "lists different kinds of"
  bool TableUseItemName = true;
  bool StartOnNewPage = false;
  std::array<std::int32_t, 12> TimesTable{};  // per table 1..12: mask 1 (1-4), 2 (5-8), 4 (9-12)
  std::array<std::int32_t, 4> TableData{1, 2, 3, 4};
  std::array<std::string, 4> TableNames{"Alice", "Bob", "Carol", "David"};
  std::array<std::int32_t, 4> BarGraphData{10, 20, 30, 40};

  // Copies every field of source into this record; nothing is shared.
  void Assign(const TQOptions& source) { *this = source; }

  bool operator==(const TQOptions&) const = default;
};

}  // namespace sumcraft
