// The wizard's windows need a QApplication; headless runs (and test
// discovery) use the offscreen platform. Fusion gives the same look
// everywhere, and the built-in PDF printer (Letter, 600 dpi) the same pages.
#include <gtest/gtest.h>

#include <QApplication>

#include "render/Fonts.h"
#include "render/Printers.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication app(argc, argv);
  sumcraft::EnsureBundledFonts();
  sumcraft::TPrinters::Instance().SelectPdf();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
