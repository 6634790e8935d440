// The graph dialog: the wording from the templates and the boxes, graph
// type and digits, the scale kept as text in the file, and the preview.
#include <gtest/gtest.h>

#include <QScrollArea>

#include "generate/Random.h"
#include "quiz/ProblemType.h"
#include "widgets/WidgetTestSupport.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfInputField.h"
#include "wizard/ProblemOptionsGraphForm.h"
#include "wizard/WizardResult.h"
#include "OptionsFormTestSupport.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

using Lines = std::vector<std::string>;

class GraphFormTest : public test::WizardTest {
protected:
  GraphFormTest() : form(*settings_) {
    set_.Options.Operand = ptGraphs;
    form.SetQuestionSet(set_);
  }
  TProblemOptionsGraphForm form;
};

TEST_F(GraphFormTest, EmptySettingsOpenWithVerticalBarsTwoDigitsAndTenStepsOfTen) {
  test::TemplateList templates(test::kTestTemplates);
  set_.Options.BarGraphType = 0;
  set_.Options.IncrementCount = 3;
  set_.Options.IncrementStepSize = 7;
  form.LoadSettings();
  const TQOptions& o = set_.Options;
  EXPECT_EQ(form.cmbGraphType->currentText(), QStringLiteral("Vertical Bar"));
  EXPECT_EQ(o.BarGraphType, 1);
  EXPECT_EQ(o.IncrementCount, 10);
  EXPECT_EQ(o.IncrementStepSize, 10);
  EXPECT_EQ(o.SecondTermType, 1);
  EXPECT_EQ(form.cmbFirstTermType->currentText(), QStringLiteral("2  (     xx)"));
  form.cmdNext->click();
  EXPECT_EQ(form.result(), wrNext);
  EXPECT_EQ(test::IniLines(SettingsText()), (Lines{"[GraphSettings]", "GraphType=1", "IncrementCount=10",
                                                   "IncrementStepSize=10", "GraphTermType=1"}));
}

TEST_F(GraphFormTest, ThreeDigitsMakeStepsOfAHundred) {
  test::TemplateList templates(test::kTestTemplates);
  form.LoadSettings();
  test::ChooseItem(form.cmbFirstTermType, 2);
  const TQOptions& o = set_.Options;
  EXPECT_EQ(o.IncrementStepSize, 100);
  EXPECT_EQ(o.SecondTermType, 2);
  for (std::int32_t bar : o.BarGraphData) {
    EXPECT_EQ(bar % 100, 0);
    EXPECT_GE(bar, 100);
    EXPECT_LE(bar, 900);
  }
  test::ChooseItem(form.cmbFirstTermType, 0);
  EXPECT_EQ(o.IncrementStepSize, 1);
  test::ChooseItem(form.cmbGraphType, 0);
  EXPECT_EQ(o.BarGraphType, 0);
  form.cmdNext->click();
  EXPECT_EQ(test::IniLines(SettingsText()), (Lines{"[GraphSettings]", "GraphType=0", "IncrementCount=10",
                                                   "IncrementStepSize=1", "GraphTermType=0"}));
}

TEST_F(GraphFormTest, ScaleTextsThatAreNoPositiveWholeNumbersFallBackToTheDefaults) {
  WriteSettings("[GraphSettings]\nGraphType=0\nIncrementCount=ten\nIncrementStepSize=0\nGraphTermType=2.5\n");
  form.LoadSettings();
  const TQOptions& o = set_.Options;
  EXPECT_EQ(o.BarGraphType, 0);
  EXPECT_EQ(form.cmbGraphType->currentIndex(), 0);
  EXPECT_EQ(o.IncrementCount, 10);
  EXPECT_EQ(o.IncrementStepSize, 10);
  EXPECT_EQ(o.SecondTermType, 1);

  WriteSettings("[GraphSettings]\nIncrementCount=12\nIncrementStepSize=+5\nGraphTermType=2\n");
  form.LoadSettings();
  EXPECT_EQ(o.IncrementCount, 12);
  EXPECT_EQ(o.IncrementStepSize, 5);
  EXPECT_EQ(o.SecondTermType, 2);
  // Loading keeps the stored step; only a change of the digits sets it.
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 2);
  form.cmdNext->click();
  EXPECT_EQ(test::SortedKeys(test::IniLines(SettingsText())),
            (Lines{"[GraphSettings]", "GraphTermType=2", "GraphType=1", "IncrementCount=12", "IncrementStepSize=5"}));

  EXPECT_EQ(TProblemOptionsGraphForm::WholeNumber("99999999999", 4), 4);
  EXPECT_EQ(TProblemOptionsGraphForm::WholeNumber("-3", 4), -3);
  EXPECT_EQ(TProblemOptionsGraphForm::WholeNumber("", 4), 4);
  EXPECT_EQ(TProblemOptionsGraphForm::WholeNumber("1 2", 4), 4);
}

