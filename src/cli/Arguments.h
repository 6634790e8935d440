#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sumcraft::cli {

// Wrong use of the command line; reported with a hint to --help, exit 2.
class UsageError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// An option a command accepts: "--seed", with an optional short alias "-o".
struct TOptionSpec {
  std::string_view name;        // "--output"
  std::string_view shortName;   // "-o", or empty
  bool takesValue = true;
};

struct TParsedArgs {
  std::vector<std::string> positional;
  std::map<std::string, std::string, std::less<>> options;  // by long name; a switch holds ""
  bool help = false;

  bool Has(std::string_view name) const { return options.find(name) != options.end(); }
  std::optional<std::string> Value(std::string_view name) const;
  // The value of a required option; UsageError names it when missing.
  const std::string& Required(std::string_view name, std::string_view what) const;
  // Exactly one positional argument (the quiz file); UsageError otherwise.
  const std::string& OneQuizFile() const;
};

// Splits args (after the command name) by specs. Accepts "--name value",
// "--name=value", "-o value", "--" before positional arguments that begin
// with "-", and "-h"/"--help". Unknown or repeated options, and options
// missing their value, raise UsageError.
TParsedArgs ParseArguments(const std::vector<std::string>& args, const std::vector<TOptionSpec>& specs);

// A random seed: a whole number from 0 to 4294967295 in decimal digits.
std::uint32_t ParseSeed(std::string_view text);

}  // namespace sumcraft::cli
