#ifndef CATInterfaceTable_h
#define CATInterfaceTable_h

// The identifiers of the stand-in's interfaces: each module writes those of
// its interfaces in one table, defines each IID_ object from its row, and
// lists the table, so that the identifiers of all modules can be checked
// to be distinct (two interfaces of one identifier would make
// QueryInterface hand out the one for the other). The identifiers never
// change: callers and stored records hold them.
//
//   constexpr CATInterfaceId kInterfaces[] = {
//       {"CATIExample", {0x5a0c1e01, 0x7b3d, 0x4e6a, {0x91, 0x02, ...}}}};
//   const CATInterfaceListing kListed("example", kInterfaces);
//   const IID IID_CATIExample = CATInterfaceIdOf(kInterfaces, "CATIExample");

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "CATBaseUnknown.h"

// One row of a module's table.
struct CATInterfaceId {
  const char* name;  // the interface's: "CATISpecObject"
  IID iid;
};

// The identifier of the row named `name`. Evaluated where an IID_ object is
// defined, it makes the object's value a constant; a name that the table
// lacks throws std::logic_error when the stand-in is loaded.
template <std::size_t N>
constexpr IID CATInterfaceIdOf(const CATInterfaceId (&table)[N], std::string_view name) {
  for (const CATInterfaceId& row : table) {
    if (name == row.name) return row.iid;
  }
  throw std::logic_error("no interface " + std::string(name) + " in its module's table");
}

// The identifier of member `member` of a family of interfaces whose
// members count up from the family's own identifier in Data1.
constexpr IID CATFamilyIID(const IID& family, std::uint32_t member) {
  return {family.Data1 + member,
          family.Data2,
          family.Data3,
          {family.Data4[0], family.Data4[1], family.Data4[2], family.Data4[3], family.Data4[4],
           family.Data4[5], family.Data4[6], family.Data4[7]}};
}

// A module's table, as listed.
struct CATInterfaceTable {
  const char* module;  // "model"
  const CATInterfaceId* begin;
  const CATInterfaceId* end;
};

// Adds `table` to the list; the tables that the stand-in's modules listed
// when it was loaded, in the order they were listed.
CATHOST_API void CATListInterfaceTable(const CATInterfaceTable& table);
CATHOST_API const std::vector<CATInterfaceTable>& CATInterfaceTables();

// Lists a module's table when the stand-in is loaded.
struct CATInterfaceListing {
  template <std::size_t N>
  CATInterfaceListing(const char* module, const CATInterfaceId (&table)[N]) {
    CATListInterfaceTable({module, table, table + N});
  }
};

#endif  // CATInterfaceTable_h
