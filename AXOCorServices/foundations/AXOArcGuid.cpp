#include "AXOArcGuid.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "AXOPlatform.h"

namespace {

constexpr char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
constexpr int kCompressedLength = 22;
constexpr int kBracedLength = 38;
constexpr std::uint8_t kNotADigit = 0xFF;

// Two digits for each 12-bit value, most significant first: a 24-bit group
// is written with two lookups.
struct DigitPairs {
  char pair[4096][2];
};

constexpr DigitPairs MakeDigitPairs() {
  DigitPairs table = {};
  for (int value = 0; value < 4096; ++value) {
    table.pair[value][0] = kAlphabet[value >> 6];
    table.pair[value][1] = kAlphabet[value & 63];
  }
  return table;
}

constexpr DigitPairs kDigitPairs = MakeDigitPairs();

// The value of each byte as a digit; kNotADigit for bytes outside the
// alphabet (the terminating zero among them).
struct DigitValues {
  std::uint8_t value[256];
};

constexpr DigitValues MakeDigitValues() {
  DigitValues table = {};
  for (std::uint8_t& value : table.value) value = kNotADigit;
  for (int digit = 0; digit < 64; ++digit) {
    table.value[static_cast<unsigned char>(kAlphabet[digit])] = static_cast<std::uint8_t>(digit);
  }
  return table;
}

constexpr DigitValues kDigitValues = MakeDigitValues();

// A new GUID from the system's generator; all zero if the generator fails,
// which callers can recognise instead of receiving random stack bytes.
_GUID NewGuid() {
  _GUID guid = {};
  AXOGuidFields fields;
  if (AXOPlatform::Get()->NewGuid(fields).ok()) {
    guid.Data1 = fields.data1;
    guid.Data2 = fields.data2;
    guid.Data3 = fields.data3;
    std::memcpy(guid.Data4, fields.data4, sizeof guid.Data4);
  }
  return guid;
}

// Writes the 24-bit `group` as four digits.
void EncodeGroup(std::uint32_t group, char* out) {
  std::memcpy(out, kDigitPairs.pair[group >> 12], 2);
  std::memcpy(out + 2, kDigitPairs.pair[group & 0xFFF], 2);
}

// Three bytes, the first most significant.
std::uint32_t Bytes24(std::uint32_t high, std::uint32_t middle, std::uint32_t low) {
  return (high << 16) | (middle << 8) | low;
}

// The number that the `count` digits at `digits` spell; ORs every digit's
// table value into `invalid`, whose bits above 63 then tell a bad digit.
std::uint32_t DecodeGroup(const unsigned char* digits, int count, std::uint32_t& invalid) {
  std::uint32_t number = 0;
  for (int i = 0; i < count; ++i) {
    const std::uint32_t value = kDigitValues.value[digits[i]];
    invalid |= value;
    number = number * 64 + value;
  }
  return number;
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

// The bytes B0..B15 of the text form, taken as N0 = B0 and five groups of
// three bytes.
char* AXOArcGuid::GetCompressedString() const {
  char* out = SharedBuffer(g_compressed, kCompressedLength + 1);
  const _GUID& g = guid_;
  std::memcpy(out, kDigitPairs.pair[g.Data1 >> 24], 2);
  EncodeGroup(g.Data1 & 0xFFFFFF, out + 2);
  EncodeGroup(Bytes24(g.Data2 >> 8, g.Data2 & 0xFF, g.Data3 >> 8), out + 6);
  EncodeGroup(Bytes24(g.Data3 & 0xFF, g.Data4[0], g.Data4[1]), out + 10);
  EncodeGroup(Bytes24(g.Data4[2], g.Data4[3], g.Data4[4]), out + 14);
  EncodeGroup(Bytes24(g.Data4[5], g.Data4[6], g.Data4[7]), out + 18);
  out[kCompressedLength] = '\0';
  return out;
}

_GUID AXOArcGuid::GetGuidFromCompressedString(const char* text) {
  _GUID guid = {};
  // memchr stops at the first zero, so a short text is not read past its end.
  if (text == nullptr ||
      std::memchr(text, '\0', kCompressedLength + 1) != text + kCompressedLength) {
    return guid;
  }
  const auto* digits = reinterpret_cast<const unsigned char*>(text);
  std::uint32_t invalid = 0;
  std::uint32_t n[6];
  n[0] = DecodeGroup(digits, 2, invalid);
  for (int group = 1; group < 6; ++group) {
    n[group] = DecodeGroup(digits + 4 * group - 2, 4, invalid);
  }
  if (invalid > 63) return guid;
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
