// The division dialog: its defaults, the size rule between dividend and
// divisor, and its section.
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "quiz/ProblemType.h"
#include "widgets/lfCheckbox.h"
#include "widgets/lfComboBox.h"
#include "wizard/ProblemOptionsDivisionForm.h"
#include "wizard/TimesTableGrid.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

using test::ChooseItem;
using test::Click;

class DivisionFormTest : public test::WizardTest {
protected:
  void Enter() {
    set_.Options.Operand = ptDivision;
    form.SetQuestionSet(set_);
    form.LoadSettings();
    form.show();
    QApplication::processEvents();
  }
  const TQOptions& O() const { return set_.Options; }

  TProblemOptionsDivisionForm form{*settings_};
};

TEST_F(DivisionFormTest, AnEmptySettingsFileOpensOnTheDivisionTables) {
  Enter();
  EXPECT_EQ(form.tabType->tabText(0), QStringLiteral("Division Tables"));
  EXPECT_EQ(form.tabType->tabText(1), QStringLiteral("Long Division"));
  EXPECT_EQ(form.tabType->currentIndex(), 0);
  EXPECT_EQ(form.imgQuiz->size(), QSize(250, 113));
  for (int factor = 1; factor <= 12; ++factor)
    EXPECT_EQ(form.grdTimesTable->Master(factor)->checkState(),
              factor >= 4 && factor <= 6 ? Qt::Checked : Qt::Unchecked);
  EXPECT_EQ(form.cmdDividendType->currentText(), QStringLiteral("3  (    xxx)"));
  EXPECT_EQ(form.cmdDivisorType->currentText(), QStringLiteral("2  (     xx)"));
  EXPECT_EQ(O().DividendType, 2);
  EXPECT_EQ(O().DivisorType, 1);
  EXPECT_TRUE(form.chkNoRemainders->isChecked());
  EXPECT_FALSE(O().AllowRemainders);
  EXPECT_EQ(O().DivisionType, 0);
  Click(form.cmdNext);
  EXPECT_EQ(SettingsText(),
            "[DivisionSettings]\nDivideTable=000000000XXXXXXXXX000000000000000000\nFirstTermType=2\n"
            "SecondTermType=1\nDivisionType=0\nAllowRemainders=0\n");
}

TEST_F(DivisionFormTest, TheListsHoldTheirSizes) {
  Enter();
  ASSERT_EQ(form.cmdDividendType->count(), 5);
  EXPECT_EQ(form.cmdDividendType->itemText(0), QStringLiteral("2  (     xx)"));
  EXPECT_EQ(form.cmdDividendType->itemText(4), QStringLiteral("6  (xxxxxx)"));
  ASSERT_EQ(form.cmdDivisorType->count(), 4);
  EXPECT_EQ(form.cmdDivisorType->itemText(3), QStringLiteral("4  (  xxxx)"));
  EXPECT_EQ(form.chkNoRemainders->text(), QStringLiteral(" Even division only (no remainders)"));
}

TEST_F(DivisionFormTest, TheDivisorAlwaysHasFewerDigitsThanTheDividend) {
  Enter();
  form.tabType->setCurrentIndex(1);
  ChooseItem(form.cmdDividendType, 0);  // 2 digits: the 2-digit divisor drops to 1
  EXPECT_EQ(form.cmdDivisorType->currentIndex(), 0);
  EXPECT_EQ(O().DividendType, 1);
  EXPECT_EQ(O().DivisorType, 0);
  ChooseItem(form.cmdDivisorType, 1);  // a 2-digit divisor moves the dividend to 3
  EXPECT_EQ(form.cmdDividendType->currentIndex(), 1);
  EXPECT_EQ(O().DividendType, 2);
  EXPECT_EQ(O().DivisorType, 1);

  ChooseItem(form.cmdDividendType, 3);
  ChooseItem(form.cmdDivisorType, 2);  // 3 digits under 5: kept
  EXPECT_EQ(O().DividendType, 4);
  ChooseItem(form.cmdDividendType, 0);  // a 2-digit dividend takes the divisor to 1
  EXPECT_EQ(form.cmdDivisorType->currentIndex(), 0);
  EXPECT_EQ(O().DivisorType, 0);
  ChooseItem(form.cmdDivisorType, 3);  // 4 digits: the dividend becomes 5
  EXPECT_EQ(form.cmdDividendType->currentIndex(), 3);
  EXPECT_EQ(O().DividendType, 4);
  Click(form.chkNoRemainders);
  EXPECT_TRUE(O().AllowRemainders);
  Click(form.cmdNext);
  EXPECT_EQ(SettingsText(),
            "[DivisionSettings]\nDivideTable=000000000XXXXXXXXX000000000000000000\nFirstTermType=4\n"
            "SecondTermType=3\nDivisionType=1\nAllowRemainders=1\n");
}

