#include "cli/Command.h"

#include <algorithm>

namespace sumcraft::cli {

namespace {

std::vector<TCliCommand>& Registry() {
  static std::vector<TCliCommand> commands;
  return commands;
}

}  // namespace

TCommandRegistrar::TCommandRegistrar(TCliCommand command) {
  auto& commands = Registry();
  const auto at = std::upper_bound(commands.begin(), commands.end(), command.order,
                                   [](int order, const TCliCommand& c) { return order < c.order; });
  commands.insert(at, std::move(command));
}

const std::vector<TCliCommand>& Commands() { return Registry(); }

const TCliCommand* FindCommand(std::string_view name) {
  for (const TCliCommand& c : Registry())
    if (c.name == name) return &c;
  return nullptr;
}

}  // namespace sumcraft::cli
