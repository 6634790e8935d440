// The multiplication dialog and the times-table grid it shares with the
// division dialog.
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "quiz/ProblemType.h"
#include "widgets/lfCheckbox.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfRadioButton.h"
#include "wizard/ProblemOptionsMultiplicationForm.h"
#include "wizard/TimesTableGrid.h"
#include "wizard/WizardResult.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

using test::ChooseItem;
using test::Click;

class MultiplicationFormTest : public test::WizardTest {
protected:
  void Enter() {
    set_.Options.Operand = ptMultiplication;
    form.SetQuestionSet(set_);
    form.LoadSettings();
    form.show();
    QApplication::processEvents();
  }
  TTimesTableGrid& Grid() { return *form.grdTimesTable; }
  std::array<std::int32_t, 12> Table() const { return set_.Options.TimesTable; }

  TProblemOptionsMultiplicationForm form{*settings_};
};

TEST_F(MultiplicationFormTest, TheGridHasTwelveFactorsInSixColumnsAndTwoRows) {
  Enter();
  EXPECT_EQ(form.tabType->tabText(0), QStringLiteral("Multiplication Tables"));
  EXPECT_EQ(form.tabType->tabText(1), QStringLiteral("Open-ended Multiplication"));
  EXPECT_EQ(form.imgQuiz->size(), QSize(250, 113));
  EXPECT_EQ(Grid().Master(8)->text(), QStringLiteral("8 and"));
  EXPECT_EQ(Grid().Master(8)->objectName(), QStringLiteral("chkEights"));
  EXPECT_EQ(Grid().Range(12, 2)->objectName(), QStringLiteral("chkTwelve912"));
  EXPECT_EQ(Grid().Range(1, 0)->text(), QStringLiteral("  1 - 4"));
  EXPECT_EQ(Grid().Range(1, 2)->text(), QStringLiteral("  9 - 12"));
  // 1, 3, .. 11 above 2, 4, .. 12, left to right.
  for (int factor = 1; factor <= 11; factor += 2) {
    EXPECT_LT(Grid().Master(factor)->y(), Grid().Master(factor + 1)->y());
    EXPECT_EQ(Grid().Master(factor)->x(), Grid().Master(factor + 1)->x());
    if (factor > 1) {
      EXPECT_GT(Grid().Master(factor)->x(), Grid().Master(factor - 2)->x());
    }
  }
  // The range boxes are not Tab stops; the masters are.
  EXPECT_FALSE(Grid().Range(3, 1)->focusPolicy() & Qt::TabFocus);
  EXPECT_TRUE(Grid().Master(3)->focusPolicy() & Qt::TabFocus);
  EXPECT_EQ(form.cmbFirstTermType->count(), 3);
  EXPECT_EQ(form.cmbSecondTermType->itemText(2), QStringLiteral("3  (    xxx)"));
}

