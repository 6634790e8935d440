#pragma once
// A window to put controls in, shown and active on the offscreen platform,
// and small helpers for driving it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

namespace sumcraft::test {

// Shows a top-level widget and waits until it is the active window, so that
// focus and key events behave as on a desktop.
inline bool ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  QApplication::setActiveWindow(&window);
  return QTest::qWaitForWindowActive(&window);
}

// Runs `act` once the dialog's modal loop is running (e.g. to press a key in
// it), then answers exec()'s result. Fails the test instead of hanging when
// the dialog does not close.
inline int ExecWith(QDialog& dialog, std::function<void()> act) {
  bool acted = false;
  QTimer::singleShot(0, &dialog, [&] {
    QApplication::setActiveWindow(&dialog);
    act();
    acted = true;
  });
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &dialog, [&] {
    ADD_FAILURE() << "the dialog did not close";
    dialog.done(-1);
  });
  guard.start(5000);
  const int result = dialog.exec();
  EXPECT_TRUE(acted);
  return result;
}

}  // namespace sumcraft::test
