// sumcraft: the program. One optional argument, a quiz file to open.
#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/DataFolders.h"
#include "app/DisplayCheck.h"
#include "app/StartUp.h"
#include "widgets/ProgramVersion.h"

int main(int argc, char** argv) {
  using namespace sumcraft;
  // Before Qt reads the environment: the data and quiz folders hang off it.
  FindHomeFolder();

  // Answered before any window system is touched.
  QStringList raw;
  for (int i = 1; i < argc; ++i) raw << QString::fromLocal8Bit(argv[i]);
  const TCommandLine early = ParseCommandLine(raw.size() == 1 ? raw : QStringList());
  if (early.Action == TCommandLine::TAction::Help) {
    std::fputs(qPrintable(UsageText()), stdout);
    return 0;
  }
  if (early.Action == TCommandLine::TAction::Version) {
    std::printf("sumcraft %s\n", qPrintable(FileVersionText()));
    return 0;
  }

  const std::string missing = MissingDisplayMessage([](const char* name) { return std::getenv(name); });
  if (!missing.empty()) {
    std::fprintf(stderr, "%s\n", missing.c_str());
    return 1;
  }

  std::unique_ptr<QApplication> app;
  {
    const TStartFailureGuard guard;
    app = std::make_unique<QApplication>(argc, argv);
  }
  QApplication::setApplicationName(QStringLiteral("Sumcraft"));
  // The installed launcher's name, so desktops show its icon for the window.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.sumcraft.Sumcraft"));

  // Qt has taken its own options (-platform, -style ...) out by now.
  const TCommandLine commandLine = ParseCommandLine(QApplication::arguments().mid(1));
  if (commandLine.Action == TCommandLine::TAction::Error) {
    std::fprintf(stderr, "sumcraft: %s\n\n%s", qPrintable(commandLine.Error), qPrintable(UsageText()));
    return 2;
  }
  return RunSumcraft(commandLine.QuizFile);
}
