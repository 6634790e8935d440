// sumcraft-cli: the command-line companion of Sumcraft, for teachers who
// make many versions of a worksheet, and for our tests. It needs no display
// and writes no file but the ones it is told to write.

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "cli/Command.h"
#include "cli/StandardOutput.h"

namespace sumcraft::cli {
namespace {

constexpr const char* kProgram = "sumcraft-cli";

void PrintOverview() {
  std::cout << "Usage: " << kProgram << " COMMAND [ARGUMENTS]\n"
            << "       " << kProgram << " --help | --version\n"
            << "\n"
            << "Works with Sumcraft quiz files (.qiz) on any machine, with or without a display.\n"
            << "\n"
            << "Commands:\n";
  std::size_t width = 0;
  for (const TCliCommand& c : Commands()) width = std::max(width, c.name.size());
  for (const TCliCommand& c : Commands())
    std::cout << "  " << c.name << std::string(width - c.name.size() + 2, ' ') << c.summary << "\n";
  std::cout << "\n"
            << "Run '" << kProgram << " COMMAND --help' for the arguments of a command.\n"
            << "Exit status: 0 on success, 1 when the command failed, 2 for wrong arguments.\n";
}

int Main(const std::vector<std::string>& args) {
  std::string context = kProgram;  // what a usage error refers to
  try {
    if (args.empty()) throw UsageError("missing the command");
    const std::string& first = args.front();
    if (first == "--help" || first == "-h") {
      PrintOverview();
      return 0;
    }
    if (first == "--version") {
      std::cout << kProgram << " " << SUMCRAFT_VERSION << "\n";
      return 0;
    }
    if (first == "help") {
      if (args.size() == 1) {
        PrintOverview();
        return 0;
      }
      const TCliCommand* command = FindCommand(args[1]);
      if (!command || args.size() > 2) throw UsageError("no command '" + args[1] + "'");
      std::cout << command->help;
      return 0;
    }
    if (first.starts_with("-")) throw UsageError("unknown option '" + first + "'");
    const TCliCommand* command = FindCommand(first);
    if (!command) throw UsageError("no command '" + first + "'");

    context += " " + std::string(command->name);
    const TParsedArgs parsed =
        ParseArguments(std::vector<std::string>(args.begin() + 1, args.end()), command->options);
    if (parsed.help) {
      std::cout << command->help;
      return 0;
    }
    return command->run(parsed);
  } catch (const UsageError& e) {
    std::cerr << context << ": " << e.what() << " (try '" << context << " --help')\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << kProgram << ": " << e.what() << "\n";
    return 1;
  }
}

}  // namespace
}  // namespace sumcraft::cli

int main(int argc, char** argv) {
#if defined(__GLIBC__)
  // One short run: memory freed is kept for the next allocation instead of
  // going back to the system, so pages of pictures, page lists and files are
  // not mapped and faulted in afresh (a sixth of the instructions' time).
  mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
  mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
#endif
  const int status = sumcraft::cli::Main(std::vector<std::string>(argv + 1, argv + argc));
  if (status != 0) return status;
  // Output that never arrived is a failure, whatever the command made of it.
  try {
    sumcraft::cli::FlushStandardOutput();
  } catch (const std::exception& e) {
    std::cerr << "sumcraft-cli: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
