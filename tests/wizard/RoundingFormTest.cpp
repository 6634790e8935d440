// The rounding dialog: two independent lists, and the caption written over
// the example.
#include <gtest/gtest.h>

#include <QPainter>

#include "generate/Random.h"
#include "quiz/ProblemType.h"
#include "widgets/lfComboBox.h"
#include "wizard/ProblemOptionsRoundingForm.h"
#include "wizard/WizardResult.h"
#include "OptionsFormTestSupport.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

using Lines = std::vector<std::string>;

class RoundingFormTest : public test::WizardTest {
protected:
  RoundingFormTest() : form(*settings_) {
    set_.Options.Operand = ptRounding;
    form.SetQuestionSet(set_);
  }
  TProblemOptionsRoundingForm form;
};

TEST_F(RoundingFormTest, EmptySettingsOpenWithTwoDigitsRoundedToTens) {
  form.LoadSettings();
  EXPECT_EQ(form.cmbFirstTermType->currentText(), QStringLiteral("2  (     xx)"));
  EXPECT_EQ(form.cmbSecondTermType->currentText(), QStringLiteral("10"));
  EXPECT_EQ(set_.Options.FirstTermType, 1);
  EXPECT_EQ(set_.Options.SecondTermType, 1);
  form.cmdNext->click();
  EXPECT_EQ(test::IniLines(SettingsText()),
            (Lines{"[RoundingSettings]", "FirstTermType=1", "SecondTermType=1"}));
}

TEST_F(RoundingFormTest, ThousandsWritesThreeAndTheCaptionSaysSo) {
  form.LoadSettings();
  test::ChooseItem(form.cmbSecondTermType, 2);
  EXPECT_EQ(set_.Options.SecondTermType, 3);
  EXPECT_EQ(form.CaptionText(), QStringLiteral("Round term to the nearest 1,000:"));
  form.cmdNext->click();
  EXPECT_EQ(test::IniLines(SettingsText()),
            (Lines{"[RoundingSettings]", "FirstTermType=1", "SecondTermType=3"}));
}

TEST_F(RoundingFormTest, TheListsAreIndependent) {
  WriteSettings("[RoundingSettings]\nFirstTermType=5\nSecondTermType=2\n");
  form.LoadSettings();
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 4);
  EXPECT_EQ(form.cmbSecondTermType->currentIndex(), 1);
  test::ChooseItem(form.cmbFirstTermType, 0);
  test::ChooseItem(form.cmbSecondTermType, 4);
  EXPECT_EQ(form.cmbFirstTermType->currentIndex(), 0);
  EXPECT_EQ(set_.Options.FirstTermType, 1);
  EXPECT_EQ(set_.Options.SecondTermType, 5);
}

TEST_F(RoundingFormTest, HandEditedCodesAreShownWithinTheLists) {
  WriteSettings("[RoundingSettings]\nFirstTermType=-2147483648\nSecondTermType=44\n");
  form.LoadSettings();
  EXPECT_EQ(set_.Options.FirstTermType, 1);
  EXPECT_EQ(set_.Options.SecondTermType, 5);
}

TEST_F(RoundingFormTest, TheCaptionIsWrittenAtTheTopLeftOfTheExample) {
  form.LoadSettings();
  test::ChooseItem(form.cmbSecondTermType, 3);
  form.UpdateExample();
  const QImage& example = form.ExampleImage();

  // The caption alone, drawn as the dialog draws it.
  QImage caption(example.size(), QImage::Format_RGB32);
  caption.fill(Qt::white);
  {
    QPainter painter(&caption);
    QFont font = form.font();
    font.setPointSize(12);
    painter.setFont(font);
    painter.drawText(10, 6 + QFontMetrics(font, &caption).ascent(), form.CaptionText());
  }
  QRect inked;
  int pixels = 0;
  for (int y = 0; y < caption.height(); ++y)
    for (int x = 0; x < caption.width(); ++x)
      if (qGray(caption.pixel(x, y)) < 100) {
        inked |= QRect(x, y, 1, 1);
        ++pixels;
        EXPECT_LT(qGray(example.pixel(x, y)), 100) << x << "," << y;
      }
  ASSERT_GT(pixels, 50);
  EXPECT_GE(inked.left(), 10);
  EXPECT_GE(inked.top(), 6);
  EXPECT_LE(inked.top(), 12);
}

TEST_F(RoundingFormTest, BackSavesNothing) {
  form.LoadSettings();
  test::ChooseItem(form.cmbFirstTermType, 3);
  form.cmdBack->click();
  EXPECT_EQ(form.result(), wrBack);
  EXPECT_EQ(SettingsText(), "");
}



}  // namespace
}  // namespace sumcraft
