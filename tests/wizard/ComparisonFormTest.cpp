// The comparison dialog: one size list for both numbers, symbols or words,
// and its CompareSettings section.
#include <gtest/gtest.h>


#include "generate/Random.h"
#include "quiz/ProblemType.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfRadioButton.h"
#include "wizard/ProblemOptionsComparisonForm.h"
#include "wizard/ProblemOptionsFractionsForm.h"
#include "wizard/ProblemOptionsGraphForm.h"
#include "wizard/ProblemOptionsMoneyForm.h"
#include "wizard/ProblemOptionsRoundingForm.h"
#include "wizard/ProblemOptionsTableDataForm.h"
#include "wizard/ProblemOptionsTimeForm.h"
#include "wizard/QuestionWizard.h"
#include "wizard/WizardResult.h"
#include "OptionsFormTestSupport.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

using Lines = std::vector<std::string>;

class ComparisonFormTest : public test::WizardTest {
protected:
  ComparisonFormTest() : form(*settings_) {
    set_.Options.Operand = ptComparison;
    form.SetQuestionSet(set_);
  }
  TProblemOptionsComparisonForm form;
};

TEST_F(ComparisonFormTest, EmptySettingsOpenWithOneDigitAndSymbolsAndNextWritesTheThreeKeys) {
  set_.Options.FirstTermType = 4;
  set_.Options.SecondTermType = 4;
  form.LoadSettings();
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 0);
  EXPECT_EQ(form.cmbFirstTermType->count(), 3);
  EXPECT_EQ(form.cmbFirstTermType->itemText(2), QStringLiteral("3  (    xxx)"));
  EXPECT_TRUE(form.optComparisonSymbols->isChecked());
  EXPECT_EQ(set_.Options.FirstTermType, 0);
  EXPECT_EQ(set_.Options.SecondTermType, 0);
  EXPECT_EQ(set_.Options.ComparisonSymbolType, 1);
  EXPECT_EQ(SettingsText(), "");  // loading writes nothing

  form.cmdNext->click();
  EXPECT_EQ(form.result(), wrNext);
  EXPECT_EQ(test::IniLines(SettingsText()),
            (Lines{"[CompareSettings]", "FirstTermType=0", "SecondTermType=0", "SymbolType=1"}));
}

TEST_F(ComparisonFormTest, ThreeDigitsWritesBothTermSizesAndDrawsAnExample) {
  form.LoadSettings();
  const int drawn = form.ExamplesDrawn();
  test::ChooseItem(form.cmbFirstTermType, 2);
  EXPECT_EQ(set_.Options.FirstTermType, 2);
  EXPECT_EQ(set_.Options.SecondTermType, 2);
  EXPECT_GT(form.ExamplesDrawn(), drawn);

  test::Click(form.optComparisonText);
  EXPECT_EQ(set_.Options.ComparisonSymbolType, 0);
  form.cmdNext->click();
  EXPECT_EQ(test::IniLines(SettingsText()),
            (Lines{"[CompareSettings]", "FirstTermType=2", "SecondTermType=2", "SymbolType=0"}));
}

TEST_F(ComparisonFormTest, SymbolTypeChoosesTheRadioButtonAndOtherValuesLeaveIt) {
  WriteSettings("[CompareSettings]\nFirstTermType=1\nSecondTermType=1\nSymbolType=0\n");
  form.LoadSettings();
  EXPECT_TRUE(form.optComparisonText->isChecked());
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 1);

  // A value of neither kind leaves the buttons as they were; the value is
  // kept and written back.
  WriteSettings("[CompareSettings]\nSymbolType=7\n");
  form.LoadSettings();
  EXPECT_TRUE(form.optComparisonText->isChecked());
  EXPECT_EQ(set_.Options.ComparisonSymbolType, 7);
  WriteSettings("[CompareSettings]\nSymbolType=1\n");
  form.LoadSettings();
  EXPECT_TRUE(form.optComparisonSymbols->isChecked());
  EXPECT_EQ(set_.Options.ComparisonSymbolType, 1);
}

