// What a screen reader finds in every window: each button, box, list and
// field has a name, and each list and field is tied to its label; Escape
// puts the help window away.
#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

#include "MainWindowFixture.h"
#include "app/HelpWindow.h"
#include "dialogs/PrinterRequiredDialog.h"
#include "settings/PgmSettings.h"
#include "wizard/ProblemCountForm.h"
#include "wizard/ProblemOptionsForm.h"
#include "wizard/ProblemTypeForm.h"
#include "wizard/QuestionWizard.h"

namespace sumcraft::test {
namespace {

using Accessibility = MainWindowTest;

bool IsControl(const QWidget* w) {
  // Qt's own parts of a tab bar or a tool bar are named by Qt; the text
  // field of a list one may type into is not.
  if (w->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<const QTabBar*>(w->parentWidget()) != nullptr)
    return false;
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QLineEdit*>(w);
}

bool HasLabel(const QWidget* root, const QWidget* w) {
  if (!w->accessibleName().isEmpty()) return true;
  for (const QLabel* label : root->findChildren<QLabel*>())
    if (label->buddy() == w) return true;
  return false;
}

TEST_F(Accessibility, EveryControlOfEveryWindowHasANameAndEveryFieldItsLabel) {
  TPgmSettings settings(home_.File("wizard"));
  TQuestionWizard wizard(settings, nullptr);
  TPrinterRequiredDialog printerRequired;
  std::vector<QWidget*> windows = {&W(), W().HelpWindow(), &wizard.TypeForm(), &wizard.CountForm(),
                                   &printerRequired};
  for (QDialog* dialog : W().findChildren<QDialog*>()) windows.push_back(dialog);
  for (std::uint8_t type : {ptAddition, ptMultiplication, ptDivision, ptComparison, ptMoney, ptFractions, ptTime,
                            ptRounding, ptTables, ptGraphs})
    windows.push_back(wizard.OptionsForm(type));

  int checked = 0;
  for (QWidget* window : windows) {
    ASSERT_NE(window, nullptr);
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!IsControl(w)) continue;
      ++checked;
      const std::string where = std::string(window->metaObject()->className()) + " " +
                                w->metaObject()->className() + " " + w->objectName().toStdString();
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
      ASSERT_NE(face, nullptr) << where;
      EXPECT_FALSE(face->text(QAccessible::Name).trimmed().isEmpty()) << where;
      if (qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w)) {
        EXPECT_TRUE(HasLabel(window, w)) << where;
      }
    }
  }
  EXPECT_GT(checked, 150);
}

TEST_F(Accessibility, EscapeClosesTheHelpWindow) {
  W().ShowHelpTopic(kQuickStartTopic);
  THelpWindow* help = W().HelpWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(help));
  QTest::keyClick(help->Browser(), Qt::Key_Escape);
  EXPECT_FALSE(help->isVisible());
}

}  // namespace
}  // namespace sumcraft::test
