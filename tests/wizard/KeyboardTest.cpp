// The wizard without a mouse: Enter goes forward from wherever the focus
// starts, the windows stay in one place, and boxes answer a change of their
// state however it comes (a screen reader toggles, it does not click).
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>

#include "dialogs/PrintOptionsDialog.h"
#include "generate/Generate.h"
#include "quiz/ProblemType.h"
#include "quiz/Quiz.h"
#include "widgets/lfCheckbox.h"
#include "widgets/lfInputField.h"
#include "widgets/lfRadioButton.h"
#include "wizard/ProblemCountForm.h"
#include "wizard/ProblemTypeForm.h"
#include "wizard/QuestionWizard.h"
#include "wizard/TimesTableGrid.h"
#include "OptionsFormTestSupport.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

class WizardKeyboardTest : public test::WizardTest {};

TEST_F(WizardKeyboardTest, EnterFromTheFirstFocusFinishesEveryTypeInOnePlace) {
  test::TemplateList templates(test::kTestTemplates);
  TQuestionWizard wizard(*settings_, nullptr);
  for (std::uint8_t type : {ptAddition, ptSubtraction, ptMultiplication, ptDivision, ptComparison, ptMoney,
                            ptFractions, ptTime, ptRounding, ptTables, ptGraphs}) {
    SCOPED_TRACE(static_cast<int>(type));
    std::vector<QRect> places;
    wizard.SetModalRunner([&](QDialog& dialog) {
      dialog.setResult(-1);
      dialog.show();
      dialog.activateWindow();
      EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
      if (places.empty()) {
        wizard.TypeForm().RadioFor(type)->setChecked(true);
        dialog.move(dialog.pos() + QPoint(37, 23));  // the user moves the first window
      }
      places.push_back(dialog.geometry());
      QWidget* focus = QApplication::focusWidget();
      EXPECT_TRUE(focus != nullptr && focus->window() == &dialog && focus->isVisible())
          << dialog.windowTitle().toStdString() << ": "
          << (focus ? focus->metaObject()->className() : "no focus");
      if (&dialog == &wizard.CountForm()) QTest::keyClicks(focus, QStringLiteral("7"));
      QTest::keyClick(focus != nullptr ? focus : &dialog, Qt::Key_Return);
      EXPECT_FALSE(dialog.isVisible()) << dialog.windowTitle().toStdString();
      dialog.hide();
      return dialog.result();
    });
    TQuiz quiz;
    ASSERT_TRUE(wizard.Run(set_, quiz));
    ASSERT_EQ(quiz.Sets.Count(), 1u);
    EXPECT_EQ(quiz.Sets.Item(0).Count(), 7u);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[1], places[0]);
    EXPECT_EQ(places[2], places[0]);
  }
}

// Each box, changed by the program or by a screen reader's toggle action,
// does what a click on it does.
TEST_F(WizardKeyboardTest, BoxesActOnTheirStateNotOnlyOnClicks) {
  const std::function<void(QAbstractButton*)> ways[] = {
      [](QAbstractButton* box) { box->setChecked(!box->isChecked()); },
      [](QAbstractButton* box) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        ASSERT_TRUE(face != nullptr && face->actionInterface() != nullptr);
        face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
      },
  };
  for (const auto& toggle : ways) {
    // Step 3's new-page box: the preview moves the set to page 2.
    TQuiz quiz;
    TQuestionSet first;
    first.Options.Operand = ptAddition;
    Generate(first, 5);
    quiz.Sets.AddCopy(first);
    TProblemCountForm count;
    set_.Options.Operand = ptAddition;
    count.SetQuestionSet(set_);
    count.Regenerate();
    quiz.CopyTo(count.OwnQuiz());
    count.UpdatePreview();
    toggle(count.chkStartOnNewPage);
    EXPECT_TRUE(set_.Options.StartOnNewPage);
    EXPECT_EQ(count.PageNumbersText(), QStringLiteral("2 to 2"));

    // The print window's answer key.
    TOKRightDlg print;
    print.Prepare();
    toggle(print.chkTeachersKey);
    EXPECT_TRUE(print.PrintKey());

    // A times-table row's master box checks its three ranges.
    TTimesTableGrid grid;
    QSignalSpy changed(&grid, &TTimesTableGrid::Changed);
    toggle(grid.Master(3));
    std::array<std::int32_t, 12> table{};
    grid.ReadTableBoxes(table);
    EXPECT_EQ(table[2], 7);
    EXPECT_EQ(changed.count(), 1);
  }
}

}  // namespace
}  // namespace sumcraft
