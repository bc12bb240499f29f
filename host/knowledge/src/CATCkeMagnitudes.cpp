// The process's magnitudes and units, and the test controls that change
// them.
#include "CATCkeMagnitudes.h"

#include "CATCkeDictionaryTesting.h"
#include "CATCkeValueText.h"

namespace {

// The magnitude of each kind of value text; its units are those texts carry.
const struct {
  CATCkeValueKind kind;
  const char* magnitude;
} kMagnitudeOfKind[] = {{CATCkeLengthKind, "LENGTH"}, {CATCkeAngleKind, "ANGLE"}};

}  // namespace

CATCkeKnowledge& CATCkeKnowledge::Get() {
  static CATCkeKnowledge* const knowledge = [] {
    CATCkeKnowledge* made = new CATCkeKnowledge();  // never freed: used until the process ends
    made->Reset();
    return made;
  }();
  return *knowledge;
}

const CATCkeMagnitudeEntry* CATCkeKnowledge::FindMagnitude(const CATUnicodeString& name) const {
  for (const CATCkeMagnitudeEntry& magnitude : magnitudes) {
    if (magnitude.name == name) return &magnitude;
  }
  return nullptr;
}

CATCkeMagnitudeEntry* CATCkeKnowledge::FindMagnitude(const CATUnicodeString& name) {
  return const_cast<CATCkeMagnitudeEntry*>(
      static_cast<const CATCkeKnowledge*>(this)->FindMagnitude(name));
}

void CATCkeKnowledge::Reset() {
  dictionary_available = true;
  magnitudes.clear();
  parameter_types.clear();
  parameter_types[CATCkeIntegerKind] = "Integer";
  for (const auto& row : kMagnitudeOfKind) {
    CATCkeMagnitudeEntry magnitude;
    magnitude.name = row.magnitude;
    for (const CATCkeUnitInfo* unit = CATCkeUnitsBegin(); unit != CATCkeUnitsEnd(); ++unit) {
      if (unit->kind != row.kind) continue;
      magnitude.units.push_back({CATCkeUnitEntry::kUnit, unit->symbol, unit->name});
    }
    magnitude.current = 0;  // the unit texts are written in
    magnitudes.push_back(magnitude);
    parameter_types[row.kind] = row.magnitude;
  }
}

// ---- Test controls ------------------------------------------------------------

void CATCkeDictionaryTesting::SetDictionaryAvailable(bool available) {
  CATCkeKnowledge::Get().dictionary_available = available;
}

bool CATCkeDictionaryTesting::SetCurrentUnit(const CATUnicodeString& magnitude,
                                             const CATUnicodeString& unitName) {
  CATCkeMagnitudeEntry* entry = CATCkeKnowledge::Get().FindMagnitude(magnitude);
  for (size_t i = 0; entry != nullptr && i < entry->units.size(); ++i) {
    if (entry->units[i].kind == CATCkeUnitEntry::kUnit && entry->units[i].name == unitName) {
      entry->current = static_cast<int>(i);
      entry->current_outside.reset();
      return true;
    }
  }
  return false;
}

namespace {

bool Append(const CATUnicodeString& magnitude, const CATCkeUnitEntry& element) {
  CATCkeMagnitudeEntry* entry = CATCkeKnowledge::Get().FindMagnitude(magnitude);
  if (entry == nullptr || !entry->has_unit_list) return false;
  entry->units.push_back(element);
  return true;
}

}  // namespace

bool CATCkeDictionaryTesting::AddUnit(const CATUnicodeString& magnitude,
                                      const CATUnicodeString& symbol,
                                      const CATUnicodeString& name) {
  return Append(magnitude, {CATCkeUnitEntry::kUnit, symbol, name});
}

bool CATCkeDictionaryTesting::AddNonUnit(const CATUnicodeString& magnitude, bool null) {
  return Append(magnitude, {null ? CATCkeUnitEntry::kNull : CATCkeUnitEntry::kOther, "", ""});
}

bool CATCkeDictionaryTesting::AddMagnitude(const CATUnicodeString& name, bool withUnitList) {
  CATCkeKnowledge& knowledge = CATCkeKnowledge::Get();
  if (knowledge.FindMagnitude(name) != nullptr) return false;
  CATCkeMagnitudeEntry magnitude;
  magnitude.name = name;
  magnitude.has_unit_list = withUnitList;
  knowledge.magnitudes.push_back(magnitude);
  return true;
}

void CATCkeDictionaryTesting::SetMagnitude(const CATUnicodeString& name,
                                           const std::vector<CATCkeTestUnit>& units, int current) {
  CATCkeMagnitudeEntry magnitude;
  magnitude.name = name;
  magnitude.units = units;
  magnitude.current = current >= 0 && current < static_cast<int>(units.size()) ? current : -1;
  CATCkeKnowledge& knowledge = CATCkeKnowledge::Get();
  CATCkeMagnitudeEntry* existing = knowledge.FindMagnitude(name);
  if (existing != nullptr) {
    *existing = magnitude;
  } else {
    knowledge.magnitudes.push_back(magnitude);
  }
}

void CATCkeDictionaryTesting::SetMagnitudeWithoutUnitList(const CATUnicodeString& name) {
  SetMagnitude(name, {}, -1);
  CATCkeKnowledge::Get().FindMagnitude(name)->has_unit_list = false;
}

bool CATCkeDictionaryTesting::RemoveMagnitude(const CATUnicodeString& name) {
  std::vector<CATCkeMagnitudeEntry>& magnitudes = CATCkeKnowledge::Get().magnitudes;
  for (auto it = magnitudes.begin(); it != magnitudes.end(); ++it) {
    if (it->name != name) continue;
    magnitudes.erase(it);
    return true;
  }
  return false;
}

bool CATCkeDictionaryTesting::SetCurrentUnitOutsideList(const CATUnicodeString& magnitude,
                                                        const CATCkeTestUnit& unit) {
  CATCkeMagnitudeEntry* entry = CATCkeKnowledge::Get().FindMagnitude(magnitude);
  if (entry == nullptr) return false;
  entry->current_outside = unit;
  return true;
}

void CATCkeDictionaryTesting::SetParameterType(CATCkeValueKind kind,
                                               const CATUnicodeString& typeName) {
  CATCkeKnowledge::Get().parameter_types[kind] = typeName;
}

void CATCkeDictionaryTesting::Reset() {
  CATCkeKnowledge::Get().Reset();
}
