// The table-data dialog: the wording from the templates and the boxes, the
// sizes of the numbers with their coupling, and the preview numbers.
#include <gtest/gtest.h>


#include "generate/AnswerText.h"
#include "generate/Random.h"
#include "quiz/ProblemType.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfInputField.h"
#include "wizard/ProblemOptionsTableDataForm.h"
#include "wizard/WizardResult.h"
#include "OptionsFormTestSupport.h"
#include "widgets/WidgetTestSupport.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

using Lines = std::vector<std::string>;

class TableDataFormTest : public test::WizardTest {
protected:
  TableDataFormTest() : form(*settings_) {
    set_.Options.Operand = ptTables;
    form.SetQuestionSet(set_);
  }
  std::vector<std::string> Items() const {
    std::vector<std::string> items;
    for (int i = 0; i < form.cmbItem->count(); ++i) items.push_back(form.cmbItem->itemText(i).toStdString());
    return items;
  }
  std::array<std::int32_t, 4> ShownData() const {
    std::array<std::int32_t, 4> shown{};
    for (int i = 0; i < 4; ++i) shown[i] = form.txtData[i]->text().remove(QLatin1Char(',')).toInt();
    return shown;
  }
  void ExpectBoxesShowTheData() const {
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(form.txtData[i]->text().toStdString(), FormatThousands(set_.Options.TableData[i])) << i;
  }
  TProblemOptionsTableDataForm form;
};

TEST_F(TableDataFormTest, LoadListsTheTemplatesOfTheTypeAndTheLastOfTheChosenNameWins) {
  test::TemplateList templates(test::kTestTemplates);
  form.LoadSettings();
  EXPECT_EQ(form.cmbType->currentText(), QStringLiteral("shows the number of"));
  EXPECT_EQ(Items(), (std::vector<std::string>{"apples picked", "books read", "apples picked"}));
  EXPECT_EQ(form.cmbItem->currentIndex(), 0);
  const TQOptions& o = set_.Options;
  EXPECT_EQ(o.TableDataType, 1);
  // Two templates are called "apples picked": the later one is used.
  EXPECT_EQ(form.txtPredicate->text(), QStringLiteral("by the later template."));
  EXPECT_EQ(form.txtCaptionHead->text(), QStringLiteral("Picker"));
  EXPECT_EQ(form.txtDataHead->text(), QStringLiteral("Bushels"));
  EXPECT_EQ(form.txtCaption[0]->text(), QStringLiteral("Zoe"));
  EXPECT_EQ(form.txtCaption[3]->text(), QStringLiteral("Walt"));
  EXPECT_EQ(o.TableItemName, "Picker");
  EXPECT_EQ(o.TableDataCaption, "Bushels");
  EXPECT_EQ(o.ItemName, "apples");
  EXPECT_EQ(o.ActionName, "picked");
  EXPECT_EQ(o.TableNames, (std::array<std::string, 4>{"Zoe", "Yan", "Xia", "Walt"}));
  // The sizes: 2 digits, no rounding.
  EXPECT_EQ(form.cmbFirstTermType->currentText(), QStringLiteral("2  (     xx)"));
  EXPECT_EQ(form.cmbSecondTermType->currentText(), QStringLiteral("1 (no rounding)"));
  EXPECT_EQ(o.FirstTermType, 1);
  EXPECT_EQ(o.SecondTermType, 0);
  ExpectBoxesShowTheData();
}

