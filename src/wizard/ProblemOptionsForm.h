#pragma once
// TProblemOptionsForm: the frame every options dialog (step 2 of the
// question-add wizard) is built on.
//
// What the frame gives:
//  - the window: text "Question Add Wizard - Step 2 of 3", client area
//    819 x 492, fixed size, no title-bar buttons, the dialog font, the
//    wizard picture at the top left with two instruction lines beside it,
//    and the buttons "Back", "Next" and "Cancel" at the bottom right;
//    "Next" is the default button (Enter); Escape (and closing the window)
//    is "Cancel"; each showing puts the focus on the first control of the
//    tab order that can take it;
//  - the binding: SetQuestionSet keeps a reference to the wizard's
//    WorkingSet; Options() is that set's TQOptions, the only model (the
//    dialog keeps no copy; its controls are a view of it);
//  - the settings: Section() names the problem type's section and keys
//    (settings/OptionsKeys.h), which are read and written as a whole;
//  - LoadSettings: sets Loading(), reads the section once into Options(),
//    calls DoLoadSettings with what was stored, clears Loading() (also when
//    DoLoadSettings throws);
//  - "Next": cmdNextClick() = SaveSettings() (CollectOptions, then every
//    key of the section in one write; a settings file that cannot be
//    written is reported and the wizard goes on), then close with wrNext.
//    "Back" closes with wrBack, "Cancel"/Escape with wrCancel; neither
//    saves;
//  - the example: CreateExampleArea places the "Example:" heading and a
//    white bordered panel (or a scroll box when the image is larger than
//    the area) holding the image label imgQuiz; UpdateExample() draws a new
//    example with DrawExample into ExampleImage() and shows it. It runs each
//    time the dialog is shown or becomes the active window again; a dialog
//    calls it after every change it writes (ChangeAndUpdate helps).
//    A generation error (options only a hand-edited file can hold) is
//    written into the example image instead of a question.
//
// Plugging a dialog in:
//
//   class TProblemOptionsTimeForm : public TProblemOptionsForm {
//   public:
//     TProblemOptionsTimeForm(TPgmSettings& settings, QWidget* parent)
//         : TProblemOptionsForm(settings, parent) {
//       SetInstructions("Click on the radio buttons to pick smallest", "time interval for clock.");
//       CreateExampleArea(QRect(440, 100, 345, 361), QSize(321, 337));
//       optHour = new TlfRadioButton("  hour", this);  ...
//       connect(optHour, &QRadioButton::toggled, this, [this](bool on) {
//         if (on) ChangeAndUpdate([this] { Options().FirstTermType = 0; });
//       });
//       SetTabOrderToButtons({optHour, ...});   // own controls, then the buttons
//     }
//   protected:
//     const TOptionsSection& Section() const override { return OptionsSection(ptTime); }
//     void DoLoadSettings(const TStoredOptions& stored) override {  // Loading() is set here
//       ... correct what the controls cannot show (stored.Integer(&TQOptions::FirstTermType)
//       is the number as stored), then set the controls from Options() ...
//     }
//   };
//
// and register it in TQuestionWizard's constructor (QuestionWizard.cpp):
//
//   Register(ptTime, std::make_unique<TProblemOptionsTimeForm>(settings, parent));
//
// Optional overrides: UpdateExample() (draw something else, or add to the
// drawing: call the base, paint on ExampleImage(), then ShowExample());
// cmdNextClick() (read boxes first, then call the base); CollectOptions()
// (controls that keep their state until read, before a save).
//
// The dialog is created once and lives as long as the wizard, so its
// controls keep their state between runs; the wizard calls SetQuestionSet
// and LoadSettings before every showing. Ends with exec() returning a
// TWizardResult (WizardResult.h).
#include <QDialog>
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "quiz/QOptions.h"
#include "settings/OptionsKeys.h"
#include "widgets/DialogParts.h"

class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;

namespace sumcraft {

class TPgmSettings;
class TQuestionSet;
class TlfLabel;

class TProblemOptionsForm : public QDialog {
  Q_OBJECT

public:
  static constexpr int kClientWidth = kWizardWidth;
  static constexpr int kClientHeight = kWizardHeight;

  TProblemOptionsForm(TPgmSettings& settings, QWidget* parent);
  ~TProblemOptionsForm() override;

  // Keeps a reference to the wizard's WorkingSet (not owned).
  void SetQuestionSet(TQuestionSet& set);
  bool HasQuestionSet() const { return set_ != nullptr; }

  // Reads the dialog's section into the options and shows them; the change
  // handlers write nothing and draw nothing meanwhile.
  void LoadSettings();
  // Writes every key of the dialog's section from the options, with one
  // write of the file. A failed write is reported to the user; the dialog
  // goes on.
  void SaveSettings();

  // Draws a new example question into the example image and shows it.
  virtual void UpdateExample();

  bool Loading() const { return loading_; }

  // The options of the bound set; the set must be bound.
  TQOptions& Options();
  const TQOptions& Options() const;

  QImage& ExampleImage() { return example_; }
  // Puts ExampleImage() on the screen (after painting on it).
  void ShowExample();
  // How many examples were drawn since the dialog was created.
  int ExamplesDrawn() const { return examplesDrawn_; }

  // The settings section this dialog reads and writes now.
  virtual const TOptionsSection& Section() const = 0;
  std::string SectionName() const;

  TlfLabel* lblInstructions1 = nullptr;
  TlfLabel* lblInstructions2 = nullptr;
  QLabel* imgWizard = nullptr;
  TlfLabel* lblExample = nullptr;  // "Example:"; null without a heading
  QFrame* pnlExample = nullptr;    // the white panel, or null
  QScrollArea* scrExample = nullptr;  // the scroll box, or null
  QLabel* imgQuiz = nullptr;          // shows ExampleImage()
  QPushButton* cmdBack = nullptr;
  QPushButton* cmdNext = nullptr;
  QPushButton* cmdCancel = nullptr;

public slots:
  // "Next": SaveSettings, then close with wrNext.
  virtual void cmdNextClick();
  void cmdBackClick();
  void cmdCancelClick();

protected:
  // Options() hold the section as stored (TStoredOptions::ApplyTo): correct
  // what the controls cannot show, then set every control from Options().
  // Runs with Loading() set.
  virtual void DoLoadSettings(const TStoredOptions& stored) = 0;
  // Brings into Options() what a control holds but has not written there
  // yet; runs before the options are saved.
  virtual void CollectOptions() {}

  void SetInstructions(const QString& line1, const QString& line2);

  // The "Example:" heading (when `heading`) at area's top left, and under it
  // the example area: a white bordered panel when the image fits in `area`
  // (the image centred in it), else a scroll box of the area's size.
  // `area` includes the heading.
  void CreateExampleArea(const QRect& area, const QSize& imageSize, bool heading = true);

  // Unless Loading(): run `write` (which puts a control's value into
  // Options()), then UpdateExample().
  void ChangeAndUpdate(const std::function<void()>& write);

  // Tab order: the given controls in turn, then Back, Next, Cancel.
  void SetTabOrderToButtons(std::initializer_list<QWidget*> controls);

  TPgmSettings& Settings() { return settings_; }

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  TPgmSettings& settings_;
  TQuestionSet* set_ = nullptr;
  QWidget* firstControl_ = nullptr;  // the start of the tab order
  bool loading_ = false;
  QImage example_;
  int examplesDrawn_ = 0;
  // The example was drawn for the showing; the activation that follows it
  // need not draw another.
  bool drawnForShow_ = false;
};

}  // namespace sumcraft
