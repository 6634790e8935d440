// The time dialog: the smallest interval of the clocks.
#include <gtest/gtest.h>


#include "generate/Random.h"
#include "quiz/ProblemType.h"
#include "widgets/lfRadioButton.h"
#include "wizard/ProblemOptionsTimeForm.h"
#include "wizard/WizardResult.h"
#include "OptionsFormTestSupport.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

using Lines = std::vector<std::string>;

class TimeFormTest : public test::WizardTest {
protected:
  TimeFormTest() : form(*settings_) {
    set_.Options.Operand = ptTime;
    form.SetQuestionSet(set_);
  }
  TProblemOptionsTimeForm form;
};

TEST_F(TimeFormTest, EmptySettingsOpenOnFifteenMinutes) {
  test::Click(form.optHour);  // a choice made before is replaced by the load
  form.LoadSettings();
  EXPECT_TRUE(form.opt15Minutes->isChecked());
  EXPECT_EQ(set_.Options.FirstTermType, 2);
  form.cmdNext->click();
  EXPECT_EQ(test::IniLines(SettingsText()), (Lines{"[TimeSettings]", "FirstTermType=2"}));
}

TEST_F(TimeFormTest, EveryIntervalHasItsRadioButton) {
  const TlfRadioButton* radios[] = {form.optHour, form.optHalfHour, form.opt15Minutes, form.opt5Minutes,
                                    form.optMinute};
  for (int value = 0; value <= 4; ++value) {
    WriteSettings("[TimeSettings]\nFirstTermType=" + std::to_string(value) + "\n");
    form.LoadSettings();
    EXPECT_TRUE(radios[value]->isChecked()) << value;
    EXPECT_EQ(set_.Options.FirstTermType, value);
  }
  form.LoadSettings();
  test::Click(form.optHalfHour);
  EXPECT_EQ(set_.Options.FirstTermType, 1);
  test::Click(form.optMinute);
  EXPECT_EQ(set_.Options.FirstTermType, 4);
  form.cmdNext->click();
  EXPECT_EQ(test::IniLines(SettingsText()), (Lines{"[TimeSettings]", "FirstTermType=4"}));
}

TEST_F(TimeFormTest, ValuesWithoutARadioButtonBecomeFifteenMinutes) {
  for (const char* stored : {"9", "5", "-1"}) {
    WriteSettings(std::string("[TimeSettings]\nFirstTermType=") + stored + "\n");
    test::Click(form.optHour);
    form.LoadSettings();
    EXPECT_TRUE(form.opt15Minutes->isChecked()) << stored;
    EXPECT_EQ(set_.Options.FirstTermType, 2) << stored;
    form.cmdNext->click();
    EXPECT_EQ(test::IniLines(SettingsText()), (Lines{"[TimeSettings]", "FirstTermType=2"})) << stored;
  }
}

TEST_F(TimeFormTest, CancelSavesNothing) {
  form.LoadSettings();
  test::Click(form.optHour);
  form.cmdCancel->click();
  EXPECT_EQ(form.result(), wrCancel);
  EXPECT_EQ(SettingsText(), "");
}



}  // namespace
}  // namespace sumcraft
