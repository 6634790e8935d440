// Takes the screenshots of the README from the program's own windows: the
// welcome page, a multi-page sample quiz with a set selected, a quiz with
// its answers shown, the help window, the print window asking for versions
// and the wizard's windows. Runs on the offscreen platform with a temporary
// home folder, so it needs no display and leaves the user's folders alone.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/DataFolders.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/PageView.h"
#include "app/SampleQuizzes.h"
#include "dialogs/PrintOptionsDialog.h"
#include "generate/Random.h"
#include "render/Fonts.h"
#include "render/MetaReport.h"
#include "render/Printers.h"
#include "render/Layout.h"
#include "WizardScreenshots.h"

namespace {

bool Save(QWidget& window, const QString& folder, const QString& name) {
  QTest::qWait(50);  // the zoom shows after a short timer
  const QString path = QDir(folder).filePath(name);
  if (!window.grab().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: sumcraft-screenshots FOLDER\n");
    return 2;
  }
  QTemporaryDir home;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("HOME", home.path().toLocal8Bit());
  qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication app(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);

  using namespace sumcraft;
  SetRandomState(20240601);
  TMainWindowSetup setup;
  TMainWindow window(setup);
  window.SetScreenDpi(96, 96);
  window.show();
  window.activateWindow();
  QApplication::processEvents();
  window.FitWidth();
  window.RefreshView();
  bool ok = Save(window, folder, QStringLiteral("welcome.png"));

  // As on a first run: the samples are in the quiz folder.
  InstallSampleQuizzes(QuizFolder(), DataFolder());
  if (!window.OpenQuizFile(QuizFolder() + QStringLiteral("Reading a bar graph.qiz"))) return 1;
  // The whole page in view, then a click into the first set, as a teacher
  // would.
  window.FitPage();
  const TQuestionSet& set = window.Quiz().Sets.Item(0);
  window.SetCurrentPage(set.FirstPage);
  window.RefreshView();
  const TMetaReport& pages = QuizPages(window.Quiz());
  const double scale = static_cast<double>(window.PictureSize().height()) /
                       (pages.PhysicalPageSize().height() - 2 * pages.OffsetY());
  const QPoint inSet(window.PictureSize().width() / 2, static_cast<int>((set.StartY + set.EndY) / 2 * scale));
  QTest::mouseClick(window.ScrollBox2->Picture(), Qt::LeftButton, {}, inSet);
  ok = Save(window, folder, QStringLiteral("quiz.png")) && ok;

  // A quiz checked on screen: its answer key.
  if (!window.OpenQuizFile(QuizFolder() + QStringLiteral("Money and time.qiz"))) return 1;
  window.FitPage();
  window.SelectSet(-1);
  window.SetCurrentPage(2);
  window.ShowAnswersCommand(true);
  ok = Save(window, folder, QStringLiteral("show-answers.png")) && ok;

  window.ShowHelpTopic(kQuickStartTopic);
  ok = Save(*window.HelpWindow(), folder, QStringLiteral("help.png")) && ok;

  // The print window asking for three versions, each with its key.
  TOKRightDlg print(&window);
  print.Prepare();
  const int pdf = TPrinters::Instance().IndexOf(&TPrinters::Instance().Pdf());
  print.cmbPrinters->setCurrentIndex(pdf);
  print.cmbPrinters->activated(pdf);
  print.spnVersions->setValue(3);
  print.chkTeachersKey->setChecked(true);
  print.show();
  ok = Save(print, folder, QStringLiteral("print-versions.png")) && ok;
  print.hide();
  ok = SaveWizardScreenshots(folder, QStringLiteral(SUMCRAFT_DEFAULTS "/TableTemplates.tdf")) && ok;
  return ok ? 0 : 1;
}
