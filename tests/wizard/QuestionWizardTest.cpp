// The wizard's states and transitions, driven through the real windows:
// each step is shown, acted on as a user would (a click on a button, or
// Escape), and its result taken, without a nested event loop.
#include <sys/inotify.h>
#include <unistd.h>

#include <QPushButton>
#include <QTimer>
#include <deque>
#include <functional>

#include "generate/Random.h"
#include "quiz/ProblemType.h"
#include "quiz/Quiz.h"
#include "settings/OptionsKeys.h"
#include "widgets/lfCheckbox.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfInputField.h"
#include "widgets/lfRadioButton.h"
#include "wizard/ProblemCountForm.h"
#include "wizard/ProblemOptionsAddSubForm.h"
#include "wizard/ProblemOptionsDivisionForm.h"
#include "wizard/ProblemOptionsMultiplicationForm.h"
#include "wizard/ProblemTypeForm.h"
#include "wizard/QuestionWizard.h"
#include "wizard/TimesTableGrid.h"
#include "wizard/WizardResult.h"
#include "OptionsFormTestSupport.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

using State = TQuestionWizard::TState;
using test::ChooseItem;
using test::Click;

// One user action on a shown step window.
using Action = std::function<void(QDialog&)>;

QPushButton* Button(QDialog& dialog, const QString& text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() == text) return button;
  ADD_FAILURE() << "no button " << text.toStdString() << " on " << dialog.windowTitle().toStdString();
  return nullptr;
}

Action Press(const char* text) {
  return [text](QDialog& d) {
    if (QPushButton* button = Button(d, QString::fromLatin1(text))) Click(button);
  };
}
const Action kNext = Press("Next");
const Action kFinish = Press("Finish");
const Action kBack = Press("Back");
const Action kCancel = Press("Cancel");
const Action kEscape = [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); };

// Actions can be chained: first do something, then press.
Action Then(std::function<void(QDialog&)> first, Action second) {
  return [first, second](QDialog& d) {
    first(d);
    second(d);
  };
}

class QuestionWizardTest : public test::WizardTest {
protected:
  QuestionWizardTest() {
    wizard.SetModalRunner([this](QDialog& dialog) {
      shown.push_back(&dialog);
      dialog.setResult(-1);
      dialog.show();
      dialog.activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
      if (script.empty()) {
        ADD_FAILURE() << "the wizard showed " << dialog.windowTitle().toStdString() << " after the script ended";
        return static_cast<int>(wrCancel);
      }
      Action action = script.front();
      script.pop_front();
      action(dialog);
      EXPECT_FALSE(dialog.isVisible()) << "the step did not close";
      dialog.hide();
      return dialog.result();
    });
  }

  bool Run(std::deque<Action> actions) {
    script = std::move(actions);
    shown.clear();
    const bool finished = wizard.Run(set_, quiz);
    EXPECT_TRUE(script.empty()) << script.size() << " actions left";
    return finished;
  }

  QDialog* AddSub() { return wizard.OptionsForm(ptAddition); }

  TQuiz quiz;
  TQuestionWizard wizard{*settings_, nullptr};
  std::deque<Action> script;
  std::vector<QDialog*> shown;
};

TEST_F(QuestionWizardTest, NextThroughEveryStepAppendsACopyOfTheWorkingSet) {
  EXPECT_TRUE(Run({kNext, kNext, kFinish}));
  EXPECT_EQ(wizard.Trace(), (std::vector<State>{State::ChooseType, State::Options, State::Count, State::Append}));
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0], &wizard.TypeForm());
  EXPECT_EQ(shown[1], AddSub());
  EXPECT_EQ(shown[2], &wizard.CountForm());
  ASSERT_EQ(quiz.Sets.Count(), 1u);
  const TQuestionSet& added = quiz.Sets.Item(0);
  EXPECT_EQ(added.Count(), 10u);
  EXPECT_EQ(set_.Count(), 10u);
  EXPECT_TRUE(added.Options == set_.Options);
  for (std::size_t i = 0; i < added.Count(); ++i) EXPECT_TRUE(added.Item(i).SameAs(set_.Item(i)));
  // A copy: the working set goes on without it.
  set_.Clear();
  EXPECT_EQ(quiz.Sets.Item(0).Count(), 10u);
  EXPECT_EQ(SettingsText(),
            "[AdditionSettings]\nFirstTermType=0\nSecondTermType=0\nRegrouping=0\nUseZero=0\nOrientation=0\n");
}