TEST_F(TableDataFormTest, KindsOfItemListsOnlyTypeZeroAndSelectsTheFirst) {
  test::TemplateList templates(test::kTestTemplates);
  form.LoadSettings();
  test::ChooseItem(form.cmbType, 1);
  EXPECT_EQ(Items(), (std::vector<std::string>{"pets adopted", "apples sold"}));
  EXPECT_EQ(form.cmbItem->currentIndex(), 0);
  EXPECT_EQ(set_.Options.TableDataType, 0);
  EXPECT_EQ(form.txtCaptionHead->text(), QStringLiteral("Pet"));
  EXPECT_EQ(form.txtPredicate->text(), QStringLiteral("at the animal shelter."));
  EXPECT_FALSE(set_.Options.TableUseItemName);

  test::ChooseItem(form.cmbItem, 1);
  EXPECT_EQ(form.txtCaption[2]->text(), QStringLiteral("Yellow"));
  EXPECT_EQ(set_.Options.ActionName, "sold");
  EXPECT_TRUE(set_.Options.TableUseItemName);

  // The data type stays while the program runs; a load selects the first
  // template of it again.
  form.LoadSettings();
  EXPECT_EQ(form.cmbType->currentIndex(), 1);
  EXPECT_EQ(form.cmbItem->currentIndex(), 0);
  EXPECT_EQ(set_.Options.ActionName, "adopted");
}

TEST_F(TableDataFormTest, WithoutTemplatesTheBoxesAreEmptyAndNextStillWorks) {
  test::TemplateList templates(nullptr);
  set_.Options.TableUseItemName = false;
  form.LoadSettings();
  EXPECT_EQ(form.cmbItem->count(), 0);
  for (TlfInputField* box : {form.txtPredicate, form.txtCaptionHead, form.txtDataHead, form.txtCaption[0],
                             form.txtCaption[1], form.txtCaption[2], form.txtCaption[3]})
    EXPECT_TRUE(box->text().isEmpty());
  const TQOptions& o = set_.Options;
  EXPECT_EQ(o.ItemName, "");
  EXPECT_EQ(o.ActionName, "");
  EXPECT_EQ(o.TableNames, (std::array<std::string, 4>{}));
  EXPECT_TRUE(o.TableUseItemName);
  form.UpdateExample();  // a question with empty words
  form.cmdNext->click();
  EXPECT_EQ(form.result(), wrNext);
  EXPECT_EQ(o.ActionPredicate, "");
  EXPECT_EQ(test::IniLines(SettingsText()),
            (Lines{"[TableDataSettings]", "FirstTermType=1", "SecondTermType=0"}));
}

TEST_F(TableDataFormTest, ShorterNumbersLowerTheRoundingAndRoundingIsCappedByTheDigits) {
  test::TemplateList templates(test::kTestTemplates);
  form.LoadSettings();
  test::PickItem(form.cmbFirstTermType, 2);   // 4 digits
  test::PickItem(form.cmbSecondTermType, 3);  // 1,000: allowed
  EXPECT_EQ(form.cmbSecondTermType->currentIndex(), 3);
  test::PickItem(form.cmbFirstTermType, 0);  // 2 digits
  EXPECT_EQ(form.cmbSecondTermType->currentText(), QStringLiteral("1 (no rounding)"));
  EXPECT_EQ(set_.Options.FirstTermType, 1);
  EXPECT_EQ(set_.Options.SecondTermType, 0);

  test::PickItem(form.cmbSecondTermType, 2);  // 100 for 2 digits: too far
  EXPECT_EQ(form.cmbSecondTermType->currentText(), QStringLiteral("10"));
  EXPECT_EQ(set_.Options.SecondTermType, 1);

  test::PickItem(form.cmbFirstTermType, 4);   // 6 digits
  test::PickItem(form.cmbSecondTermType, 5);  // 100,000
  test::PickItem(form.cmbFirstTermType, 3);   // 5 digits: 1,000
  EXPECT_EQ(form.cmbSecondTermType->currentText(), QStringLiteral("1,000"));
  for (std::int32_t value : set_.Options.TableData) {
    EXPECT_EQ(value % 1000, 0);
    EXPECT_GE(value, 10000);
  }
  ExpectBoxesShowTheData();
  form.cmdNext->click();
  EXPECT_EQ(test::IniLines(SettingsText()),
            (Lines{"[TableDataSettings]", "FirstTermType=4", "SecondTermType=3"}));
}

