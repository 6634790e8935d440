#pragma once
#include <cstdint>
#include <string>

#include "quiz/QOptions.h"
#include "quiz/QuizQuestion.h"

namespace sumcraft {

// The numbers and words the drawing code prints for a question. Texts are
// Windows-1252 (the division sign is character 247); thousands are always
// separated by ",".

// The numeric answer. Computed in 64 bits: terms from a hand-edited file can
// be anything a signed 32-bit number holds.
std::int64_t AnswerValue(const TQuizQuestion& q, const TQOptions& o);
// The answer as printed in the key ("1,234", "12 R 3", "Total: $0.87", "3:05").
std::string AnswerText(const TQuizQuestion& q, const TQOptions& o);

std::string FirstTermText(const TQuizQuestion& q);
std::string SecondTermText(const TQuizQuestion& q);
std::string OperatorSymbol(const TQuizQuestion& q);
std::string GreaterText(const TQuizQuestion& q);
std::string EqualText(const TQuizQuestion& q);
std::string LessText(const TQuizQuestion& q);

// Inserts the separator every three digits from the right: 1234567 -> 1,234,567.
// A leading minus sign is kept in front of the grouped digits.
std::string FormatThousands(const std::string& digits, char separator = ',');
std::string FormatThousands(std::int64_t value);
// Decimal value with leading zeros up to width digits: ZeroPad(5, 2) = "05".
std::string ZeroPad(std::int64_t value, int width);

// The text of a division by zero in the answer key (only damaged files hold one).
inline constexpr const char* kUndefinedAnswer = "undefined";

}  // namespace sumcraft
