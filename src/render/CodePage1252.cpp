#include "render/CodePage1252.h"

#include <array>
#include <unordered_map>

namespace sumcraft {

namespace {

// 0x80..0x9F: the only range where Windows-1252 differs from Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

const std::unordered_map<char16_t, unsigned char>& ReverseHigh() {
  static const std::unordered_map<char16_t, unsigned char> map = [] {
    std::unordered_map<char16_t, unsigned char> m;
    for (unsigned i = 0; i < kHigh.size(); ++i) m.emplace(kHigh[i], static_cast<unsigned char>(0x80 + i));
    return m;
  }();
  return map;
}

}  // namespace

char16_t Cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHigh[byte - 0x80];
  return byte;
}

bool InCodePage1252(QChar ch) {
  const char16_t u = ch.unicode();
  return u < 0x80 || (u >= 0xA0 && u <= 0xFF) || ReverseHigh().count(u) != 0;
}

QString FromCp1252(std::string_view bytes) {
  QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* dst = out.data();
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    dst[i] = QChar(Cp1252ToUnicode(static_cast<unsigned char>(bytes[i])));
  }
  return out;
}

std::string ToCp1252(const QString& text, char replacement) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  const auto& reverse = ReverseHigh();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t u = text[i].unicode();
    if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
      ++i;  // one character outside the code page, one replacement
      out.push_back(replacement);
    } else if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out.push_back(static_cast<char>(u));
    } else if (auto it = reverse.find(u); it != reverse.end()) {
      out.push_back(static_cast<char>(it->second));
    } else {
      out.push_back(replacement);
    }
  }
  return out;
}

}  // namespace sumcraft
