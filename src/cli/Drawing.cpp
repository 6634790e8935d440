#include "cli/Drawing.h"

#include <QGuiApplication>
#include <fontconfig/fontconfig.h>
#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace sumcraft::cli {

namespace {

// Qt's own chatter (a missing runtime folder and the like) is no business of
// the user's; failures reach the user as the command's error.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << "sumcraft-cli: " << message.toStdString() << "\n";
}

}  // namespace

void StartDrawing() {
  static QGuiApplication* app = nullptr;
  if (app != nullptr) return;
  qInstallMessageHandler(QuietMessages);
  // No display is needed or wanted: fonts, pictures and PDF pages are all
  // drawn in memory. Whatever platform the environment names (one that
  // cannot start here, say xcb without DISPLAY) would only end the process
  // with an abort.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Pages are drawn with the bundled fonts alone. An empty font
  // configuration keeps the system's fonts, their configuration files and
  // the fallback lists built from them out of the process: they could never
  // be used, and reading them was most of the start-up.
  if (FcConfig* none = FcConfigCreate()) {
    FcConfigSetCurrent(none);
    FcConfigDestroy(none);
  }
  static int argc = 1;
  static char name[] = "sumcraft-cli";
  static char* argv[] = {name, nullptr};
  // Never destroyed: font and picture caches that outlive main() still refer
  // to it.
  app = new QGuiApplication(argc, argv);
}

TPaper PaperOption(const TParsedArgs& args) {
  const std::optional<std::string> value = args.Value("--paper");
  if (!value) return TPaper::Letter;
  std::string lower;
  for (char c : *value) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (lower == "letter") return TPaper::Letter;
  if (lower == "a4") return TPaper::A4;
  throw UsageError("--paper must be letter or a4, not '" + *value + "'");
}

int DpiOption(const TParsedArgs& args) {
  const std::optional<std::string> value = args.Value("--dpi");
  if (!value) return TPdfPrinter::kDefaultResolution;
  int dpi = 0;
  bool ok = !value->empty() && value->size() <= 5;
  for (char c : *value) {
    if (c < '0' || c > '9') ok = false;
    else if (ok) dpi = dpi * 10 + (c - '0');
  }
  if (!ok || dpi < TPdfPrinter::kMinResolution || dpi > TPdfPrinter::kMaxResolution) {
    throw UsageError("--dpi needs a whole number from " + std::to_string(TPdfPrinter::kMinResolution) + " to " +
                     std::to_string(TPdfPrinter::kMaxResolution) + ", not '" + *value + "'");
  }
  return dpi;
}

std::string PaperName(TPaper paper) { return paper == TPaper::A4 ? "a4" : "letter"; }

void WarnProblems(const std::string& what, const std::vector<std::string>& problems) {
  for (const std::string& p : problems) std::cerr << "sumcraft-cli: warning: " << what << ": " << p << "\n";
}

void CheckDistinctFiles(const std::vector<std::string>& paths) {
  namespace fs = std::filesystem;
  std::vector<fs::path> seen;
  for (const std::string& p : paths) {
    std::error_code ec;
    fs::path full = fs::weakly_canonical(fs::absolute(fs::path(p), ec), ec);
    if (ec) full = fs::path(p).lexically_normal();
    for (const fs::path& s : seen)
      if (s == full) throw UsageError("'" + p + "' is named twice; every file read or written must be a different one");
    seen.push_back(std::move(full));
  }
}

}  // namespace sumcraft::cli
