#ifndef CATSettingValue_h
#define CATSettingValue_h

// The stand-in's in-memory form of a settings repository's contents.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "CATSettingInfo.h"

// The values of one key: 32-bit numbers or one text (UTF-8 bytes for
// Unicode text, the bytes as given for char text).
struct CATSettingValue {
  CATSettingInfo::Type type = CATSettingInfo::TypeNone;
  std::vector<std::int32_t> numbers;
  std::string text;

  bool IsNumber() const {
    return type == CATSettingInfo::TypeInteger || type == CATSettingInfo::TypeLong;
  }
  bool IsText() const {
    return type == CATSettingInfo::TypeString || type == CATSettingInfo::TypeUnicode;
  }
  bool operator==(const CATSettingValue& o) const {
    return type == o.type && numbers == o.numbers && text == o.text;
  }
  bool operator!=(const CATSettingValue& o) const { return !(*this == o); }
};

// Key to values. Keys are exact (letter case counts).
typedef std::map<std::string, CATSettingValue> CATSettingMap;

#endif  // CATSettingValue_h
