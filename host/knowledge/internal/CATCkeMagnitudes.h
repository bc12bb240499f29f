#ifndef CATCkeMagnitudes_h
#define CATCkeMagnitudes_h

// The magnitudes of the knowledge framework as data, one set for the
// process (CATCkeDictionaryTesting.h describes the initial state). The
// dictionary's objects (CATCkeDictionary.cpp) are made from it on each
// lookup, so none stays alive between calls.

#include <map>
#include <optional>
#include <vector>

#include "CATCkeDictionaryTesting.h"
#include "CATICkeInst.h"
#include "CATICkeType.h"
#include "CATUnicodeString.h"

typedef CATCkeTestUnit CATCkeUnitEntry;

struct CATCkeMagnitudeEntry {
  CATUnicodeString name;
  bool has_unit_list = true;
  std::vector<CATCkeUnitEntry> units;
  int current = -1;  // index into `units`; -1: no current unit
  // Set: the current unit, an object apart from the list (`current` unused).
  std::optional<CATCkeUnitEntry> current_outside;
};

struct CATCkeKnowledge {
  static CATCkeKnowledge& Get();

  // The first magnitude named exactly `name`; null.
  const CATCkeMagnitudeEntry* FindMagnitude(const CATUnicodeString& name) const;
  CATCkeMagnitudeEntry* FindMagnitude(const CATUnicodeString& name);
  void Reset();

  bool dictionary_available = true;
  std::vector<CATCkeMagnitudeEntry> magnitudes;  // in the dictionary's order
  std::map<CATCkeValueKind, CATUnicodeString> parameter_types;
};

// The type of parameters of `kind` (CATICkeParm::GetType).
CATICkeType_var CATCkeTypeOf(CATCkeValueKind kind);

#endif  // CATCkeMagnitudes_h
