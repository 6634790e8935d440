#include "render/ReportFormats.h"

#include <QFile>
#include <cstdint>
#include <limits>

#include "quiz/InputFile.h"
#include "quiz/TextValues.h"
#include "render/Canvas.h"
#include "render/Resources.h"

namespace sumcraft {

namespace {

// A style file is a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxStyleFileSize = 4 * 1024 * 1024;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Quoted(std::string_view v) {
  std::string out = "\"";
  for (const char c : v) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20) {
      out += '?';
    } else {
      out += c;
    }
    if (out.size() > 60) {
      out += "...";
      break;
    }
  }
  return out + "\"";
}

}  // namespace

bool ParseStyleInteger(std::string_view text, int& value) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < text.size() && text[i] == '$') {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= text.size()) return false;
  std::uint64_t magnitude = 0;
  std::size_t digits = 0;
  for (; i < text.size(); ++i, ++digits) {
    const int d = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (d < 0) return false;
    magnitude = magnitude * (hex ? 16U : 10U) + static_cast<std::uint64_t>(d);
    if (magnitude > 0xFFFFFFFFULL) return false;
  }
  if (digits == 0) return false;
  std::int64_t v;
  if (hex) {
    v = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));  // a bit pattern
  } else {
    v = static_cast<std::int64_t>(magnitude);
    if (v > std::numeric_limits<std::int32_t>::max() + (negative ? 1LL : 0LL)) return false;
  }
  if (negative) v = -v;
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max()) return false;
  value = static_cast<int>(v);
  return true;
}

void TReportFormats::Add(TReportFormat format) {
  byName_.try_emplace(format.FormatName, formats_.size());
  formats_.push_back(std::move(format));
}

std::size_t TReportFormats::LoadFromText(std::string_view text, const QString& fileName) {
  formats_.clear();
  byName_.clear();
  messages_.clear();
  const std::string file = fileName.toStdString();
  const std::vector<std::string_view> lines = SplitLines(text);

  auto report = [&](std::size_t lineIndex, const std::string& what) {
    messages_.push_back(file + ", line " + std::to_string(lineIndex + 1) + ": " + what);
  };

  std::size_t i = 0;
  while (i < lines.size()) {
    if (lines[i++] != "BEGIN FORMAT") continue;
    TReportFormat format;
    bool closed = false;
    while (i < lines.size()) {
      const std::size_t lineIndex = i;
      const std::string_view line = lines[i++];
      if (line == "END FORMAT") {
        closed = true;
        break;
      }
      // The end of the file is checked before the line just read is
      // interpreted: the last line of an unclosed block is not applied.
      if (i >= lines.size()) break;
      const std::size_t eq = line.find('=');
      const std::string_view key = line.substr(0, eq);
      const std::string_view val = eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1);
      auto integer = [&](int& target) -> bool {
        int v = 0;
        if (!ParseStyleInteger(val, v)) {
          report(lineIndex, std::string(key) + " value " + Quoted(val) + " is not a whole number; the default is kept.");
          return false;
        }
        target = v;
        return true;
      };
      if (key == "FORMATNAME") {
        format.FormatName.assign(val);
      } else if (key == "FONTNAME") {
        format.Font.Name.assign(val);
      } else if (key == "FONTSIZE") {
        integer(format.Font.Size);
      } else if (key == "FONTBOLD") {
        format.Font.Bold = true;  // the value is not looked at
      } else if (key == "BRUSHCOLOR") {
        int c = 0;
        if (integer(c)) format.Brush.Color = static_cast<TColor>(c) & 0xFFFFFFU;
      } else if (key == "BRUSHSTYLE") {
        int s = 0;
        if (integer(s)) {
          if (s >= 0 && s <= 7) {
            format.Brush.Style = static_cast<TBrushStyle>(s);
          } else {
            report(lineIndex, "BRUSHSTYLE " + std::to_string(s) + " is not a brush style (0 to 7); the default is kept.");
          }
        }
      } else if (key == "PENWIDTH") {
        integer(format.Pen.Width);
      } else if (key == "PENMODE") {
        int m = 0;
        if (integer(m)) {
          if (m >= 0 && m <= 15) {
            format.Pen.Mode = static_cast<TPenMode>(m);
          } else {
            report(lineIndex, "PENMODE " + std::to_string(m) + " is not a pen mode (0 to 15); the default is kept.");
          }
        }
      }
    }
    if (!closed) report(lines.size() - 1, "the last style block is not closed by END FORMAT.");
    Add(std::move(format));
  }
  return formats_.size();
}

TReportFormats::TLoadResult TReportFormats::Load(const QString& path) {
  QFile file(path);
  if (!file.exists()) {
    LoadDefaults();
    return TLoadResult::Missing;
  }
  // Read without Qt's file class: opening a FIFO with it waits for a writer.
  std::string data, why;
  if (!ReadInputFile(QFile::encodeName(path).toStdString(), kMaxStyleFileSize, data, why)) {
    LoadDefaults();
    messages_.push_back(path.toStdString() + " cannot be read as a style file (" + why +
                        "); the built-in styles are used.");
    return TLoadResult::Unreadable;
  }
  if (LoadFromText(data, path) == 0) {
    std::vector<std::string> messages = std::move(messages_);
    LoadDefaults();
    messages.push_back(path.toStdString() + " holds no style (no line \"BEGIN FORMAT\"); the built-in styles are used.");
    messages_ = std::move(messages);
    return TLoadResult::NoStyles;
  }
  return TLoadResult::Loaded;
}

void TReportFormats::LoadDefaults() { *this = DefaultReportFormats(); }

const TReportFormats& DefaultReportFormats() {
  static const TReportFormats defaults = [] {
    InitRenderResources();
    TReportFormats f;
    QFile file(DefaultStylesResource());
    if (file.open(QIODevice::ReadOnly)) {
      const QByteArray data = file.readAll();
      f.LoadFromText(std::string_view(data.constData(), static_cast<std::size_t>(data.size())), file.fileName());
    }
    if (f.Count() == 0) {
      // Only a broken build lacks the resource; keep drawing possible.
      TReportFormat plain;
      plain.FormatName = "DEFAULT";
      plain.Font = TFontSpec{"Arial", 12, false, kBlack, 0};
      plain.Brush.Style = TBrushStyle::Clear;
      f.Add(plain);
    }
    return f;
  }();
  return defaults;
}

const TReportFormat* TReportFormats::Find(std::string_view name) const {
  const auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : &formats_[it->second];
}

void TReportFormats::ApplyFormat(const TReportFormat& format, TCanvas& canvas) {
  canvas.SetFontSize(format.Font.Size);
  canvas.SetFontName(format.Font.Name);
  canvas.SetFontBold(format.Font.Bold);
  canvas.SetBrushColor(format.Brush.Color);
  canvas.SetBrushStyle(format.Brush.Style);
  canvas.SetPenWidth(format.Pen.Width);
  canvas.SetPenMode(format.Pen.Mode);
}

void TReportFormats::Apply(std::string_view name, TCanvas& canvas) const {
  if (formats_.empty()) {
    if (this != &DefaultReportFormats()) DefaultReportFormats().Apply(name, canvas);
    return;
  }
  const TReportFormat* f = Find(name);
  ApplyFormat(f != nullptr ? *f : formats_.front(), canvas);
}

TReportFormats& ReportFormats() {
  static TReportFormats formats = DefaultReportFormats();
  return formats;
}

}  // namespace sumcraft
