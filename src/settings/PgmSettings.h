#pragma once
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sumcraft {

inline constexpr const char* kSettingsFileName = "SumcraftSettings.ini";

// The paper of "Save as PDF" chosen in the print options dialog: "Letter"
// or "A4". Missing (or anything else), the desktop's locale decides.
inline constexpr const char* kPrintSection = "PrintSettings";
inline constexpr const char* kPdfPaperKey = "PdfPaper";

// A settings value that could not be stored. The message is the one the
// user sees: "Unable to write to <file>". The program goes on.
class SettingsWriteError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// One key and the text to keep in it.
struct TSettingsValue {
  std::string Key;
  std::string Value;
};

// The program settings: one INI file, "SumcraftSettings.ini" in the data
// folder, in which every options dialog keeps the last confirmed options of
// its problem type. Every read reads the file and every write reaches the
// file at once (atomically), so a value written anywhere is seen by the
// next read everywhere. Integers are stored in decimal, booleans as 1 or 0.
class TPgmSettings {
public:
  // The largest settings file read or written. Ours is a few kilobytes; a
  // larger one is damaged and reads as missing (every read gives its
  // default, no write replaces it), and no write makes a file larger than
  // this, so everything written can be read back.
  static constexpr std::size_t kMaxFileSize = std::size_t{256} << 10;

  // dataFolder is created when missing. When it cannot be, reads give their
  // defaults and writes fail with SettingsWriteError.
  explicit TPgmSettings(std::string dataFolder);

  // The stored whole number; def when the key is missing or its value is
  // not a decimal whole number within 32 bits.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;
  // True when the stored value is a non-zero whole number; def when the key
  // is missing or holds no whole number.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  // The stored text (without surrounding blanks); def when the key is missing.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // The stored texts of keys in section, from one read of the file, in the
  // order of keys; nothing for a key that is missing (every key, when the
  // file cannot be read).
  std::vector<std::optional<std::string>> ReadValues(std::string_view section,
                                                     const std::vector<std::string_view>& keys) const;

  // Raise SettingsWriteError when the file cannot be written, or would grow
  // beyond kMaxFileSize even without its blank lines; the file then keeps
  // what it held.
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Sets every key of values in section with one write of the file, so
  // that the file holds all of them or none.
  void WriteValues(std::string_view section, const std::vector<TSettingsValue>& values);

  // The data folder with its trailing "/".
  const std::string& DataFolder() const { return dataFolder_; }
  // The settings file's full path.
  const std::string& FileName() const { return fileName_; }

private:
  std::string dataFolder_;
  std::string fileName_;
};

}  // namespace sumcraft
