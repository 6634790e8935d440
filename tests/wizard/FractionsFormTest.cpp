// The fractions dialog: five kinds, and "All denominators alike" shown
// only for sums and differences.
#include <gtest/gtest.h>


#include "generate/Random.h"
#include "quiz/ProblemType.h"
#include "widgets/lfCheckbox.h"
#include "widgets/lfRadioButton.h"
#include "wizard/ProblemOptionsFractionsForm.h"
#include "wizard/WizardResult.h"
#include "OptionsFormTestSupport.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

using Lines = std::vector<std::string>;

class FractionsFormTest : public test::WizardTest {
protected:
  FractionsFormTest() : form(*settings_) {
    set_.Options.Operand = ptFractions;
    form.SetQuestionSet(set_);
  }
  bool BoxShown() const { return !form.chkAllDenominatorsAlike->isHidden(); }
  TProblemOptionsFractionsForm form;
};

TEST_F(FractionsFormTest, EmptySettingsOpenOnGeometricRegionsWithTheBoxHidden) {
  set_.Options.AllDenominatorsAlike = false;
  form.LoadSettings();
  EXPECT_TRUE(form.optGeometricRegions->isChecked());
  EXPECT_EQ(set_.Options.FractionType, 0);
  EXPECT_TRUE(set_.Options.AllDenominatorsAlike);
  EXPECT_TRUE(form.chkAllDenominatorsAlike->isChecked());
  EXPECT_FALSE(BoxShown());
  form.cmdNext->click();
  EXPECT_EQ(test::IniLines(SettingsText()),
            (Lines{"[FractionSettings]", "FractionType=0", "AllDenominatorsAlike=1"}));
}

TEST_F(FractionsFormTest, SumsShowTheBoxComparisonsHideItAndItsValueIsStillSaved) {
  WriteSettings("[FractionSettings]\nFractionType=3\nAllDenominatorsAlike=0\n");
  form.LoadSettings();
  EXPECT_TRUE(form.optAddition->isChecked());
  EXPECT_TRUE(BoxShown());
  EXPECT_FALSE(form.chkAllDenominatorsAlike->isChecked());

  test::Click(form.chkAllDenominatorsAlike);
  EXPECT_TRUE(set_.Options.AllDenominatorsAlike);
  test::Click(form.optComparisons);
  EXPECT_EQ(set_.Options.FractionType, 5);
  EXPECT_FALSE(BoxShown());
  test::Click(form.optSubtraction);
  EXPECT_EQ(set_.Options.FractionType, 4);
  EXPECT_TRUE(BoxShown());
  test::Click(form.optSets);
  EXPECT_EQ(set_.Options.FractionType, 1);
  EXPECT_FALSE(BoxShown());

  form.cmdNext->click();
  EXPECT_EQ(test::IniLines(SettingsText()),
            (Lines{"[FractionSettings]", "FractionType=1", "AllDenominatorsAlike=1"}));
}

TEST_F(FractionsFormTest, ATypeWithoutARadioButtonLeavesTheChoiceAsItWas) {
  WriteSettings("[FractionSettings]\nFractionType=4\n");
  form.LoadSettings();
  EXPECT_TRUE(form.optSubtraction->isChecked());
  WriteSettings("[FractionSettings]\nFractionType=2\n");
  form.LoadSettings();
  EXPECT_TRUE(form.optSubtraction->isChecked());
  EXPECT_TRUE(BoxShown());
  EXPECT_EQ(set_.Options.FractionType, 2);
}

TEST_F(FractionsFormTest, BackSavesNothing) {
  form.LoadSettings();
  test::Click(form.optAddition);
  form.cmdBack->click();
  EXPECT_EQ(SettingsText(), "");
}



}  // namespace
}  // namespace sumcraft
