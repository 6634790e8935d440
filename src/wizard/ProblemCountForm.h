#pragma once
// TProblemCountForm: step 3 of the question-add wizard: the number of
// questions, whether the set starts a new page, and a preview of the page
// on which the new set begins.
//
// Everything works on the bound WorkingSet. The count field takes digits
// only; its text is parsed when it is left, when an arrow or the new-page
// box is clicked and on "Finish". A text that is no integer gives the
// message "'<text>' is not a valid integer value" and changes nothing.
// Counts above kConfirmAbove ask first and are generated with a progress
// window that can stop them (the previous count and set then stay); counts
// below 1 or above kMaxCount are refused. Holding an arrow repeats it every 100 ms
// after 300 ms, changing only the number shown; the set is generated again
// on release. Ends with wrNext ("Finish", the default button: Enter, also
// in the count field), wrBack or wrCancel (Escape).
#include <QDialog>
#include <QImage>
#include <QString>
#include <cstdint>

#include "quiz/Quiz.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolButton;

namespace sumcraft {

class TQuestionSet;
class TlfCheckbox;
class TlfInputField;
class TlfLabel;

class TProblemCountForm : public QDialog {
  Q_OBJECT

public:
  // Larger counts are confirmed and generated with a progress window.
  static constexpr int kConfirmAbove = 2000;
  // Larger counts are refused: they would exhaust memory and time for no
  // worksheet anyone prints.
  static constexpr int kMaxCount = 20000;
  // The arrows stay within 1..kArrowMax; typed counts need not.
  static constexpr int kArrowMax = 1000;
  static constexpr int kProgressEvery = 250;

  explicit TProblemCountForm(QWidget* parent = nullptr);
  ~TProblemCountForm() override;

  // Keeps a reference to the WorkingSet (not owned).
  void SetQuestionSet(TQuestionSet& set);
  // The window's own copy of the current quiz, which the preview appends
  // the new set to.
  TQuiz& OwnQuiz() { return quiz_; }

  // Parses the count field and, when it holds an integer, SetCount with it.
  // Otherwise reports the error and returns false; the count stays.
  bool ReadCount();
  // Stores n as the count and shows it in the field.
  void SetCount(int n);
  int Count() const { return count_; }
  // ReadCount, then generates the set with the count (asking first for a
  // large count). False when nothing was generated: the field did not
  // parse, the count was refused or declined, generation was stopped or
  // failed; the count and the set are then as before.
  bool Regenerate();
  // Lays out a copy of the own quiz with a copy of the set appended (the
  // answers shown), shows the page where the set begins and its page span.
  void UpdatePreview();
  // A white preview and no page span.
  void ClearPreview();

  QImage& PreviewImage() { return preview_; }
  // The page span shown, e.g. "3 to 4"; empty after ClearPreview.
  QString PageNumbersText() const;
  // How many times UpdatePreview laid the preview out.
  int PreviewsDrawn() const { return previewsDrawn_; }
  bool Scrolling() const { return scrolling_; }
  int ScrollStep() const { return scrollStep_; }

  QLabel* imgWizard;
  TlfLabel* lblInstructions1;
  TlfLabel* lblInstructions2;
  TlfLabel* lblInputNumber;
  TlfLabel* lblNumberOfProblems;
  TlfInputField* txtNumberOfQuestions;
  QToolButton* cmdScrollUp;
  QToolButton* cmdScrollDown;
  TlfLabel* lblNewPage;
  TlfCheckbox* chkStartOnNewPage;
  TlfLabel* lblSpans;
  TlfLabel* lblPageNumbers;
  TlfLabel* lblPreview;
  QScrollArea* scrPreview;
  QLabel* imgQuiz;
  QPushButton* cmdBack;
  QPushButton* cmdFinish;
  QPushButton* cmdCancel;
  QTimer* tmrStartScroll;
  QTimer* tmrScroll;

  // The handlers, public so that the timers' effects can be driven directly.
  void txtNumberOfQuestionsExit();
  void chkStartOnNewPageClick();
  void cmdScrollUpClick();
  void cmdScrollDownClick();
  void cmdScrollMouseDown(int step);
  void cmdScrollMouseUp();
  void tmrStartScrollTimer();
  void tmrScrollTimer();
  // "Finish": the set must hold the count's questions; then close with Next.
  // Stays open when the count does not parse or its generation is declined,
  // stopped or fails.
  void BitBtn1Click();

protected:
  // Showing or activating the window puts the focus on the count field,
  // its text selected.
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  void FocusCountField();
  // Generates count questions into the set, with progress for large ones.
  bool GenerateCount(int count);
  void ShowPreview();

  TQuestionSet* set_ = nullptr;
  TQuiz quiz_;
  int count_ = 10;
  int scrollStep_ = 1;
  bool scrolling_ = false;
  // A large count the user already agreed to; not asked again.
  int confirmedCount_ = -1;
  QImage preview_;
  int previewsDrawn_ = 0;
};

}  // namespace sumcraft
