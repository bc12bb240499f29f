// The identifiers of the settings module's interfaces: the one place they
// are written (CATInterfaceTable.h).
#include "CATIIniSettingManagment.h"
#include "CATInterfaceTable.h"

namespace {

constexpr CATInterfaceId kSettingsInterfaces[] = {
    {"CATIIniSettingManagment",
     {0x6d0f2b84, 0x1c3a, 0x4e57, {0x9b, 0x21, 0x4a, 0xe8, 0x70, 0x5c, 0x13, 0xd6}}},
};
const CATInterfaceListing kListed("settings", kSettingsInterfaces);

}  // namespace

const IID IID_CATIIniSettingManagment =
    CATInterfaceIdOf(kSettingsInterfaces, "CATIIniSettingManagment");