TEST_F(QuestionWizardTest, CancelOrEscapeOnEveryStepEndsWithTheQuizUnchanged) {
  const std::vector<std::deque<Action>> runs = {
      {kCancel}, {kEscape}, {kNext, kCancel}, {kNext, kEscape}, {kNext, kNext, kCancel}, {kNext, kNext, kEscape}};
  for (const auto& run : runs) {
    EXPECT_FALSE(Run(run));
    EXPECT_EQ(wizard.Trace().size(), run.size());
    EXPECT_EQ(quiz.Sets.Count(), 0u);
  }
}

TEST_F(QuestionWizardTest, CancelInStepThreeKeepsTheOptionsConfirmedInStepTwo) {
  auto pickSubtraction = [](QDialog& d) { Click(static_cast<TProblemTypeForm&>(d).optSubtraction); };
  auto threeDigits = [](QDialog& d) {
    auto& form = static_cast<TProblemOptionsAddSubForm&>(d);
    ChooseItem(form.cmbFirstTermType, 2);
    Click(form.chkRegroupings);
  };
  EXPECT_FALSE(Run({Then(pickSubtraction, kNext), Then(threeDigits, kNext), kCancel}));
  EXPECT_EQ(quiz.Sets.Count(), 0u);
  EXPECT_EQ(settings_->ReadInteger("SubtractionSettings", "FirstTermType", -1), 2);
  EXPECT_TRUE(settings_->ReadBool("SubtractionSettings", "Regrouping", false));
  // Offered again the next time.
  auto expectShown = [](QDialog& d) {
    auto& form = static_cast<TProblemOptionsAddSubForm&>(d);
    EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 2);
    EXPECT_TRUE(form.chkRegroupings->isChecked());
  };
  EXPECT_FALSE(Run({kNext, Then(expectShown, kCancel)}));
}

TEST_F(QuestionWizardTest, BackWalksTheStepsBackwardsWithTheSameType) {
  auto pickDivision = [](QDialog& d) { Click(static_cast<TProblemTypeForm&>(d).optDivision); };
  auto uncheckFour = [](QDialog& d) {
    Click(static_cast<TProblemOptionsDivisionForm&>(d).grdTimesTable->Master(4));
  };
  auto expectFourUnchecked = [](QDialog& d) {
    EXPECT_EQ(static_cast<TProblemOptionsDivisionForm&>(d).grdTimesTable->Master(4)->checkState(), Qt::Unchecked);
  };
  auto expectDivisionChosen = [](QDialog& d) {
    auto& form = static_cast<TProblemTypeForm&>(d);
    EXPECT_TRUE(form.optDivision->isChecked());
    EXPECT_EQ(form.ChosenType(), ptDivision);
  };
  EXPECT_TRUE(Run({Then(pickDivision, kNext), Then(uncheckFour, kNext), kBack, Then(expectFourUnchecked, kBack),
                   Then(expectDivisionChosen, kNext), kNext, kFinish}));
  EXPECT_EQ(wizard.Trace(),
            (std::vector<State>{State::ChooseType, State::Options, State::Count, State::Options, State::ChooseType,
                                State::Options, State::Count, State::Append}));
  const QDialog* division = wizard.OptionsForm(ptDivision);
  EXPECT_EQ(shown[1], division);
  EXPECT_EQ(shown[3], division);
  EXPECT_EQ(shown[5], division);
  ASSERT_EQ(quiz.Sets.Count(), 1u);
  EXPECT_EQ(quiz.Sets.Item(0).Options.Operand, ptDivision);
  EXPECT_EQ(quiz.Sets.Item(0).Options.TimesTable[3], 0);
  for (std::size_t i = 0; i < quiz.Sets.Item(0).Count(); ++i) EXPECT_EQ(quiz.Sets.Item(0).Item(i).Operand, ptDivision);
}

