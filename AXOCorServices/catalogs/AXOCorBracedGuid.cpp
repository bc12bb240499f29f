#include "catalogs/AXOCorBracedGuid.h"

#include <cstdio>

char* AXOFormatBracedGuid(const GUID* guid, char* buffer, int length) {
  if (guid == nullptr || buffer == nullptr || length < kAXOBracedGuidBufferLength) return nullptr;
  std::snprintf(buffer, kAXOBracedGuidBufferLength,
                "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(guid->Data1), static_cast<unsigned>(guid->Data2),
                static_cast<unsigned>(guid->Data3), guid->Data4[0], guid->Data4[1], guid->Data4[2],
                guid->Data4[3], guid->Data4[4], guid->Data4[5], guid->Data4[6], guid->Data4[7]);
  return buffer;
}
