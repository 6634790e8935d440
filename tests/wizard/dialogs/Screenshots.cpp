// Pictures of the wizard's windows for the documentation, grabbed from the
// real windows on the offscreen platform. Written only when
// SUMCRAFT_SCREENSHOT_DIR names a folder:
//   SUMCRAFT_SCREENSHOT_DIR=docs/screenshots wizard_dialog_tests --gtest_filter='Screenshots.*'
#include <gtest/gtest.h>

#include <QDir>
#include <QPixmap>

#include "generate/Random.h"
#include "quiz/ProblemType.h"
#include "quiz/Quiz.h"
#include "wizard/ProblemCountForm.h"
#include "wizard/ProblemOptionsAddSubForm.h"
#include "wizard/ProblemOptionsDivisionForm.h"
#include "wizard/ProblemOptionsMultiplicationForm.h"
#include "wizard/ProblemTypeForm.h"
#include "render/Printers.h"
#include "wizard/PrintOptionsDialog.h"
#include "wizard/lfRadioButton.h"
#include "WizardTestSupport.h"

namespace sumcraft {
namespace {

class Screenshots : public test::WizardTest {
protected:
  void SetUp() override {
    folder = qEnvironmentVariable("SUMCRAFT_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "SUMCRAFT_SCREENSHOT_DIR not set";
    QDir().mkpath(folder);
  }
  void Save(QWidget& window, const char* name) {
    window.show();
    QApplication::processEvents();
    EXPECT_TRUE(window.grab().save(folder + QLatin1Char('/') + QLatin1String(name)));
    window.hide();
  }
  QString folder;
};

TEST_F(Screenshots, StepOne) {
  TProblemTypeForm form;
  form.SetQuestionSet(set_);
  form.optMultiplication->setChecked(true);
  Save(form, "wizard-step1.png");
}

TEST_F(Screenshots, AdditionOptions) {
  TProblemOptionsAddSubForm form(*settings_);
  set_.Options.Operand = ptAddition;
  form.SetQuestionSet(set_);
  WriteSettings("[AdditionSettings]\nFirstTermType=3\nSecondTermType=2\nRegrouping=1\n");
  form.LoadSettings();
  SetRandomState(2024);
  Save(form, "wizard-addition-options.png");
}

TEST_F(Screenshots, MultiplicationOptions) {
  TProblemOptionsMultiplicationForm form(*settings_);
  set_.Options.Operand = ptMultiplication;
  form.SetQuestionSet(set_);
  WriteSettings("[MultiplySettings]\nTimesTable=000000000X0XXXXXXX000000XXX000000000\n");
  form.LoadSettings();
  SetRandomState(7);
  Save(form, "wizard-multiplication-options.png");
}

TEST_F(Screenshots, DivisionOptions) {
  TProblemOptionsDivisionForm form(*settings_);
  set_.Options.Operand = ptDivision;
  form.SetQuestionSet(set_);
  WriteSettings("[DivisionSettings]\nDivisionType=1\nFirstTermType=3\nSecondTermType=1\n");
  form.LoadSettings();
  SetRandomState(11);
  Save(form, "wizard-division-options.png");
}

TEST_F(Screenshots, StepThree) {
  TProblemCountForm form;
  set_.Options.Operand = ptAddition;
  set_.Options.FirstTermType = 2;
  set_.Options.SecondTermType = 2;
  set_.Options.Regrouping = true;
  form.SetQuestionSet(set_);
  SetRandomState(42);
  form.SetCount(40);
  form.Regenerate();
  TQuiz quiz;
  quiz.CopyTo(form.OwnQuiz());
  form.UpdatePreview();
  Save(form, "wizard-step3.png");
}

TEST_F(Screenshots, PrintOptionsSaveAsPdf) {
  TOKRightDlg dialog;
  dialog.SetSettings(settings_.get());
  WriteSettings("[PrintSettings]\nPdfPaper=Letter\n");
  dialog.Prepare();
  const int pdf = TPrinters::Instance().IndexOf(&TPrinters::Instance().Pdf());
  dialog.cmbPrinters->setCurrentIndex(pdf);
  emit dialog.cmbPrinters->activated(pdf);
  dialog.chkTeachersKey->click();
  Save(dialog, "print-options-pdf.png");
}

}  // namespace
}  // namespace sumcraft
