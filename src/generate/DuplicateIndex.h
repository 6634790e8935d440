#pragma once
#include <cstddef>
#include <cstdint>
#include <unordered_set>

#include "quiz/QuizQuestion.h"

namespace sumcraft {

// Answers IsDuplicate in constant time for a growing list of questions.
// It keeps one key per matching rule for every question added, so it gives
// exactly the answers of the question-by-question scan, whatever problem
// types the list mixes.
class DuplicateIndex {
public:
  void Reserve(std::size_t n);
  void Add(const TQuizQuestion& q);
  // Whether candidate repeats an added question (or is a rounding number
  // that is already a multiple of its place).
  bool IsDuplicate(const TQuizQuestion& candidate) const;

  struct Key {
    std::uint64_t terms;  // FirstTerm and SecondTerm
    std::uint32_t extra;  // rule number and the rule's extra field
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    std::size_t operator()(const Key& k) const noexcept;
  };

private:
  std::unordered_set<Key, KeyHash> keys_;
};

}  // namespace sumcraft
