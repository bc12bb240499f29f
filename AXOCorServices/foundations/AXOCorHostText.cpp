#include "foundations/AXOCorHostText.h"

#include <cstring>

CATUnicodeString AXOCorTextOfBytes(std::string_view bytes) {
  // The char constructor stops at a NUL byte: the bytes between NUL bytes
  // are read piece by piece. No character's bytes hold a NUL byte, so the
  // pieces read as the whole would.
  std::string piece;
  CATUnicodeString text;
  for (std::size_t start = 0;;) {
    const std::size_t nul = bytes.find('\0', start);
    piece.assign(bytes.substr(start, nul == std::string_view::npos ? nul : nul - start));
    if (start == 0) {
      text = CATUnicodeString(piece.c_str());
    } else {
      text.Append(CATUnicodeString(piece.c_str()));
    }
    if (nul == std::string_view::npos) return text;
    text.Append(CATUnicodeString(CATUnicodeChar('\0')));
    start = nul + 1;
  }
}

std::u32string AXOCorCodePoints(const CATUnicodeString& text) {
  const int length = text.GetLengthInChar();
  std::u32string chars(static_cast<std::size_t>(length), U'\0');
  for (int i = 0; i < length; ++i) chars[static_cast<std::size_t>(i)] = text[i].GetCode();
  return chars;
}

bool AXOCorHoldsNul(const CATUnicodeString& text) {
  return std::strlen(text.ConvertToChar()) != static_cast<std::size_t>(text.GetLengthInByte());
}

std::string AXOCorBytesOf(const CATUnicodeString& text) {
  return std::string(text.ConvertToChar(), static_cast<std::size_t>(text.GetLengthInByte()));
}
