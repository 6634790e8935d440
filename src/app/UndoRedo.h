#pragma once
// One level of undo and one of redo, on whole-quiz snapshots.
//
//   undo.TakeUndoSnapshot(quiz);   // before a command changes the quiz
//   ...change the quiz...
//   undo.Undo(quiz);               // quiz is the snapshot again; then lay out
//   undo.Redo(quiz);               // and back
//
// A snapshot holds the sets with their questions and options, the title,
// the print options and the file name (TQuiz::CopyTo); not the selection,
// the page, the zoom or the changed state. Snapshots are never shown, so
// they are not laid out: the quiz a snapshot is copied back into is laid
// out by the caller. No widgets here; the main window shows the two states
// on its buttons.
#include <memory>

#include "quiz/Quiz.h"

namespace sumcraft {

class TUndoRedo {
public:
  TUndoRedo();

  const TQuiz& UndoQuiz() const { return *undo_; }
  const TQuiz& RedoQuiz() const { return *redo_; }
  // Whether UndoQuiz / RedoQuiz may be restored. Both off at the start.
  bool UndoEnabled() const { return undoEnabled_; }
  bool RedoEnabled() const { return redoEnabled_; }

  // A new UndoQuiz holding a copy of quiz; undo on, redo off.
  void TakeUndoSnapshot(const TQuiz& quiz);

  // When undo is on: RedoQuiz becomes a copy of quiz (redo on), quiz a copy
  // of UndoQuiz, and undo goes off. Answers whether it did anything.
  bool Undo(TQuiz& quiz);
  // When redo is on: TakeUndoSnapshot(quiz), then quiz becomes a copy of
  // RedoQuiz; undo on, redo off. Answers whether it did anything.
  bool Redo(TQuiz& quiz);

  // New: both snapshots replaced by empty quizzes; the two states stay.
  void ResetSnapshots();

private:
  std::unique_ptr<TQuiz> undo_;
  std::unique_ptr<TQuiz> redo_;
  bool undoEnabled_ = false;
  bool redoEnabled_ = false;
};

}  // namespace sumcraft
