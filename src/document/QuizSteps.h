#pragma once
// The undoable steps of TQuizDocument. Each holds the side of its change
// that is not in the quiz and swaps it in on undo and redo; the document
// lays the quiz out after each.
#include <QUndoCommand>
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

// Sets replaced by others at the same places (Re-create Section, Re-create
// Quiz): the held sets and the quiz's trade places.
class TSwapSetsStep : public TQuizStep {
public:
  TSwapSetsStep(TQuizDocument& document, const QString& name, std::vector<std::pair<std::size_t, TQuestionSet>> held)
      : TQuizStep(document, name), held_(std::move(held)) {}
  void redo() override { Swap(); }
  void undo() override { Swap(); }

private:
  void Swap();
  std::vector<std::pair<std::size_t, TQuestionSet>> held_;
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
