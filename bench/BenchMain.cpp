// Benchmarks draw text, which needs a QGuiApplication, and build the
// wizard's windows, which need a QApplication; they run headless.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "render/Fonts.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  sumcraft::EnsureBundledFonts();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
