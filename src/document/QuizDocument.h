#pragma once
// TQuizDocument: the quiz the main window shows, with its file name, its
// unsaved-changes state, its undo history and its layout.
//
//   TQuizDocument doc;
//   connect(&doc, &TQuizDocument::Changed, view, ...);  // lay out done, redraw
//   doc.AddSet(set);        // one undoable step "Add Questions"
//   doc.Undo();             // the quiz as before, laid out again
//
// Every change goes through an operation here. An operation changes the quiz,
// records one step in the history, lays the quiz out once (a new layout
// serial) and then emits Changed once; the history and the modified state
// follow. Views never change the quiz themselves.
//
// The history keeps the last kHistoryLimit steps. A step holds only what it
// changes, and only one side of it at a time: the side not in the quiz
// (a deleted set while it is deleted, the replaced questions while the new
// ones are shown), so a history of re-created sets costs one copy of those
// sets per step.
//
// Besides the quiz, the document keeps one view state that decides how it is
// laid out: ShowAnswers. With it on, every layout is the answer key exactly
// as it prints; switching it is no step and leaves the quiz unmodified.
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <exception>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "quiz/Quiz.h"

namespace sumcraft {

struct TLayoutResult;

// The quiz-wide print options of the Quiz Options dialog.
struct TQuizPrintOptions {
  std::string QuizTitle;
  bool PrintDateBlank = true;
  bool PrintTeacherNameBlank = false;
  bool PrintClassNameBlank = false;
  bool PrintStudentNameBlank = true;
  bool PrintQuizTitle = false;
  bool PrintFooterText = false;
  std::string FooterText;
  bool SkipPrintFirstPageNumber = true;
  bool PrintPageNumbers = true;

  static TQuizPrintOptions Of(const TQuiz& quiz);
  void ApplyTo(TQuiz& quiz) const;
  bool operator==(const TQuizPrintOptions&) const = default;
};

// What a change did, for the views to follow it.
struct TQuizChange {
  // A new quiz (New, Open): page 1, nothing to undo.
  bool Replaced = false;
  // The set that came into the quiz (Add Questions, or its redo); -1 if none.
  int AddedSet = -1;
};

// The result of Open.
struct TOpenResult {
  TLoadResult Result = TLoadResult::Missing;
  // Questions of the opened quiz that cannot be drawn, one line each.
  std::vector<std::string> Problems;
  // What a damaged file lost (LoadFromFile's warnings); a quiz read from a
  // damaged file is not tied to it: its file name is cleared, so that Save
  // asks where and the original, which holds more, stays.
  std::vector<std::string> Lost;
};

class TQuizDocument : public QObject {
  Q_OBJECT

public:
  static constexpr int kHistoryLimit = 100;

  explicit TQuizDocument(QObject* parent = nullptr);
  ~TQuizDocument() override;

  // The quiz as it stands, laid out. Change it only through the operations
  // (tests may set fields directly to look at what an operation does).
  TQuiz& Quiz() { return *quiz_; }
  const TQuiz& Quiz() const { return *quiz_; }
  // The file name as the user reads it; empty for a quiz never saved.
  QString FileName() const;
  bool Modified() const { return quiz_->Modified; }
  std::uint64_t LayoutSerial() const { return layoutSerial_; }
  int PageCount() const;
  int SetCount() const { return static_cast<int>(quiz_->Sets.Count()); }

  // The history, to read: canUndo, undoText, count, index. Move in it only
  // with Undo and Redo.
  const QUndoStack& History() const { return history_; }
  bool CanUndo() const { return history_.canUndo(); }
  bool CanRedo() const { return history_.canRedo(); }
  // The names of the steps Undo and Redo would take ("Delete Questions").
  QString UndoName() const { return history_.undoText(); }
  QString RedoName() const { return history_.redoText(); }

  // ---- Operations on the whole quiz (no step; the history starts again).
  void New();
  // Reads the file. Only a Loaded result replaces the quiz. A file that
  // cannot be read or laid out raises, and the quiz stays as it was.
  TOpenResult Open(const QString& path);
  // Writes to FileName (which must be known); the saved state is the
  // history's current step. Raises when the file cannot be written.
  void Save();
  // Saves under a new name; on failure the quiz keeps its old name.
  void SaveAs(const QString& path);

  // ---- Steps (each one undoable). Each raises, changing nothing, when it
  // cannot be done: an index out of range, a problem type this program
  // does not know, a generator failure.
  void AddSet(const TQuestionSet& set);
  void DeleteSet(int index);
  void RecreateSet(int index);
  // Every set anew; all or none.
  void RecreateQuiz();
  // Nothing happens when the options are the quiz's own.
  void SetPrintOptions(const TQuizPrintOptions& options);
  void Undo();
  void Redo();

  // Lays the unchanged quiz out again for the screen, after it was laid out
  // for a printer: with the answers when ShowAnswers is on.
  void LayOutAgain();

  // ---- View state (no step; the quiz stays as modified as it was).
  // Whether the layout shows the answers (the answer key).
  bool ShowAnswers() const { return showAnswers_; }
  // Lays the quiz out again with or without the answers; nothing happens
  // when the state is unchanged. A layout that fails still leaves the new
  // state and its signals, then raises.
  void SetShowAnswers(bool show);

signals:
  // The quiz changed and has been laid out again (LayoutSerial is new).
  void Changed(const sumcraft::TQuizChange& change);
  void ModifiedChanged(bool modified);
  void FileNameChanged(const QString& fileName);
  // What Undo and Redo can do, or their names, may have changed.
  void HistoryChanged();
  void ShowAnswersChanged(bool show);

private:
  friend class TQuizStep;

  void Push(class TQuizStep* step);
  // After any change: the modified state from the history, a new layout,
  // and the signals.
  void Settle(const TQuizChange& change);
  void Replace(std::unique_ptr<TQuiz> quiz);
  // The one layout rule of the document: the quiz, with the answers when
  // they are shown.
  TLayoutResult LayOut(TQuiz& quiz) const;
  // A new layout of the quiz with a new serial; what it raised, for after
  // the signals.
  std::exception_ptr LayOutKeepingFailure();

  std::unique_ptr<TQuiz> quiz_;
  QUndoStack history_;
  std::uint64_t layoutSerial_ = 0;
  // What the step last run did to the quiz, reported by Settle.
  TQuizChange pending_;
  bool showAnswers_ = false;
};

}  // namespace sumcraft
