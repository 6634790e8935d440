// The wizard's windows and the print window for the documentation, each
// with options a teacher might choose, its settings in a folder of its own.
#include "WizardScreenshots.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <string>

#include "dialogs/PrintOptionsDialog.h"
#include "generate/Random.h"
#include "generate/TableDefs.h"
#include "quiz/ProblemType.h"
#include "quiz/QuestionSet.h"
#include "quiz/Quiz.h"
#include "render/Printers.h"
#include "settings/PgmSettings.h"
#include "widgets/lfCheckbox.h"
#include "widgets/lfComboBox.h"
#include "widgets/lfRadioButton.h"
#include "wizard/ProblemCountForm.h"
#include "wizard/ProblemOptionsForm.h"
#include "wizard/ProblemTypeForm.h"
#include "wizard/QuestionWizard.h"

namespace sumcraft {

namespace {

bool SaveShot(QWidget& window, const QString& folder, const char* name) {
  window.show();
  QApplication::processEvents();
  const QString path = QDir(folder).filePath(QString::fromLatin1(name));
  const bool ok = window.grab().save(path);
  window.hide();
  std::printf("%s%s\n", qPrintable(path), ok ? "" : ": cannot write");
  return ok;
}

}  // namespace

bool SaveWizardScreenshots(const QString& folder, const QString& templatesFile) {
  QTemporaryDir home;
  TPgmSettings settings(home.path().toStdString());
  const auto writeSettings = [&](const char* text) { std::ofstream(settings.FileName(), std::ios::binary) << text; };
  TableDefs().Load(templatesFile.toStdString());
  TQuestionWizard wizard(settings, nullptr);
  TQuestionSet set;
  bool ok = true;

  TProblemTypeForm& step1 = wizard.TypeForm();
  step1.SetQuestionSet(set);
  step1.optMultiplication->setChecked(true);
  ok = SaveShot(step1, folder, "wizard-step1.png") && ok;

  const struct {
    std::uint8_t Type;
    const char* Settings;
    std::uint32_t Seed;
    const char* Name;
  } dialogs[] = {
      {ptAddition, "[AdditionSettings]\nFirstTermType=3\nSecondTermType=2\nRegrouping=1\n", 2024,
       "wizard-addition-options.png"},
      {ptMultiplication, "[MultiplySettings]\nTimesTable=000000000X0XXXXXXX000000XXX000000000\n", 7,
       "wizard-multiplication-options.png"},
      {ptDivision, "[DivisionSettings]\nDivisionType=1\nFirstTermType=3\nSecondTermType=1\n", 11,
       "wizard-division-options.png"},
      {ptComparison, "", 3, "wizard-comparison-options.png"},
      {ptMoney, "[MoneySettings]\nCoinsToUse=143\n", 5, "wizard-money-options.png"},
      {ptFractions, "[FractionSettings]\nFractionType=3\n", 4, "wizard-fractions-options.png"},
      {ptTime, "[TimeSettings]\nFirstTermType=3\n", 6, "wizard-time-options.png"},
      {ptRounding, "[RoundingSettings]\nFirstTermType=3\nSecondTermType=3\n", 8, "wizard-rounding-options.png"},
      {ptTables, "[TableDataSettings]\nFirstTermType=2\nSecondTermType=1\n", 17, "wizard-tabledata-options.png"},
      {ptGraphs, "", 23, "wizard-graph-options.png"},
  };
  for (const auto& d : dialogs) {
    TProblemOptionsForm* form = wizard.OptionsForm(d.Type);
    set.Options.Operand = d.Type;
    form->SetQuestionSet(set);
    writeSettings(d.Settings);
    form->LoadSettings();
    SetRandomState(d.Seed);
    ok = SaveShot(*form, folder, d.Name) && ok;
  }

  TProblemCountForm& step3 = wizard.CountForm();
  set.Options = TQOptions();
  set.Options.Operand = ptAddition;
  set.Options.FirstTermType = 2;
  set.Options.SecondTermType = 2;
  set.Options.Regrouping = true;
  step3.SetQuestionSet(set);
  SetRandomState(42);
  step3.SetCount(40);
  step3.Regenerate();
  TQuiz().CopyTo(step3.OwnQuiz());
  step3.UpdatePreview();
  ok = SaveShot(step3, folder, "wizard-step3.png") && ok;

  TOKRightDlg print;
  print.SetSettings(&settings);
  writeSettings("[PrintSettings]\nPdfPaper=Letter\n");
  print.Prepare();
  const int pdf = TPrinters::Instance().IndexOf(&TPrinters::Instance().Pdf());
  print.cmbPrinters->setCurrentIndex(pdf);
  emit print.cmbPrinters->activated(pdf);
  print.chkTeachersKey->setChecked(true);
  ok = SaveShot(print, folder, "print-options-pdf.png") && ok;
  TableDefs().Clear();
  return ok;
}

}  // namespace sumcraft