TEST_F(MultiplicationFormTest, AnEmptySettingsFileOpensOnTheTablesFourFiveAndSix) {
  set_.Options.TimesTable.fill(0);
  set_.Options.MultiplicationType = 1;
  Enter();
  EXPECT_EQ(form.tabType->currentIndex(), 0);
  EXPECT_EQ(set_.Options.MultiplicationType, 0);
  for (int factor = 1; factor <= 12; ++factor) {
    const bool on = factor >= 4 && factor <= 6;
    EXPECT_EQ(Grid().Master(factor)->checkState(), on ? Qt::Checked : Qt::Unchecked) << factor;
    for (int range = 0; range < 3; ++range) EXPECT_EQ(Grid().Range(factor, range)->isChecked(), on);
  }
  EXPECT_EQ(Table(), (std::array<std::int32_t, 12>{0, 0, 0, 7, 7, 7, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 0);
  EXPECT_EQ(form.cmbSecondTermType->currentIndex(), 0);
  EXPECT_TRUE(form.optVertical->isChecked());
  Click(form.cmdNext);
  EXPECT_EQ(SettingsText(),
            "[MultiplySettings]\nTimesTable=000000000XXXXXXXXX000000000000000000\nFirstTermType=0\n"
            "SecondTermType=0\nMultiplicationType=0\nOrientation=0\n");
}

TEST_F(MultiplicationFormTest, ARangeBoxMakesItsMasterMixedAndChangesTheTable) {
  Enter();
  Click(Grid().Range(4, 1));  // "  5 - 8" under "4 and"
  EXPECT_EQ(Grid().Master(4)->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(Table()[3], 5);
  Click(form.cmdNext);
  EXPECT_EQ(settings_->ReadString("MultiplySettings", "TimesTable", ""), "000000000X0XXXXXXX000000000000000000");
}

TEST_F(MultiplicationFormTest, AMixedMasterClickedChecksAllItsRanges) {
  Enter();
  Click(Grid().Range(4, 1));
  ASSERT_EQ(Grid().Master(4)->checkState(), Qt::PartiallyChecked);
  Click(Grid().Master(4));
  EXPECT_EQ(Grid().Master(4)->checkState(), Qt::Checked);
  for (int range = 0; range < 3; ++range) EXPECT_TRUE(Grid().Range(4, range)->isChecked());
  EXPECT_EQ(Table()[3], 7);
  Click(Grid().Master(4));
  EXPECT_EQ(Grid().Master(4)->checkState(), Qt::Unchecked);
  EXPECT_EQ(Table()[3], 0);
  Click(Grid().Master(9));
  EXPECT_EQ(Table()[8], 7);
}

TEST_F(MultiplicationFormTest, UncheckingTheRangesOneByOneLeavesTheMasterUnchecked) {
  Enter();
  Click(Grid().Range(5, 0));
  EXPECT_EQ(Grid().Master(5)->checkState(), Qt::PartiallyChecked);
  Click(Grid().Range(5, 2));
  EXPECT_EQ(Grid().Master(5)->checkState(), Qt::PartiallyChecked);
  Click(Grid().Range(5, 1));
  EXPECT_EQ(Grid().Master(5)->checkState(), Qt::Unchecked);
  EXPECT_EQ(Table()[4], 0);
  Click(Grid().Range(5, 1));
  Click(Grid().Range(5, 0));
  Click(Grid().Range(5, 2));
  EXPECT_EQ(Grid().Master(5)->checkState(), Qt::Checked);
}

TEST_F(MultiplicationFormTest, EveryFactorUncheckedIsAllowed) {
  Enter();
  for (int factor : {4, 5, 6}) Click(Grid().Master(factor));
  EXPECT_EQ(Table(), (std::array<std::int32_t, 12>{}));
  Click(form.cmdNext);
  EXPECT_EQ(form.result(), wrNext);
  EXPECT_EQ(settings_->ReadString("MultiplySettings", "TimesTable", ""), std::string(36, '0'));
}

TEST_F(MultiplicationFormTest, EachGridClickDrawsOneExample) {
  Enter();
  int drawn = form.ExamplesDrawn();
  Click(Grid().Master(2));
  EXPECT_EQ(form.ExamplesDrawn(), drawn + 1);
  drawn = form.ExamplesDrawn();
  Click(Grid().Range(2, 1));
  EXPECT_EQ(form.ExamplesDrawn(), drawn + 1);
}

TEST_F(MultiplicationFormTest, TheStoredTableTextIsReadGroupByGroup) {
  set_.Options.TimesTable = {1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4};
  WriteSettings("[MultiplySettings]\nTimesTable=XXX\n");
  Enter();
  EXPECT_EQ(Table(), (std::array<std::int32_t, 12>{7, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4}));
  EXPECT_EQ(Grid().Master(1)->checkState(), Qt::Checked);
  EXPECT_EQ(Grid().Master(2)->checkState(), Qt::PartiallyChecked);
  EXPECT_EQ(Grid().Master(8)->checkState(), Qt::Unchecked);

  WriteSettings("[MultiplySettings]\nTimesTable=xXX\n");
  Enter();
  EXPECT_EQ(Table()[0], 6);
  EXPECT_EQ(Table()[1], 2);

  for (const char* text : {"X", "XX"}) {
    WriteSettings(std::string("[MultiplySettings]\nTimesTable=") + text + "\n");
    Enter();
    EXPECT_EQ(Table(), (std::array<std::int32_t, 12>{6, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4})) << text;
  }
}

TEST_F(MultiplicationFormTest, GroupsBeyondTheTwelfthAreIgnored) {
  WriteSettings("[MultiplySettings]\nTimesTable=" + std::string(33, '0') + "X00" + "XXXXXX" + "\n");
  Enter();
  EXPECT_EQ(Table(), (std::array<std::int32_t, 12>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
  Click(form.cmdNext);
  EXPECT_EQ(settings_->ReadString("MultiplySettings", "TimesTable", ""), std::string(33, '0') + "X00");
}

TEST_F(MultiplicationFormTest, TabsListsAndOrientationWriteTheirFields) {
  Enter();
  Click(form.optHorizontal);
  EXPECT_EQ(set_.Options.Orientation, 1);
  form.tabType->setCurrentIndex(1);  // the user's click on the tab
  EXPECT_EQ(set_.Options.MultiplicationType, 1);
  ChooseItem(form.cmbFirstTermType, 2);
  ChooseItem(form.cmbSecondTermType, 1);
  EXPECT_EQ(set_.Options.FirstTermType, 2);
  EXPECT_EQ(set_.Options.SecondTermType, 1);
  Click(form.cmdNext);
  EXPECT_EQ(SettingsText(),
            "[MultiplySettings]\nTimesTable=000000000XXXXXXXXX000000000000000000\nFirstTermType=2\n"
            "SecondTermType=1\nMultiplicationType=1\nOrientation=1\n");
  Enter();
  EXPECT_EQ(form.tabType->currentIndex(), 1);
  EXPECT_TRUE(form.optHorizontal->isChecked());
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 2);
  EXPECT_EQ(form.cmbSecondTermType->currentIndex(), 1);
}

TEST_F(MultiplicationFormTest, TheOptionsMatchTheBoxesWheneverAnExampleIsDrawn) {
  Enter();
  // Boxes changed by the program, not through the dialog's handlers...
  Grid().Range(11, 2)->blockSignals(true);
  Grid().Range(11, 2)->setChecked(true);
  Grid().Range(11, 2)->blockSignals(false);
  EXPECT_EQ(Table()[10], 0);
  // ...are read before the next example.
  form.UpdateExample();
  EXPECT_EQ(Table()[10], 4);
}

TEST_F(MultiplicationFormTest, BackAndCancelForgetTheGrid) {
  Enter();
  Click(Grid().Master(1));
  Click(form.cmdBack);
  Enter();
  EXPECT_EQ(Grid().Master(1)->checkState(), Qt::Unchecked);
  EXPECT_EQ(Table()[0], 0);
  EXPECT_EQ(SettingsText(), "");
}

}  // namespace
}  // namespace sumcraft
