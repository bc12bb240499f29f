#include "AXOCorInstrumentationData.h"

#include <utility>

AXOCorInstrumentationData::AXOCorInstrumentationData(CATUnicodeString identifier)
    : _HitCount(0),
      _StartClock(0),
      _EndClock(0),
      _TotalTime(0.0),
      _StartMemory(0.0),
      _EndMemory(0.0),
      _TotalMemory(0.0),
      _Identifier(std::move(identifier)) {}
