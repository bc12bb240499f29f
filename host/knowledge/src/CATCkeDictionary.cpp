// The parameter dictionary, its magnitudes and units, and the types of
// parameters: objects made from the process's magnitudes on each lookup.
#include <memory>

#include "CATAdapter.h"
#include "CATAdopt.h"
#include "CATCkeGlobalFunctions.h"
#include "CATCkeMagnitudes.h"
#include "CATComponent.h"
#include "CATICkeMagnitude.h"
#include "CATICkeType.h"
#include "CATICkeUnit.h"
#include "CATIParmDictionary.h"

namespace {

// ---- Units --------------------------------------------------------------------

class CATCkeUnitObject;

class UnitAdapter : public CATAdapterOf<CATICkeUnit, CATCkeUnitObject> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATUnicodeString Symbol() override;
  CATUnicodeString Name() override;
};

const CATInterfaceEntry kUnitInterfaces[] = {{&IID_CATICkeUnit, &CATNewAdapter<UnitAdapter>}};

class CATCkeUnitObject : public CATComponent {
 public:
  CATCkeUnitObject(const CATUnicodeString& symbol, const CATUnicodeString& name)
      : CATComponent(kUnitInterfaces), symbol(symbol), name(name) {}
  const char* IsA() const override { return "CATCkeUnit"; }
  const CATUnicodeString symbol;
  const CATUnicodeString name;
};

CATUnicodeString UnitAdapter::Symbol() {
  return Object()->symbol;
}
CATUnicodeString UnitAdapter::Name() {
  return Object()->name;
}

// ---- Types and magnitudes -------------------------------------------------------

class CATCkeTypeObject;

class TypeAdapter : public CATAdapterOf<CATICkeType, CATCkeTypeObject> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATUnicodeString Name() override;
};

class MagnitudeAdapter : public CATAdapterOf<CATICkeMagnitude, CATCkeTypeObject> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATUnicodeString Name() override;
  const CATListValCATBaseUnknown_var* ListUnits() override;
  CATICkeUnit_var CurrentUnit() override;
};

const CATInterfaceEntry kTypeInterfaces[] = {{&IID_CATICkeType, &CATNewAdapter<TypeAdapter>}};
const CATInterfaceEntry kMagnitudeInterfaces[] = {
    {&IID_CATICkeType, &CATNewAdapter<TypeAdapter>},
    {&IID_CATICkeMagnitude, &CATNewAdapter<MagnitudeAdapter>}};

// A type that is no magnitude, or a magnitude with the units of `entry`.
class CATCkeTypeObject : public CATComponent {
 public:
  explicit CATCkeTypeObject(const CATUnicodeString& name)
      : CATComponent(kTypeInterfaces), name(name) {}
  explicit CATCkeTypeObject(const CATCkeMagnitudeEntry& entry)
      : CATComponent(kMagnitudeInterfaces),
        name(entry.name),
        current(entry.current),
        current_is_outside(entry.current_outside.has_value()) {
    if (entry.current_outside) current_outside = MakeElement(*entry.current_outside);
    if (!entry.has_unit_list) return;
    units.reset(new CATListValCATBaseUnknown_var());
    for (const CATCkeUnitEntry& unit : entry.units) units->Append(MakeElement(unit));
  }
  const char* IsA() const override { return "CATCkeType"; }

  const CATUnicodeString name;
  std::unique_ptr<CATListValCATBaseUnknown_var> units;  // null: no unit list
  const int current = -1;
  const bool current_is_outside = false;
  CATBaseUnknown_var current_outside;  // the current unit when it is not in `units`

 private:
  static CATBaseUnknown_var MakeElement(const CATCkeUnitEntry& unit);
};

CATBaseUnknown_var CATCkeTypeObject::MakeElement(const CATCkeUnitEntry& unit) {
  CATBaseUnknown* element = nullptr;
  if (unit.kind == CATCkeUnitEntry::kUnit) element = new CATCkeUnitObject(unit.symbol, unit.name);
  if (unit.kind == CATCkeUnitEntry::kOther) element = new CATCkeTypeObject(unit.name);
  return CATAdoptHandle<CATBaseUnknown>(element);
}

CATUnicodeString TypeAdapter::Name() {
  return Object()->name;
}
CATUnicodeString MagnitudeAdapter::Name() {
  return Object()->name;
}
const CATListValCATBaseUnknown_var* MagnitudeAdapter::ListUnits() {
  return Object()->units.get();
}
CATICkeUnit_var MagnitudeAdapter::CurrentUnit() {
  if (Object()->current_is_outside) return Object()->current_outside;
  const CATListValCATBaseUnknown_var* units = Object()->units.get();
  const int position = Object()->current + 1;
  if (units == nullptr || position < 1 || position > units->Size()) return CATICkeUnit_var();
  return (*units)[position];
}

CATICkeMagnitude_var MakeMagnitude(const CATCkeMagnitudeEntry* entry) {
  if (entry == nullptr) return CATICkeMagnitude_var();
  return CATAdoptHandle<CATICkeMagnitude>(new CATCkeTypeObject(*entry));
}

// ---- The dictionary -------------------------------------------------------------

class DictionaryAdapter : public CATAdapter<CATIParmDictionary> {
 public:
  using CATAdapter::CATAdapter;
  CATICkeMagnitude_var FindMagnitude(const CATUnicodeString& name) override {
    return MakeMagnitude(CATCkeKnowledge::Get().FindMagnitude(name));
  }
  CATICkeUnit_var FindUnit(const CATUnicodeString& symbol) override {
    for (const CATCkeMagnitudeEntry& magnitude : CATCkeKnowledge::Get().magnitudes) {
      for (const CATCkeUnitEntry& unit : magnitude.units) {
        if (unit.kind == CATCkeUnitEntry::kUnit && unit.symbol == symbol) {
          return CATAdoptHandle<CATICkeUnit>(new CATCkeUnitObject(unit.symbol, unit.name));
        }
      }
    }
    return CATICkeUnit_var();
  }
  CATListValCATUnicodeString ListMagnitudeNames() override {
    CATListValCATUnicodeString names;
    for (const CATCkeMagnitudeEntry& magnitude : CATCkeKnowledge::Get().magnitudes) {
      names.Append(magnitude.name);
    }
    return names;
  }
};

const CATInterfaceEntry kDictionaryInterfaces[] = {
    {&IID_CATIParmDictionary, &CATNewAdapter<DictionaryAdapter>}};

// The dictionary keeps no state of its own: its component only carries the
// interface.
class CATCkeDictionaryObject : public CATComponent {
 public:
  CATCkeDictionaryObject() : CATComponent(kDictionaryInterfaces) {}
  const char* IsA() const override { return "CATParmDictionary"; }
};

}  // namespace

CATIParmDictionary_var CATCkeGlobalFunctions::GetParmDictionary() {
  if (!CATCkeKnowledge::Get().dictionary_available) return CATIParmDictionary_var();
  return CATAdoptHandle<CATIParmDictionary>(new CATCkeDictionaryObject());
}

CATICkeType_var CATCkeTypeOf(CATCkeValueKind kind) {
  const CATCkeKnowledge& knowledge = CATCkeKnowledge::Get();
  const auto type = knowledge.parameter_types.find(kind);
  const CATUnicodeString name = type != knowledge.parameter_types.end() ? type->second : "";
  const CATCkeMagnitudeEntry* magnitude = knowledge.FindMagnitude(name);
  if (magnitude != nullptr) return MakeMagnitude(magnitude);
  return CATAdoptHandle<CATICkeType>(new CATCkeTypeObject(name));
}
