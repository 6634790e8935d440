#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "quiz/QOptions.h"
#include "quiz/QuizQuestion.h"

namespace sumcraft {

// One section of a quiz: questions of one problem type generated from one
// options record. The set owns its questions and its options.
class TQuestionSet {
public:
  TQOptions Options;

  // Written by the layout; meaningful only until the quiz next changes.
  // Neither copied nor saved.
  std::int32_t FirstPage = 0;
  std::int32_t EndX = 0, EndY = 0;
  std::int32_t StartX = 0, StartY = 0;
  std::int32_t LastPage = 0;

  void Add(const TQuizQuestion& question) { questions_.push_back(question); }
  TQuizQuestion& Item(std::size_t index) { return questions_.at(index); }
  const TQuizQuestion& Item(std::size_t index) const { return questions_.at(index); }
  std::size_t Count() const { return questions_.size(); }
  void Clear() { questions_.clear(); }
  void Delete(std::size_t index);
  void Reserve(std::size_t n) { questions_.reserve(n); }
  const std::vector<TQuizQuestion>& Questions() const { return questions_; }
  // Replaces every question at once (generation builds the new list aside).
  void ReplaceQuestions(std::vector<TQuizQuestion> questions) { questions_ = std::move(questions); }

  // Appends a copy of every question of source, then copies its options.
  void Assign(const TQuestionSet& source);

  // The instruction line printed above the set; empty means none.
  std::string InstructionsText() const;
  // The most questions of this set the layout puts side by side.
  int QuestionsPerRow() const;

  void SetFirstPage(std::int32_t page) { FirstPage = page; }
  void SetLastPage(std::int32_t page) { LastPage = page; }
  void SetStartPoint(std::int32_t x, std::int32_t y) { StartX = x; StartY = y; }
  void SetEndPoint(std::int32_t x, std::int32_t y) { EndX = x; EndY = y; }

private:
  std::vector<TQuizQuestion> questions_;
};

// The ordered list of sets a quiz owns.
class TQuestionSets {
public:
  void Add(TQuestionSet set) { sets_.push_back(std::move(set)); }
  // Appends an independent copy; the caller keeps its set.
  void AddCopy(const TQuestionSet& set);
  TQuestionSet& Item(std::size_t index) { return sets_.at(index); }
  const TQuestionSet& Item(std::size_t index) const { return sets_.at(index); }
  std::size_t Count() const { return sets_.size(); }
  void Clear() { sets_.clear(); }
  void Delete(std::size_t index);
  // Puts a set in at index (at most Count), moving those from there on.
  void Insert(std::size_t index, TQuestionSet set);
  // Removes the set at index and hands it over.
  TQuestionSet Take(std::size_t index);

  auto begin() { return sets_.begin(); }
  auto end() { return sets_.end(); }
  auto begin() const { return sets_.begin(); }
  auto end() const { return sets_.end(); }

private:
  std::vector<TQuestionSet> sets_;
};

}  // namespace sumcraft
