#pragma once
// The undoable steps of TQuizDocument. Each holds the side of its change
// that is not in the quiz and swaps it in on undo and redo; the document
// lays the quiz out after each.
#include <QUndoCommand>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "document/QuizDocument.h"

namespace sumcraft {

class TQuizStep : public QUndoCommand {
public:
  TQuizStep(TQuizDocument& document, const QString& name) : QUndoCommand(name), document_(document) {}

protected:
  TQuiz& Quiz() { return *document_.quiz_; }
  void Report(const TQuizChange& change) { document_.pending_ = change; }

private:
  TQuizDocument& document_;
};

// A set comes in at an index (Add Questions) or goes out of it (Delete
// Questions): the same swap seen from two ends.
class TSetInOutStep : public TQuizStep {
public:
  // adding: the set is held and goes in on redo; otherwise the set at index
  // goes out on redo.
  TSetInOutStep(TQuizDocument& document, const QString& name, std::size_t index, std::optional<TQuestionSet> held)
      : TQuizStep(document, name), index_(index), adding_(held.has_value()), held_(std::move(held)) {}
  void redo() override { adding_ ? PutIn() : TakeOut(); }
  void undo() override { adding_ ? TakeOut() : PutIn(); }

private:
  void PutIn();
  void TakeOut();

  std::size_t index_;
  bool adding_;
  std::optional<TQuestionSet> held_;
};

// New questions for sets at their places (Re-create Section, Re-create
// Quiz): the held questions and the quiz's trade places. Options are held
// only for a set whose options the generation changed (tables and graphs
// draw new data), so a step costs little more than its questions.
struct THeldQuestions {
  std::size_t Index = 0;
  std::vector<TQuizQuestion> Questions;
  std::unique_ptr<TQOptions> Options;  // a pointer: most sets hold none
};

class TSwapSetsStep : public TQuizStep {
public:
  TSwapSetsStep(TQuizDocument& document, const QString& name, std::vector<THeldQuestions> held)
      : TQuizStep(document, name), held_(std::move(held)) {}
  void redo() override { Swap(); }
  void undo() override { Swap(); }

private:
  void Swap();
  std::vector<THeldQuestions> held_;
};

// The quiz-wide print options.
class TPrintOptionsStep : public TQuizStep {
public:
  TPrintOptionsStep(TQuizDocument& document, const QString& name, TQuizPrintOptions held)
      : TQuizStep(document, name), held_(std::move(held)) {}
  void redo() override { Swap(); }
  void undo() override { Swap(); }

private:
  void Swap();
  TQuizPrintOptions held_;
};

}  // namespace sumcraft
