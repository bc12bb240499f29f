#include "CATCkeValueText.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <iterator>
#include <system_error>

#include "CATMathConstant.h"

namespace {

// Metric units divide so that "50mm" gives the double nearest 0.05, and
// degrees divide by 180 first so that "360deg" gives exactly CAT2PI.
constexpr CATCkeUnitInfo kUnits[] = {
    {CATCkeLengthKind, "mm", "Millimeter", 1000.0, 1.0},
    {CATCkeLengthKind, "cm", "Centimeter", 100.0, 1.0},
    {CATCkeLengthKind, "m", "Meter", 1.0, 1.0},
    {CATCkeLengthKind, "in", "Inch", 1.0, 0.0254},
    {CATCkeLengthKind, "ft", "Foot", 1.0, 0.3048},
    {CATCkeAngleKind, "deg", "Degree", 180.0, CATPI},
    {CATCkeAngleKind, "rad", "Radian", 1.0, 1.0},
};

// The unit that texts of `kind` are written in (the first of its kind).
const CATCkeUnitInfo& OutputUnit(CATCkeValueKind kind) {
  for (const CATCkeUnitInfo& unit : kUnits) {
    if (unit.kind == kind) return unit;
  }
  return kUnits[0];
}

const CATCkeUnitInfo* FindUnit(CATCkeValueKind kind, const std::string& symbol) {
  for (const CATCkeUnitInfo& unit : kUnits) {
    if (unit.kind == kind && symbol == unit.symbol) return &unit;
  }
  return nullptr;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the decimal number at the start of [p, end): an optional sign,
// digits with an optional fraction (at least one digit), and, for reals, an
// optional exponent. 0 when there is none. Keeps "inf", "nan" and hex
// numbers out, which the conversion functions would take.
size_t NumberLength(const char* p, const char* end, bool real) {
  const char* q = p;
  if (q < end && (*q == '+' || *q == '-')) ++q;
  const char* digits = q;
  while (q < end && IsDigit(*q)) ++q;
  size_t count = static_cast<size_t>(q - digits);
  if (real && q < end && *q == '.') {
    ++q;
    const char* fraction = q;
    while (q < end && IsDigit(*q)) ++q;
    count += static_cast<size_t>(q - fraction);
  }
  if (count == 0) return 0;
  if (real && q < end && (*q == 'e' || *q == 'E')) {
    const char* e = q + 1;
    if (e < end && (*e == '+' || *e == '-')) ++e;
    const char* exponent = e;
    while (e < end && IsDigit(*e)) ++e;
    if (e > exponent) q = e;
  }
  return static_cast<size_t>(q - p);
}

// Converts a number that NumberLength accepted.
bool ConvertNumber(const char* p, const char* end, bool real, double* number) {
  if (*p == '+') ++p;  // from_chars takes a minus sign only
  if (real) {
    double d = 0.0;
    const auto result = std::from_chars(p, end, d);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(d)) return false;
    *number = d;
    return true;
  }
  int i = 0;
  const auto result = std::from_chars(p, end, i);
  if (result.ec != std::errc() || result.ptr != end) return false;
  *number = i;
  return true;
}

}  // namespace

bool CATCkeParseValueText(CATCkeValueKind kind, const std::string& text, double* value) {
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end && IsBlank(*p)) ++p;
  while (end > p && IsBlank(end[-1])) --end;

  const bool real = kind != CATCkeIntegerKind;
  const size_t length = NumberLength(p, end, real);
  double number = 0.0;
  if (length == 0 || !ConvertNumber(p, p + length, real, &number)) return false;

  const char* rest = p + length;
  while (rest < end && IsBlank(*rest)) ++rest;
  if (!real) {
    if (rest != end) return false;
    *value = number;
    return true;
  }
  const CATCkeUnitInfo* unit = FindUnit(kind, std::string(rest, end));
  if (unit == nullptr) return false;
  const double converted = number / unit->divisor * unit->multiplier;
  if (!CATCkeIsRepresentable(kind, converted)) return false;
  *value = converted;
  return true;
}

bool CATCkeIsRepresentable(CATCkeValueKind kind, double value) {
  if (kind == CATCkeIntegerKind) return value >= INT_MIN && value <= INT_MAX;
  const CATCkeUnitInfo& unit = OutputUnit(kind);
  return std::isfinite(value) && std::isfinite(value / unit.multiplier * unit.divisor);
}

std::string CATCkeFormatValueText(CATCkeValueKind kind, double value) {
  char buffer[64];
  if (kind == CATCkeIntegerKind) {
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<int>(value));
    return std::string(buffer, result.ptr);
  }
  const CATCkeUnitInfo& unit = OutputUnit(kind);
  const double number = value / unit.multiplier * unit.divisor;
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 15);
  return std::string(buffer, result.ptr) + unit.symbol;
}

const CATCkeUnitInfo* CATCkeUnitsBegin() {
  return std::begin(kUnits);
}

const CATCkeUnitInfo* CATCkeUnitsEnd() {
  return std::end(kUnits);
}
