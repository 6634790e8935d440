#include "app/StartUp.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "app/DataFolders.h"
#include "app/DefaultFiles.h"
#include "app/MainWindow.h"
#include "app/SampleQuizzes.h"
#include "dialogs/PrintOptionsDialog.h"
#include "generate/Random.h"
#include "generate/TableDefs.h"
#include "printing/SystemPrinters.h"
#include "render/Fonts.h"
#include "render/PdfPrinter.h"
#include "render/Printers.h"
#include "render/ReportFormats.h"
#include "settings/PgmSettings.h"
#include "widgets/DialogParts.h"
#include "wizard/QuestionWizard.h"

namespace sumcraft {

TCommandLine ParseCommandLine(const QStringList& arguments) {
  TCommandLine result;
  if (arguments.size() > 1) {
    result.Action = TCommandLine::TAction::Error;
    result.Error = QStringLiteral("Sumcraft opens one quiz file at a time; %1 arguments were given.")
                       .arg(arguments.size());
    return result;
  }
  if (arguments.isEmpty()) return result;
  const QString& argument = arguments.front();
  if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
    result.Action = TCommandLine::TAction::Help;
  } else if (argument == QLatin1String("--version")) {
    result.Action = TCommandLine::TAction::Version;
  } else if (argument.startsWith(QLatin1String("--"))) {
    result.Action = TCommandLine::TAction::Error;
    result.Error = QStringLiteral("Sumcraft takes no option %1; it takes one quiz file to open.").arg(argument);
  } else {
    result.QuizFile = argument;
  }
  return result;
}

QString UsageText() {
  return QStringLiteral(
      "Usage: sumcraft [QUIZ.qiz]\n"
      "\n"
      "Starts Sumcraft, the maths worksheet builder, and opens the quiz file when one is given.\n"
      "For work without a window (PDFs, many versions of a worksheet) use sumcraft-cli.\n");
}

int RunSumcraft(const QString& quizFile) {
  // Before the main window, in this order: settings and data folder, the
  // files the program ships, text styles, random source, table templates.
  const QString dataFolder = DataFolder();
  TPgmSettings settings(dataFolder.toStdString());
  QStringList problems = InstallDefaultFiles(dataFolder);
  ReportFormats().Load(dataFolder + QStringLiteral("Styles.rpt"));
  for (const std::string& message : ReportFormats().Messages()) problems << QString::fromStdString(message);
  SeedRandomFromClock();
  TableDefs().Load((dataFolder + QString::fromLatin1(kTableTemplatesFileName)).toStdString());
  for (const std::string& message : TableDefs().Problems()) problems << QString::fromStdString(message);
  EnsureBundledFonts();
  problems << InstallSampleQuizzes(QuizFolder(), dataFolder);
  // "Save as PDF" starts on the paper chosen last time (or the locale's), so
  // a machine without a printer previews the page it will save.
  ListSystemPrinters(TPrinters::Instance());
  TPrinters::Instance().Pdf().SetPaper(PdfPaperSetting(&settings, QLocale()));

  TMainWindowSetup setup;
  setup.Settings = &settings;
  TMainWindow window(setup);
  if (!window.Created()) return 1;
  // The other windows: the question-add wizard with its step windows and
  // options dialogs, created once and kept for the whole run.
  TQuestionWizard wizard(settings, &window);
  window.SetAddQuestionsWizard([&wizard](QWidget*, TQuestionSet& workingSet, const TQuiz& quiz) {
    return wizard.RunSteps(workingSet, quiz);
  });
  // The window opens where it was closed; the first time, centred, and on a
  // small screen smaller, with the page fitted to it.
  if (!window.PlaceRestored()) {
    if (const QScreen* screen = window.screen()) {
      const QSize room = screen->availableGeometry().size() * 0.95;
      if (window.width() > room.width() || window.height() > room.height())
        window.resize(window.size().boundedTo(room).expandedTo(window.minimumSize()));
    }
    CenterOnScreen(&window);
  }
  window.show();

  // After the window is on screen: the quiz asked for, then anything that
  // went wrong on the way.
  QTimer::singleShot(0, &window, [&window, quizFile, problems] {
    if (!quizFile.isEmpty()) window.OpenQuizFile(quizFile);
    if (!problems.isEmpty()) {
      QStringList shown = problems.mid(0, 12);
      if (problems.size() > shown.size()) shown << QStringLiteral("(and %1 more)").arg(problems.size() - shown.size());
      QMessageBox::warning(&window, QStringLiteral("Sumcraft"),
                           QStringLiteral("Sumcraft started, but some of its files could not be used:\n\n%1")
                               .arg(shown.join(QLatin1Char('\n'))));
    }
  });
  return QApplication::exec();
}

}  // namespace sumcraft
