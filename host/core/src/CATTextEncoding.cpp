#include "CATTextEncoding.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr char32_t kEscapeBase = 0xDC00;
constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char b) {
  return (b & 0xC0) == 0x80;
}

}  // namespace

std::u32string CATDecodeUtf8(const char* bytes, std::size_t length) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes);
  // A leading run of ASCII, often the whole text, is widened in one pass.
  std::size_t i = 0;
  for (std::uint64_t word; length - i >= 8; i += 8) {
    std::memcpy(&word, p + i, sizeof word);
    if ((word & 0x8080808080808080) != 0) break;
  }
  while (i < length && p[i] < 0x80) ++i;
  std::u32string out(p, p + i);
  if (i == length) return out;
  // Never more characters than bytes: the rest is written in place and the
  // text cut to its number of characters at the end.
  out.resize(length);
  char32_t* o = &out[i];
  while (i < length) {
    const unsigned char b = p[i];
    if (b < 0x80) {
      *o++ = b;
      ++i;
      continue;
    }
    std::size_t need = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((b & 0xE0) == 0xC0) {
      need = 1, code = b & 0x1F, minimum = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
      need = 2, code = b & 0x0F, minimum = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
      need = 3, code = b & 0x07, minimum = 0x10000;
    }
    bool valid = need > 0;
    for (std::size_t k = 1; valid && k <= need; ++k) {
      if (i + k >= length || !IsContinuation(p[i + k])) {
        valid = false;
      } else {
        code = (code << 6) | (p[i + k] & 0x3F);
      }
    }
    if (valid && (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))) {
      valid = false;
    }
    if (valid) {
      *o++ = code;
      i += need + 1;
    } else {
      *o++ = kEscapeBase + b;
      ++i;
    }
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

std::string CATEncodeUtf8(const std::u32string& chars) {
  // At most four bytes a character, written in place; cut at the end.
  std::string out(chars.size() * 4, '\0');
  char* o = &out[0];
  const auto put = [&o](char32_t byte) { *o++ = static_cast<char>(byte); };
  for (char32_t c : chars) {
    if (c < 0x80) {
      put(c);
      continue;
    }
    if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
      put(c - kEscapeBase);
      continue;
    }
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacement;
    if (c < 0x800) {
      put(0xC0 | (c >> 6));
      put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      put(0xE0 | (c >> 12));
      put(0x80 | ((c >> 6) & 0x3F));
      put(0x80 | (c & 0x3F));
    } else {
      put(0xF0 | (c >> 18));
      put(0x80 | ((c >> 12) & 0x3F));
      put(0x80 | ((c >> 6) & 0x3F));
      put(0x80 | (c & 0x3F));
    }
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

std::u32string CATDecodeWide(const wchar_t* text, std::size_t length) {
  std::u32string out;
  out.reserve(length);
  for (std::size_t i = 0; i < length; ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      c &= 0xFFFF;
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length) {
        const char32_t low = static_cast<char32_t>(text[i + 1]) & 0xFFFF;
        if (low >= 0xDC00 && low <= 0xDFFF) {
          c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
          ++i;
        }
      }
    }
    out.push_back(c);
  }
  return out;
}

std::wstring CATEncodeWide(const std::u32string& chars) {
  std::wstring out;
  out.reserve(chars.size());
  for (char32_t c : chars) {
    if (sizeof(wchar_t) == 2 && c >= 0x10000 && c <= 0x10FFFF) {
      c -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
    } else {
      out.push_back(static_cast<wchar_t>(c));
    }
  }
  return out;
}

// Letter case of the Latin, Greek and Cyrillic letters that names of the
// add-on's users are written in. Other characters keep their case.
char32_t CATToLowerChar(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 32;
  if (c < 0xC0) return c;
  if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
  if (c == 0x178) return 0xFF;
  if (c >= 0x100 && c <= 0x137 && c % 2 == 0) return c + 1;
  if (c >= 0x139 && c <= 0x148 && c % 2 == 1) return c + 1;
  if (c >= 0x14A && c <= 0x177 && c % 2 == 0) return c + 1;
  if (c == 0x179 || c == 0x17B || c == 0x17D) return c + 1;
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
  if (c >= 0x410 && c <= 0x42F) return c + 32;
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  return c;
}

char32_t CATToUpperChar(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 32;
  if (c < 0xE0) return c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  if (c >= 0x101 && c <= 0x137 && c % 2 == 1) return c - 1;
  if (c >= 0x13A && c <= 0x148 && c % 2 == 0) return c - 1;
  if (c >= 0x14B && c <= 0x177 && c % 2 == 1) return c - 1;
  if (c == 0x17A || c == 0x17C || c == 0x17E) return c - 1;
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 32;
  if (c >= 0x430 && c <= 0x44F) return c - 32;
  if (c >= 0x450 && c <= 0x45F) return c - 80;
  return c;
}