TEST_F(QuestionWizardTest, BackFromADialogForgetsItsUnconfirmedChanges) {
  auto pickMultiplication = [](QDialog& d) { Click(static_cast<TProblemTypeForm&>(d).optMultiplication); };
  auto checkOne = [](QDialog& d) {
    Click(static_cast<TProblemOptionsMultiplicationForm&>(d).grdTimesTable->Master(1));
  };
  auto expectOneUnchecked = [](QDialog& d) {
    EXPECT_EQ(static_cast<TProblemOptionsMultiplicationForm&>(d).grdTimesTable->Master(1)->checkState(),
              Qt::Unchecked);
  };
  EXPECT_FALSE(Run({Then(pickMultiplication, kNext), Then(checkOne, kBack), kNext, Then(expectOneUnchecked, kCancel)}));
  EXPECT_EQ(SettingsText(), "");
  EXPECT_EQ(set_.Options.TimesTable[0], 0);
}

TEST_F(QuestionWizardTest, NextInStepOneWithoutAClickUsesTheTypeShown) {
  auto pickMultiplication = [](QDialog& d) { Click(static_cast<TProblemTypeForm&>(d).optMultiplication); };
  EXPECT_FALSE(Run({Then(pickMultiplication, kNext), kCancel}));
  set_.Options.Operand = ptAddition;  // whatever the set holds now
  auto expectOperand = [this](QDialog& d) {
    EXPECT_TRUE(static_cast<TProblemTypeForm&>(d).optMultiplication->isChecked());
    EXPECT_EQ(set_.Options.Operand, ptMultiplication);
  };
  EXPECT_FALSE(Run({Then(expectOperand, kNext), kCancel}));
  EXPECT_EQ(shown[1], wizard.OptionsForm(ptMultiplication));
}

TEST_F(QuestionWizardTest, StepsOneAndThreeKeepTheirStateFromRunToRun) {
  auto expectFirstRun = [](QDialog& d) {
    auto& form = static_cast<TProblemTypeForm&>(d);
    EXPECT_TRUE(form.optAddition->isChecked());
    EXPECT_EQ(form.ChosenType(), ptAddition);
  };
  auto expectTenUnchecked = [](QDialog& d) {
    auto& form = static_cast<TProblemCountForm&>(d);
    EXPECT_EQ(form.txtNumberOfQuestions->text(), QStringLiteral("10"));
    EXPECT_FALSE(form.chkStartOnNewPage->isChecked());
  };
  auto pickSubtraction = [](QDialog& d) { Click(static_cast<TProblemTypeForm&>(d).optSubtraction); };
  auto changeCount = [](QDialog& d) {
    auto& form = static_cast<TProblemCountForm&>(d);
    form.txtNumberOfQuestions->selectAll();
    QTest::keyClicks(form.txtNumberOfQuestions, QStringLiteral("7"));
    Click(form.chkStartOnNewPage);
  };
  EXPECT_TRUE(Run({Then(expectFirstRun, Then(pickSubtraction, kNext)), kNext,
                   Then(expectTenUnchecked, Then(changeCount, kFinish))}));
  EXPECT_EQ(quiz.Sets.Item(0).Count(), 7u);
  EXPECT_TRUE(quiz.Sets.Item(0).Options.StartOnNewPage);

  auto expectSubtraction = [](QDialog& d) {
    EXPECT_TRUE(static_cast<TProblemTypeForm&>(d).optSubtraction->isChecked());
  };
  auto expectSevenChecked = [](QDialog& d) {
    auto& form = static_cast<TProblemCountForm&>(d);
    EXPECT_EQ(form.txtNumberOfQuestions->text(), QStringLiteral("7"));
    EXPECT_TRUE(form.chkStartOnNewPage->isChecked());
  };
  EXPECT_TRUE(Run({Then(expectSubtraction, kNext), kNext, Then(expectSevenChecked, kFinish)}));
  ASSERT_EQ(quiz.Sets.Count(), 2u);
  EXPECT_EQ(quiz.Sets.Item(1).Count(), 7u);
  EXPECT_EQ(quiz.Sets.Item(1).Options.Operand, ptSubtraction);
}

