#pragma once
#include <stdexcept>

namespace sumcraft {

// Raised when options admit no question at all (only hand-edited files get
// there). The message says what is wrong; the command that generated stops.
class GenerationError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

}  // namespace sumcraft
