#include "AXOArcGuid.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "AXOPlatform.h"

namespace {

const char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
constexpr int kCompressedLength = 22;
constexpr int kBracedLength = 38;

// A new GUID from the system's generator; all zero if the generator fails,
// which callers can recognise instead of receiving random stack bytes.
_GUID NewGuid() {
  _GUID guid = {};
  AXOGuidFields fields;
  if (AXOPlatform::Get()->NewGuid(fields)) {
    guid.Data1 = fields.data1;
    guid.Data2 = fields.data2;
    guid.Data3 = fields.data3;
    std::memcpy(guid.Data4, fields.data4, sizeof guid.Data4);
  }
  return guid;
}

// Bytes B0..B15 of the GUID in the order of its text form.
void ToBytes(const _GUID& g, unsigned char b[16]) {
  b[0] = static_cast<unsigned char>(g.Data1 >> 24);
  b[1] = static_cast<unsigned char>(g.Data1 >> 16);
  b[2] = static_cast<unsigned char>(g.Data1 >> 8);
  b[3] = static_cast<unsigned char>(g.Data1);
  b[4] = static_cast<unsigned char>(g.Data2 >> 8);
  b[5] = static_cast<unsigned char>(g.Data2);
  b[6] = static_cast<unsigned char>(g.Data3 >> 8);
  b[7] = static_cast<unsigned char>(g.Data3);
  std::memcpy(b + 8, g.Data4, 8);
}

// Writes `value` as `digits` base-64 digits, most significant first.
void Encode(unsigned long value, int digits, char* out) {
  for (int i = digits - 1; i >= 0; --i) {
    out[i] = kAlphabet[value % 64];
    value /= 64;
  }
}

int DigitValue(char c) {
  const char* at = c == '\0' ? nullptr : std::strchr(kAlphabet, c);
  return at == nullptr ? -1 : static_cast<int>(at - kAlphabet);
}

char* SharedBuffer(char*& buffer, std::size_t size) {
  if (buffer == nullptr) buffer = new char[size]();
  return buffer;
}

char* g_compressed = nullptr;
char* g_braced = nullptr;

}  // namespace

AXOArcGuid::AXOArcGuid() : guid_(NewGuid()) {}

AXOArcGuid::AXOArcGuid(const _GUID& guid) : guid_(guid) {}

AXOArcGuid::AXOArcGuid(const char* text) : guid_(NewGuid()) {
  if (text == nullptr || std::strlen(text) != kBracedLength || text[9] != '-' || text[14] != '-' ||
      text[19] != '-' || text[24] != '-') {
    return;
  }
  // Each field is read as strtoul reads it: up to the next non-hex digit.
  auto hex = [text](int position, int digits) {
    char field[9] = {};
    std::memcpy(field, text + position, static_cast<std::size_t>(digits));
    return std::strtoul(field, nullptr, 16);
  };
  guid_.Data1 = static_cast<std::uint32_t>(hex(1, 8));
  guid_.Data2 = static_cast<std::uint16_t>(hex(10, 4));
  guid_.Data3 = static_cast<std::uint16_t>(hex(15, 4));
  guid_.Data4[0] = static_cast<std::uint8_t>(hex(20, 2));
  guid_.Data4[1] = static_cast<std::uint8_t>(hex(22, 2));
  for (int i = 0; i < 6; ++i) guid_.Data4[2 + i] = static_cast<std::uint8_t>(hex(25 + 2 * i, 2));
}

_GUID AXOArcGuid::GetGuid() const {
  return guid_;
}

char* AXOArcGuid::GetString() const {
  char* out = SharedBuffer(g_braced, kBracedLength + 1);
  std::snprintf(out, kBracedLength + 1, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                guid_.Data1, guid_.Data2, guid_.Data3, guid_.Data4[0], guid_.Data4[1],
                guid_.Data4[2], guid_.Data4[3], guid_.Data4[4], guid_.Data4[5], guid_.Data4[6],
                guid_.Data4[7]);
  return out;
}

char* AXOArcGuid::GetCompressedString() const {
  unsigned char b[16];
  ToBytes(guid_, b);
  char* out = SharedBuffer(g_compressed, kCompressedLength + 1);
  Encode(b[0], 2, out);
  for (int group = 0; group < 5; ++group) {
    const unsigned char* p = b + 1 + 3 * group;
    const unsigned long n =
        (static_cast<unsigned long>(p[0]) << 16) | (static_cast<unsigned long>(p[1]) << 8) | p[2];
    Encode(n, 4, out + 2 + 4 * group);
  }
  out[kCompressedLength] = '\0';
  return out;
}

_GUID AXOArcGuid::GetGuidFromCompressedString(const char* text) {
  _GUID guid = {};
  if (text == nullptr || std::strlen(text) != kCompressedLength) return guid;
  static const int kGroupLengths[6] = {2, 4, 4, 4, 4, 4};
  std::uint32_t n[6] = {};
  const char* p = text;
  for (int group = 0; group < 6; ++group) {
    for (int i = 0; i < kGroupLengths[group]; ++i, ++p) {
      const int digit = DigitValue(*p);
      if (digit < 0) return guid;
      n[group] = n[group] * 64 + static_cast<std::uint32_t>(digit);
    }
  }
  // N0 counts only by its low 8 bits: a first digit above "3" wraps.
  guid.Data1 = (n[0] << 24) + n[1];
  guid.Data2 = static_cast<std::uint16_t>(n[2] >> 8);
  guid.Data3 = static_cast<std::uint16_t>(((n[2] & 0xFF) << 8) + (n[3] >> 16));
  guid.Data4[0] = static_cast<std::uint8_t>(n[3] >> 8);
  guid.Data4[1] = static_cast<std::uint8_t>(n[3]);
  for (int i = 0; i < 2; ++i) {
    guid.Data4[2 + 3 * i] = static_cast<std::uint8_t>(n[4 + i] >> 16);
    guid.Data4[3 + 3 * i] = static_cast<std::uint8_t>(n[4 + i] >> 8);
    guid.Data4[4 + 3 * i] = static_cast<std::uint8_t>(n[4 + i]);
  }
  return guid;
}