TEST_F(DivisionFormTest, AStoredOneDigitDividendOpensOneDigitLongerThanTheDivisor) {
  WriteSettings("[DivisionSettings]\nFirstTermType=0\nSecondTermType=2\nDivisionType=1\nAllowRemainders=1\n");
  Enter();
  EXPECT_EQ(O().DividendType, 3);
  EXPECT_EQ(form.cmdDividendType->currentIndex(), 2);
  EXPECT_EQ(form.cmdDivisorType->currentIndex(), 2);
  EXPECT_EQ(form.tabType->currentIndex(), 1);
  EXPECT_FALSE(form.chkNoRemainders->isChecked());
  EXPECT_TRUE(O().AllowRemainders);
}

TEST_F(DivisionFormTest, AStoredDividendNoLongerThanTheDivisorIsLengthenedToo) {
  WriteSettings("[DivisionSettings]\nFirstTermType=2\nSecondTermType=3\n");
  Enter();
  EXPECT_EQ(O().DivisorType, 3);
  EXPECT_EQ(O().DividendType, 4);
  EXPECT_EQ(form.cmdDividendType->currentIndex(), 3);
}

TEST_F(DivisionFormTest, ItsOwnTableIsKeptApartFromTheMultiplicationTable) {
  WriteSettings("[MultiplySettings]\nTimesTable=XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX\n"
                "[DivisionSettings]\nDivideTable=X0X\n");
  set_.Options.TimesTable.fill(0);
  Enter();
  EXPECT_EQ(O().TimesTable[0], 5);
  EXPECT_EQ(O().TimesTable[1], 0);
  Click(form.grdTimesTable->Range(12, 2));
  EXPECT_EQ(O().TimesTable[11], 4);
  Click(form.cmdNext);
  EXPECT_EQ(settings_->ReadString("DivisionSettings", "DivideTable", ""), "X0X" + std::string(30, '0') + "00X");
  EXPECT_EQ(settings_->ReadString("MultiplySettings", "TimesTable", ""), std::string(36, 'X'));
}

TEST_F(DivisionFormTest, ChangesDrawExamplesButLoadingDoesNot) {
  set_.Options.Operand = ptDivision;
  form.SetQuestionSet(set_);
  form.LoadSettings();
  EXPECT_EQ(form.ExamplesDrawn(), 0);
  form.show();
  QApplication::processEvents();
  int drawn = form.ExamplesDrawn();
  form.tabType->setCurrentIndex(1);
  EXPECT_EQ(form.ExamplesDrawn(), ++drawn);
  ChooseItem(form.cmdDividendType, 4);
  EXPECT_EQ(form.ExamplesDrawn(), ++drawn);
  Click(form.chkNoRemainders);
  EXPECT_EQ(form.ExamplesDrawn(), ++drawn);
  Click(form.grdTimesTable->Range(3, 0));
  EXPECT_EQ(form.ExamplesDrawn(), ++drawn);
}

}  // namespace
}  // namespace sumcraft