TEST_F(QuestionWizardTest, EnteringStepThreeGeneratesAFreshSetAndPreviewsItAfterTheQuiz) {
  TQuestionSet existing;
  existing.Options.Operand = ptAddition;
  for (int i = 0; i < 3; ++i) existing.Add(TQuizQuestion{1, 2, ptAddition, 0, 0, 0, 0, 0});
  quiz.Sets.AddCopy(existing);
  for (int i = 0; i < 40; ++i) set_.Add(TQuizQuestion{});  // left from an earlier run
  auto expectEntry = [this](QDialog& d) {
    auto& form = static_cast<TProblemCountForm&>(d);
    EXPECT_EQ(set_.Count(), 10u);
    EXPECT_EQ(form.OwnQuiz().Sets.Count(), 1u);
    EXPECT_EQ(form.PageNumbersText(), QStringLiteral("1 to 1"));
    EXPECT_EQ(QApplication::focusWidget(), form.txtNumberOfQuestions);
  };
  const std::uint32_t state = RandomState();
  EXPECT_FALSE(Run({kNext, kNext, Then(expectEntry, kCancel)}));
  EXPECT_NE(RandomState(), state);
  EXPECT_EQ(quiz.Sets.Count(), 1u);
  // The working set keeps what step 3 made of it.
  EXPECT_EQ(set_.Count(), 10u);
}

TEST_F(QuestionWizardTest, EachEntryIntoADialogLoadsItsSection) {
  WriteSettings("[AdditionSettings]\nFirstTermType=4\nOrientation=1\n");
  auto expectLoaded = [](QDialog& d) {
    auto& form = static_cast<TProblemOptionsAddSubForm&>(d);
    EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 4);
    EXPECT_TRUE(form.optHorizontal->isChecked());
    EXPECT_GT(form.ExamplesDrawn(), 0);
  };
  EXPECT_FALSE(Run({kNext, Then(expectLoaded, kCancel)}));
  EXPECT_EQ(set_.Options.FirstTermType, 4);
  EXPECT_EQ(set_.Options.Orientation, 1);
}

