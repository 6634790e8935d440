#include "app/UndoRedo.h"

namespace sumcraft {

namespace {

// Each snapshot is a separate new object: nothing of an older snapshot
// lives on in it.
std::unique_ptr<TQuiz> CopyOf(const TQuiz& quiz) {
  auto copy = std::make_unique<TQuiz>();
  quiz.CopyTo(*copy);
  return copy;
}

}  // namespace

TUndoRedo::TUndoRedo() : undo_(std::make_unique<TQuiz>()), redo_(std::make_unique<TQuiz>()) {}

void TUndoRedo::TakeUndoSnapshot(const TQuiz& quiz) {
  undo_ = CopyOf(quiz);
  undoEnabled_ = true;
  redoEnabled_ = false;
}

bool TUndoRedo::Undo(TQuiz& quiz) {
  if (!undoEnabled_) return false;
  redo_ = CopyOf(quiz);
  redoEnabled_ = true;
  undo_->CopyTo(quiz);
  undoEnabled_ = false;
  return true;
}

bool TUndoRedo::Redo(TQuiz& quiz) {
  if (!redoEnabled_) return false;
  TakeUndoSnapshot(quiz);
  redo_->CopyTo(quiz);
  undoEnabled_ = true;
  redoEnabled_ = false;
  return true;
}

void TUndoRedo::ResetSnapshots() {
  undo_ = std::make_unique<TQuiz>();
  redo_ = std::make_unique<TQuiz>();
}

}  // namespace sumcraft
