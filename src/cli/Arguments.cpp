#include "cli/Arguments.h"

namespace sumcraft::cli {

std::optional<std::string> TParsedArgs::Value(std::string_view name) const {
  const auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

const std::string& TParsedArgs::Required(std::string_view name, std::string_view what) const {
  const auto it = options.find(name);
  if (it == options.end()) throw UsageError("missing " + std::string(name) + " " + std::string(what));
  return it->second;
}

const std::string& TParsedArgs::OneQuizFile() const {
  if (positional.empty()) throw UsageError("missing the quiz file");
  if (positional.size() > 1) throw UsageError("unexpected argument '" + positional[1] + "'");
  return positional.front();
}

TParsedArgs ParseArguments(const std::vector<std::string>& args, const std::vector<TOptionSpec>& specs) {
  TParsedArgs parsed;
  bool onlyPositional = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyPositional || arg.size() < 2 || arg[0] != '-') {
      parsed.positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      onlyPositional = true;
      continue;
    }
    if (arg == "-h" || arg == "--help") {
      parsed.help = true;
      continue;
    }
    const std::size_t eq = arg.starts_with("--") ? arg.find('=') : std::string::npos;
    const std::string_view given = std::string_view(arg).substr(0, eq);
    const TOptionSpec* spec = nullptr;
    for (const TOptionSpec& s : specs)
      if (given == s.name || (!s.shortName.empty() && given == s.shortName)) spec = &s;
    if (!spec) throw UsageError("unknown option '" + std::string(given) + "'");
    const std::string name(spec->name);
    if (parsed.Has(name)) throw UsageError(name + " is given more than once");

    std::string value;
    if (eq != std::string::npos) {
      if (!spec->takesValue) throw UsageError(name + " takes no value");
      value = arg.substr(eq + 1);
    } else if (spec->takesValue) {
      if (i + 1 >= args.size()) throw UsageError(name + " needs a value");
      value = args[++i];
    }
    parsed.options.emplace(name, std::move(value));
  }
  return parsed;
}

std::uint32_t ParseSeed(std::string_view text) {
  const auto bad = [&text]() {
    return UsageError("--seed needs a whole number from 0 to 4294967295, not '" + std::string(text) + "'");
  };
  if (text.empty() || text.size() > 10) throw bad();
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') throw bad();
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (value > 0xFFFFFFFFu) throw bad();
  return static_cast<std::uint32_t>(value);
}

}  // namespace sumcraft::cli
