// The list of the modules' tables of interface identifiers, and the core's
// own table.
#include "CATInterfaceTable.h"

namespace {

std::vector<CATInterfaceTable>& Tables() {
  static std::vector<CATInterfaceTable> tables;
  return tables;
}

constexpr CATInterfaceId kCoreInterfaces[] = {
    {"CATBaseUnknown",
     {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}}},
};
const CATInterfaceListing kListed("core", kCoreInterfaces);

}  // namespace

const IID IID_CATBaseUnknown = CATInterfaceIdOf(kCoreInterfaces, "CATBaseUnknown");

void CATListInterfaceTable(const CATInterfaceTable& table) {
  Tables().push_back(table);
}

const std::vector<CATInterfaceTable>& CATInterfaceTables() {
  return Tables();
}
