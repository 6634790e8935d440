#include "settings/PgmSettings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

#include "quiz/AtomicFile.h"
#include "quiz/TextValues.h"
#include "settings/IniText.h"

namespace sumcraft {

namespace {

constexpr std::size_t kMaxSettingsSize = TPgmSettings::kMaxFileSize;

enum class ReadOutcome { Read, Missing, Failed };

ReadOutcome ReadWholeFile(const std::string& path, std::string& text) {
  text.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? ReadOutcome::Missing : ReadOutcome::Failed;
  struct stat st{};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::size_t>(st.st_size) > kMaxSettingsSize) {
    ::close(fd);
    return ReadOutcome::Failed;
  }
  char buffer[16384];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
      text.append(buffer, static_cast<std::size_t>(n));
      if (text.size() > kMaxSettingsSize) break;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    ::close(fd);
    return n == 0 ? ReadOutcome::Read : ReadOutcome::Failed;
  }
  ::close(fd);
  return ReadOutcome::Failed;
}

}  // namespace

TPgmSettings::TPgmSettings(std::string dataFolder) : dataFolder_(std::move(dataFolder)) {
  if (dataFolder_.empty() || dataFolder_.back() != '/') dataFolder_ += '/';
  fileName_ = dataFolder_ + kSettingsFileName;
  std::error_code ec;
  std::filesystem::create_directories(dataFolder_, ec);  // a failure shows at the first write
}

std::string TPgmSettings::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  return ReadValues(section, {key}).front().value_or(std::string(def));
}

std::int32_t TPgmSettings::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
  const std::optional<std::string> value = ReadValues(section, {key}).front();
  return value ? ParseInt32(*value).value_or(def) : def;
}

bool TPgmSettings::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::vector<std::optional<std::string>> TPgmSettings::ReadValues(std::string_view section,
                                                               const std::vector<std::string_view>& keys) const {
  std::vector<std::optional<std::string>> values(keys.size());
  std::string text;
  if (ReadWholeFile(fileName_, text) != ReadOutcome::Read) return values;
  const TIniText ini(text);
  for (std::size_t i = 0; i < keys.size(); ++i) values[i] = ini.Value(section, keys[i]);
  return values;
}

void TPgmSettings::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  WriteValues(section, {{std::string(key), std::string(value)}});
}

void TPgmSettings::WriteValues(std::string_view section, const std::vector<TSettingsValue>& values) {
  std::string text;
  // A file that exists but cannot be read is not replaced: that would lose
  // every other setting in it.
  if (ReadWholeFile(fileName_, text) == ReadOutcome::Failed)
    throw SettingsWriteError("Unable to write to " + fileName_);
  TIniText ini(text);
  for (const TSettingsValue& value : values) ini.Set(section, value.Key, value.Value);
  std::string written = ini.Text();
  if (written.size() > kMaxSettingsSize) {
    // Blank lines carry nothing; what still does not fit would be refused
    // by the next read, so it is not written.
    ini.DropBlankLines();
    written = ini.Text();
    if (written.size() > kMaxSettingsSize) throw SettingsWriteError("Unable to write to " + fileName_);
  }
  try {
    WriteFileAtomically(fileName_, written);
  } catch (const std::system_error&) {
    throw SettingsWriteError("Unable to write to " + fileName_);
  }
}

void TPgmSettings::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TPgmSettings::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace sumcraft
