#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "cli/Arguments.h"

namespace sumcraft::cli {

// One command of sumcraft-cli. Each command lives in a file of its own and
// registers itself with a TCommandRegistrar, so adding a command means
// adding one file.
struct TCliCommand {
  std::string_view name;
  std::string_view summary;  // one line for the list of commands
  std::string_view help;     // the text of "sumcraft-cli NAME --help", usage line first
  std::vector<TOptionSpec> options;
  // Runs the command; answers the exit status. Raises UsageError for wrong
  // arguments and any other std::exception for a failure.
  int (*run)(const TParsedArgs& args);
  int order;  // place in the list of commands
};

class TCommandRegistrar {
public:
  explicit TCommandRegistrar(TCliCommand command);
};

// Every registered command, in list order.
const std::vector<TCliCommand>& Commands();
const TCliCommand* FindCommand(std::string_view name);

}  // namespace sumcraft::cli