TEST_F(TableDataFormTest, AStoredPairAgainstTheRuleIsShownCorrected) {
  test::TemplateList templates(nullptr);
  WriteSettings("[TableDataSettings]\nFirstTermType=1\nSecondTermType=5\n");
  form.LoadSettings();
  EXPECT_EQ(form.cmbFirstTermType->currentText(), QStringLiteral("2  (     xx)"));
  EXPECT_EQ(form.cmbSecondTermType->currentText(), QStringLiteral("10"));
  EXPECT_EQ(set_.Options.SecondTermType, 1);
  WriteSettings("[TableDataSettings]\nFirstTermType=2\nSecondTermType=5\n");
  form.LoadSettings();
  EXPECT_EQ(form.cmbSecondTermType->currentText(), QStringLiteral("100"));
  EXPECT_EQ(set_.Options.SecondTermType, 2);
  WriteSettings("[TableDataSettings]\nFirstTermType=4\nSecondTermType=4\n");
  form.LoadSettings();
  EXPECT_EQ(form.cmbFirstTermType->currentText(), QStringLiteral("5  ( xx,xxx)"));
  EXPECT_EQ(form.cmbSecondTermType->currentText(), QStringLiteral("10,000"));
}

TEST_F(TableDataFormTest, LeavingANameBoxReadsTheBoxesAndShowsNewNumbersAndANewExample) {
  test::TemplateList templates(test::kTestTemplates);
  form.LoadSettings();
  ASSERT_TRUE(test::ShowActive(form));
  SetRandomState(99);
  form.txtCaption[1]->setFocus(Qt::TabFocusReason);
  form.txtCaption[1]->selectAll();
  QTest::keyClicks(form.txtCaption[1], QStringLiteral("Maximilian12"));  // 10 at most
  form.txtDataHead->setText(QStringLiteral("Pears"));
  const auto before = set_.Options.TableData;
  const int drawn = form.ExamplesDrawn();
  QTest::keyClick(form.txtCaption[1], Qt::Key_Tab);
  EXPECT_TRUE(form.txtCaption[2]->hasFocus());
  EXPECT_EQ(set_.Options.TableNames[1], "Maximilian");
  EXPECT_EQ(set_.Options.TableDataCaption, "Pears");
  EXPECT_GT(form.ExamplesDrawn(), drawn);
  EXPECT_NE(set_.Options.TableData, before);
  ExpectBoxesShowTheData();
  form.hide();
}

TEST_F(TableDataFormTest, NumberBoxesOnlyShowAndPassTheFocusToTheirRow) {
  test::TemplateList templates(test::kTestTemplates);
  form.LoadSettings();
  ASSERT_TRUE(test::ShowActive(form));
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(form.txtData[i]->isReadOnly());
    EXPECT_TRUE(form.txtData[i]->alignment() & Qt::AlignRight);
    EXPECT_EQ(form.txtData[i]->palette().color(QPalette::Base), QColor(166, 202, 240));
  }
  // Tab passes them by.
  form.txtCaption[0]->setFocus(Qt::TabFocusReason);
  QTest::keyClick(form.txtCaption[0], Qt::Key_Tab);
  EXPECT_TRUE(form.txtCaption[1]->hasFocus());
  // A click lands in the name box of the row.
  QTest::mouseClick(form.txtData[3], Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_TRUE(form.txtCaption[3]->hasFocus());
  form.hide();
}

TEST_F(TableDataFormTest, NextReadsTheBoxesAndBackSavesNothing) {
  test::TemplateList templates(test::kTestTemplates);
  form.LoadSettings();
  form.txtPredicate->setText(QStringLiteral("by my class."));
  form.cmdBack->click();
  EXPECT_EQ(SettingsText(), "");
  form.cmdNext->click();
  EXPECT_EQ(set_.Options.ActionPredicate, "by my class.");
  EXPECT_EQ(test::IniLines(SettingsText()),
            (Lines{"[TableDataSettings]", "FirstTermType=1", "SecondTermType=0"}));
}



}  // namespace
}  // namespace sumcraft
