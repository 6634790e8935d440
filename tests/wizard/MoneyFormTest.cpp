// The money dialog: five boxes over one bit mask, bits without a box kept.
#include <gtest/gtest.h>


#include "generate/Random.h"
#include "quiz/ProblemType.h"
#include "widgets/lfCheckbox.h"
#include "wizard/ProblemOptionsMoneyForm.h"
#include "wizard/WizardResult.h"
#include "OptionsFormTestSupport.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

using Lines = std::vector<std::string>;

class MoneyFormTest : public test::WizardTest {
protected:
  MoneyFormTest() : form(*settings_) {
    set_.Options.Operand = ptMoney;
    form.SetQuestionSet(set_);
  }
  TProblemOptionsMoneyForm form;
};

TEST_F(MoneyFormTest, EmptySettingsOpenWithEveryCoinUpToNinetyNineCents) {
  form.chkPenny->setChecked(false);
  form.chkAbove100->setChecked(true);
  form.LoadSettings();
  EXPECT_EQ(set_.Options.CoinsToUse, 15);
  for (TlfCheckbox* coin : {form.chkQuarter, form.chkDime, form.chkNickel, form.chkPenny})
    EXPECT_TRUE(coin->isChecked()) << coin->text().toStdString();
  EXPECT_FALSE(form.chkAbove100->isChecked());
  EXPECT_EQ(form.chkAbove100->text(), QStringLiteral("  Allow total to exceed $0.99"));
  form.cmdNext->click();
  EXPECT_EQ(test::IniLines(SettingsText()), (Lines{"[MoneySettings]", "CoinsToUse=15"}));
}

TEST_F(MoneyFormTest, ClicksSetAndClearTheirBits) {
  form.LoadSettings();
  const int drawn = form.ExamplesDrawn();
  test::Click(form.chkPenny);
  test::Click(form.chkNickel);
  test::Click(form.chkAbove100);
  EXPECT_EQ(set_.Options.CoinsToUse, 140);
  EXPECT_EQ(form.ExamplesDrawn(), drawn + 3);
  form.cmdNext->click();
  EXPECT_EQ(test::IniLines(SettingsText()), (Lines{"[MoneySettings]", "CoinsToUse=140"}));
}

TEST_F(MoneyFormTest, BitsWithoutABoxSurviveEveryClickAndAreWrittenBack) {
  WriteSettings("[MoneySettings]\nCoinsToUse=31\n");
  form.LoadSettings();
  EXPECT_EQ(set_.Options.CoinsToUse, 31);
  for (int i = 0; i < 3; ++i) test::Click(form.chkPenny);  // off, on, off
  test::Click(form.chkQuarter);
  test::Click(form.chkQuarter);
  EXPECT_EQ(set_.Options.CoinsToUse, 16 + 8 + 4 + 2);
  form.cmdNext->click();
  EXPECT_EQ(test::IniLines(SettingsText()), (Lines{"[MoneySettings]", "CoinsToUse=30"}));
}

TEST_F(MoneyFormTest, LoadChecksExactlyTheBoxesWhoseBitsAreSet) {
  WriteSettings("[MoneySettings]\nCoinsToUse=133\n");  // 128 + 4 + 1
  form.LoadSettings();
  EXPECT_TRUE(form.chkPenny->isChecked());
  EXPECT_FALSE(form.chkNickel->isChecked());
  EXPECT_TRUE(form.chkDime->isChecked());
  EXPECT_FALSE(form.chkQuarter->isChecked());
  EXPECT_TRUE(form.chkAbove100->isChecked());
}

TEST_F(MoneyFormTest, NoCoinsAtAllIsAllowed) {
  form.LoadSettings();
  for (TlfCheckbox* coin : {form.chkQuarter, form.chkDime, form.chkNickel, form.chkPenny}) test::Click(coin);
  EXPECT_EQ(set_.Options.CoinsToUse, 0);
  form.cmdNext->click();
  EXPECT_EQ(test::IniLines(SettingsText()), (Lines{"[MoneySettings]", "CoinsToUse=0"}));
}

TEST_F(MoneyFormTest, CancelSavesNothing) {
  form.LoadSettings();
  test::Click(form.chkDime);
  form.cmdCancel->click();
  EXPECT_EQ(form.result(), wrCancel);
  EXPECT_EQ(SettingsText(), "");
}



}  // namespace
}  // namespace sumcraft