// Counts the files put in place under one name in a folder (created there
// or renamed onto the name): every write of the settings file is one.
class FileWrites {
public:
  FileWrites(const std::string& folder, std::string name)
      : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), name_(std::move(name)) {
    EXPECT_GE(::inotify_add_watch(fd_, folder.c_str(), IN_CREATE | IN_MOVED_TO), 0);
  }
  ~FileWrites() { ::close(fd_); }
  FileWrites(const FileWrites&) = delete;
  FileWrites& operator=(const FileWrites&) = delete;

  int Count() {
    alignas(inotify_event) char buffer[8192];
    for (ssize_t n; (n = ::read(fd_, buffer, sizeof buffer)) > 0;) {
      for (ssize_t at = 0; at < n;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        if (event->len > 0 && name_ == event->name) ++count_;
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
    return count_;
  }

private:
  int fd_;
  std::string name_;
  int count_ = 0;
};

TEST_F(QuestionWizardTest, NextInADialogWritesTheSettingsFileOnceWithEveryKeyOfItsSection) {
  test::TemplateList templates(test::kTestTemplates);
  for (const TOptionsSection& section : OptionsSections()) {
    set_.Options.Operand = section.ProblemType;
    TProblemOptionsForm* form = wizard.OptionsForm(section.ProblemType);
    ASSERT_NE(form, nullptr) << section.Name;
    form->SetQuestionSet(set_);
    form->LoadSettings();
    FileWrites writes(settings_->DataFolder(), kSettingsFileName);
    form->cmdNext->click();
    EXPECT_EQ(writes.Count(), 1) << section.Name;
    std::vector<std::string_view> names;
    for (const TOptionsKey& key : section.Keys) names.push_back(key.Name);
    for (const auto& value : settings_->ReadValues(section.Name, names)) EXPECT_TRUE(value) << section.Name;
  }
}

TEST_F(QuestionWizardTest, TheRealModalWindowsEndWithTheirButtons) {
  // No runner: every step runs its own event loop; a timer presses the
  // step's button once the step is the active modal window.
  TQuestionWizard modal(*settings_, nullptr);
  std::deque<const char*> presses = {"Next", "Back", "Next", "Next", "Finish"};
  QTimer driver;
  driver.setInterval(20);
  QObject::connect(&driver, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || presses.empty() || !dialog->isVisible()) return;
    if (QPushButton* button = Button(*dialog, QString::fromLatin1(presses.front()))) {
      presses.pop_front();
      button->click();
    }
  });
  driver.start();
  EXPECT_TRUE(modal.Run(set_, quiz));
  driver.stop();
  EXPECT_TRUE(presses.empty());
  EXPECT_EQ(modal.Trace(), (std::vector<State>{State::ChooseType, State::Options, State::ChooseType, State::Options,
                                               State::Count, State::Append}));
  EXPECT_EQ(quiz.Sets.Count(), 1u);
}

TEST_F(QuestionWizardTest, StepOneOffersElevenTypesInThreeColumns) {
  TProblemTypeForm& form = wizard.TypeForm();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Question Add Wizard - Step 1 of 3"));
  const std::pair<TlfRadioButton*, const char*> expected[] = {
      {form.optAddition, " Addition"},     {form.optSubtraction, " Subtraction"},
      {form.optMultiplication, " Multiplication"}, {form.optDivision, " Division"},
      {form.optComparison, " Comparisons (>, <, =)"}, {form.optMoney, " Money"},
      {form.optFractions, " Fractions"},   {form.optTime, " Telling Time"},
      {form.optRounding, " Rounding"},     {form.optTables, " Tables"},
      {form.optGraphs, " Graphs"}};
  for (const auto& [radio, caption] : expected) EXPECT_EQ(radio->text(), QString::fromLatin1(caption));
  EXPECT_EQ(form.optAddition->x(), form.optDivision->x());
  EXPECT_EQ(form.optComparison->x(), form.optTime->x());
  EXPECT_EQ(form.optRounding->x(), form.optGraphs->x());
  EXPECT_LT(form.optAddition->x(), form.optComparison->x());
  EXPECT_LT(form.optComparison->x(), form.optRounding->x());
  EXPECT_LT(form.optAddition->y(), form.optSubtraction->y());
  for (QPushButton* button : form.findChildren<QPushButton*>()) EXPECT_NE(button->text(), QStringLiteral("Back"));
  // Each radio writes its code.
  form.SetQuestionSet(set_);
  const std::pair<TlfRadioButton*, std::uint8_t> codes[] = {
      {form.optGraphs, 12}, {form.optRounding, 9}, {form.optTime, 7}, {form.optTables, 10}, {form.optAddition, 0}};
  for (const auto& [radio, code] : codes) {
    radio->setChecked(true);
    EXPECT_EQ(set_.Options.Operand, code);
    EXPECT_EQ(form.ChosenType(), code);
  }
}

}  // namespace
}  // namespace sumcraft
