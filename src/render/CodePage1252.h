#pragma once
// Model strings are Windows-1252 bytes (std::string, as in the files); Qt
// wants Unicode. Convert only at the drawing, PDF and user-interface edges.
#include <QString>
#include <string>
#include <string_view>

namespace sumcraft {

// One Windows-1252 byte as a Unicode character. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of
// the same value, as Windows does, so every byte string survives a round trip.
char16_t Cp1252ToUnicode(unsigned char byte);

// Whether the code page holds the character (a surrogate half never is).
bool InCodePage1252(QChar ch);

// Windows-1252 bytes to a QString.
QString FromCp1252(std::string_view bytes);

// A QString to Windows-1252 bytes; characters the code page cannot hold
// become `replacement`.
std::string ToCp1252(const QString& text, char replacement = '?');

}  // namespace sumcraft