TEST_F(GraphFormTest, TemplatesFillTheAxisTitlesCaptionsAndPredicate) {
  test::TemplateList templates(test::kTestTemplates);
  form.LoadSettings();
  const TQOptions& o = set_.Options;
  EXPECT_EQ(form.txtXLegendTitle->text(), QStringLiteral("Picker"));
  EXPECT_EQ(form.txtYLegendTitle->text(), QStringLiteral("Bushels"));
  EXPECT_EQ(form.txtCaption[1]->text(), QStringLiteral("Yan"));
  EXPECT_EQ(o.ActionPredicate, "by the later template.");
  EXPECT_EQ(form.txtXLegendTitle->MaxLength(), 15);
  EXPECT_EQ(form.txtCaption[0]->MaxLength(), 10);

  test::ChooseItem(form.cmbType, 1);
  EXPECT_EQ(o.TableDataType, 0);
  EXPECT_EQ(form.cmbItem->count(), 2);
  EXPECT_EQ(form.cmbItem->currentText(), QStringLiteral("pets adopted"));
  EXPECT_EQ(o.ActionPredicate, "at the animal shelter.");
  EXPECT_EQ(o.TableNames[0], "Cats");
}

TEST_F(GraphFormTest, LeavingABoxReadsTheBoxesButNotTheHiddenScale) {
  test::TemplateList templates(test::kTestTemplates);
  form.LoadSettings();
  ASSERT_TRUE(test::ShowActive(form));
  EXPECT_TRUE(form.txtIncrementCount->isHidden());
  EXPECT_TRUE(form.txtGraphTitle->isHidden());
  EXPECT_TRUE(form.cmbSecondTermType->isHidden());
  form.txtIncrementCount->setText(QStringLiteral("3"));
  const int drawn = form.GraphExamplesDrawn();
  form.txtYLegendTitle->setFocus(Qt::TabFocusReason);
  form.txtYLegendTitle->selectAll();
  QTest::keyClicks(form.txtYLegendTitle, QStringLiteral("Bushels of apples"));  // 15 at most
  QTest::keyClick(form.txtYLegendTitle, Qt::Key_Tab);
  const TQOptions& o = set_.Options;
  EXPECT_EQ(o.TableDataCaption, "Bushels of appl");
  EXPECT_EQ(o.GraphTitle, "Title");
  EXPECT_EQ(o.IncrementCount, 10);
  EXPECT_GT(form.GraphExamplesDrawn(), drawn);
  form.hide();
}

TEST_F(GraphFormTest, WithoutTemplatesTheBoxesAreEmptyAndNextStillWorks) {
  test::TemplateList templates(nullptr);
  form.LoadSettings();
  EXPECT_EQ(form.cmbItem->count(), 0);
  for (TlfInputField* box : {form.txtPredicate, form.txtXLegendTitle, form.txtYLegendTitle, form.txtCaption[0],
                             form.txtCaption[3]})
    EXPECT_TRUE(box->text().isEmpty());
  EXPECT_EQ(set_.Options.ActionPredicate, "");
  EXPECT_TRUE(set_.Options.TableUseItemName);
  form.DrawGraphExample();
  form.cmdNext->click();
  EXPECT_EQ(form.result(), wrNext);
  EXPECT_EQ(test::IniLines(SettingsText()).size(), 5U);
}

TEST_F(GraphFormTest, ThePreviewIsTheUpperLeftOfAPageInTheScrollBox) {
  test::TemplateList templates(test::kTestTemplates);
  form.LoadSettings();
  form.DrawGraphExample();
  const QImage& image = form.ExampleImage();
  EXPECT_EQ(image.size(), QSize(600, 774));
  ASSERT_NE(form.scrExample, nullptr);
  EXPECT_EQ(form.scrExample->size(), QSize(361, 251));
  // The graph lies in the top-left quarter of the page (half the width,
  // a third of the height); nothing is drawn below it.
  EXPECT_TRUE(test::HasInk(image, QRect(60, 40, 240, 200)));
  EXPECT_FALSE(test::HasInk(image, QRect(10, 300, 580, 460)));
  EXPECT_FALSE(test::HasInk(image, QRect(320, 10, 270, 280)));
}

TEST_F(GraphFormTest, BackAndCancelSaveNothing) {
  form.LoadSettings();
  test::ChooseItem(form.cmbGraphType, 0);
  form.cmdBack->click();
  form.cmdCancel->click();
  EXPECT_EQ(SettingsText(), "");
}



}  // namespace
}  // namespace sumcraft