TEST_F(ComparisonFormTest, HandEditedSizesAreShownWithinTheList) {
  WriteSettings("[CompareSettings]\nFirstTermType=9\nSecondTermType=-3\n");
  form.LoadSettings();
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 2);
  EXPECT_EQ(set_.Options.FirstTermType, 2);
  EXPECT_EQ(set_.Options.SecondTermType, 0);
}

TEST_F(ComparisonFormTest, ChangesLeftWithBackOrCancelAreNeitherSavedNorSeenAgain) {
  form.LoadSettings();
  test::ChooseItem(form.cmbFirstTermType, 1);
  test::Click(form.optComparisonText);
  form.cmdBack->click();
  EXPECT_EQ(form.result(), wrBack);
  form.cmdCancel->click();
  EXPECT_EQ(form.result(), wrCancel);
  EXPECT_EQ(SettingsText(), "");
  form.LoadSettings();
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 0);
  EXPECT_TRUE(form.optComparisonSymbols->isChecked());
}


// The wizard's step 2 for each of these types is its dialog, and each
// dialog reads and writes its own section.
TEST_F(ComparisonFormTest, TheWizardOffersTheDialogOfEachType) {
  TQuestionWizard wizard(*settings_, nullptr);
  const auto section = [&](std::uint8_t type) {
    TProblemOptionsForm* dialog = wizard.OptionsForm(type);
    return dialog == nullptr ? std::string("(none)") : dialog->SectionName();
  };
  EXPECT_NE(dynamic_cast<TProblemOptionsComparisonForm*>(wizard.OptionsForm(ptComparison)), nullptr);
  EXPECT_NE(dynamic_cast<TProblemOptionsMoneyForm*>(wizard.OptionsForm(ptMoney)), nullptr);
  EXPECT_NE(dynamic_cast<TProblemOptionsFractionsForm*>(wizard.OptionsForm(ptFractions)), nullptr);
  EXPECT_NE(dynamic_cast<TProblemOptionsTimeForm*>(wizard.OptionsForm(ptTime)), nullptr);
  EXPECT_NE(dynamic_cast<TProblemOptionsRoundingForm*>(wizard.OptionsForm(ptRounding)), nullptr);
  EXPECT_NE(dynamic_cast<TProblemOptionsTableDataForm*>(wizard.OptionsForm(ptTables)), nullptr);
  EXPECT_NE(dynamic_cast<TProblemOptionsGraphForm*>(wizard.OptionsForm(ptGraphs)), nullptr);
  EXPECT_EQ(section(ptComparison), "CompareSettings");
  EXPECT_EQ(section(ptMoney), "MoneySettings");
  EXPECT_EQ(section(ptFractions), "FractionSettings");
  EXPECT_EQ(section(ptTime), "TimeSettings");
  EXPECT_EQ(section(ptRounding), "RoundingSettings");
  EXPECT_EQ(section(ptTables), "TableDataSettings");
  EXPECT_EQ(section(ptGraphs), "GraphSettings");

  // Every control, the example area included, lies inside the window and
  // clear of the buttons.
  for (std::uint8_t type : {ptComparison, ptMoney, ptFractions, ptTime, ptRounding, ptTables, ptGraphs}) {
    TProblemOptionsForm* dialog = wizard.OptionsForm(type);
    const QRect buttons = dialog->cmdBack->geometry() | dialog->cmdCancel->geometry();
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isHidden() || child == dialog->cmdBack || child == dialog->cmdNext || child == dialog->cmdCancel)
        continue;
      EXPECT_TRUE(dialog->rect().contains(child->geometry())) << section(type) << " " << child->metaObject()->className();
      EXPECT_FALSE(child->geometry().intersects(buttons)) << section(type) << " " << child->metaObject()->className();
    }
  }
}


}  // namespace
}  // namespace sumcraft
