#include "app/DisplayCheck.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace sumcraft {

namespace {

bool IsSet(const std::function<const char*(const char*)>& variable, const char* name) {
  const char* value = variable(name);
  return value != nullptr && *value != '\0';
}

QtMessageHandler previousHandler = nullptr;

void StartFailureHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (previousHandler) previousHandler(type, context, message);
    else std::fprintf(stderr, "%s\n", qPrintable(message));
    return;
  }
  std::fprintf(stderr,
               "Sumcraft cannot open its window: %s\n"
               "Start Sumcraft from a desktop session, or use sumcraft-cli for work without a window.\n",
               qPrintable(message));
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

std::string MissingDisplayMessage(const std::function<const char*(const char*)>& variable) {
  if (IsSet(variable, "QT_QPA_PLATFORM") || IsSet(variable, "DISPLAY") || IsSet(variable, "WAYLAND_DISPLAY"))
    return {};
  return "Sumcraft needs a graphical display, and none is available (DISPLAY and WAYLAND_DISPLAY are not set).\n"
         "Start it from a desktop session, or use sumcraft-cli for work without a window.";
}

TStartFailureGuard::TStartFailureGuard() { previousHandler = qInstallMessageHandler(StartFailureHandler); }

TStartFailureGuard::~TStartFailureGuard() {
  qInstallMessageHandler(previousHandler);
  previousHandler = nullptr;
}

}  // namespace sumcraft
