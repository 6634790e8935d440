#pragma once
// Starting without a window system. Qt ends the process with an abort when
// its platform plugin cannot start, so the program looks at the
// environment first and says plainly what is missing; and while the
// application object is being created, a fatal message from Qt ends the
// program with a clear message and an ordinary exit status instead.
#include <functional>
#include <string>

namespace sumcraft {

// The message to print when neither DISPLAY, WAYLAND_DISPLAY nor
// QT_QPA_PLATFORM names a window system; empty when one of them does.
// `variable` reads the environment (std::getenv in the program).
std::string MissingDisplayMessage(const std::function<const char*(const char*)>& variable);

// While an instance lives, a fatal Qt message prints
// "Sumcraft cannot open its window: <message>" and a hint on standard error
// and exits with status 1.
class TStartFailureGuard {
public:
  TStartFailureGuard();
  ~TStartFailureGuard();
  TStartFailureGuard(const TStartFailureGuard&) = delete;
  TStartFailureGuard& operator=(const TStartFailureGuard&) = delete;
};

}  // namespace sumcraft
