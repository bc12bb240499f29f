#ifndef CATTextEncoding_h
#define CATTextEncoding_h

// Conversions between the host's characters (code points) and bytes or
// wide characters, and the letter-case tables.

#include <cstddef>
#include <string>

// UTF-8 to code points. Each byte that does not start a valid, shortest
// UTF-8 sequence (also an encoded surrogate) becomes U+DC00 + byte.
std::u32string CATDecodeUtf8(const char* bytes, std::size_t length);
// Code points to UTF-8; U+DC80 to U+DCFF turn back into their single byte,
// other surrogates and values above U+10FFFF become U+FFFD.
std::string CATEncodeUtf8(const std::u32string& chars);

// Wide text (UTF-16 or UTF-32, after the size of wchar_t) to code points and
// back. An unpaired UTF-16 surrogate is kept as it is.
std::u32string CATDecodeWide(const wchar_t* text, std::size_t length);
std::wstring CATEncodeWide(const std::u32string& chars);

char32_t CATToLowerChar(char32_t c);
char32_t CATToUpperChar(char32_t c);

#endif  // CATTextEncoding_h
