// The identifiers of the add-on's own interfaces: the one place they are
// written (CATInterfaceTable.h).
#include "AXOIAttLogical.h"
#include "AXOICorPartDocument.h"
#include "AXOICorProductDocument.h"
#include "AXOICorProductSearch.h"
#include "AXOITrsDxfSettingAtt.h"
#include "AXOITrsIfcSettingAtt.h"
#include "CATInterfaceTable.h"

namespace {

constexpr CATInterfaceId kAddOnInterfaces[] = {
    {"AXOICorProductDocument",
     {0x6f1d2a40, 0x3c5e, 0x4b7a, {0x9e, 0x21, 0x5d, 0x0c, 0x7b, 0x43, 0xa8, 0x11}}},
    {"AXOICorPartDocument",
     {0x6f1d2a41, 0x3c5e, 0x4b7a, {0x9e, 0x21, 0x5d, 0x0c, 0x7b, 0x43, 0xa8, 0x12}}},
    {"AXOIAttLogical",
     {0x6f1d2a42, 0x3c5e, 0x4b7a, {0x9e, 0x21, 0x5d, 0x0c, 0x7b, 0x43, 0xa8, 0x13}}},
    {"AXOICorProductSearch",
     {0x6f1d2a43, 0x3c5e, 0x4b7a, {0x9e, 0x21, 0x5d, 0x0c, 0x7b, 0x43, 0xa8, 0x14}}},
    {"AXOITrsIfcSettingAtt",
     {0x3b7e4a10, 0x52c6, 0x4f1d, {0xa8, 0x3e, 0x61, 0x0d, 0x9c, 0x27, 0x44, 0xf3}}},
    {"AXOITrsDxfSettingAtt",
     {0x9a4c61e2, 0x7b0d, 0x4c3f, {0x86, 0x5a, 0x2e, 0xd1, 0x03, 0xb7, 0x9f, 0x48}}},
};
const CATInterfaceListing kListed("addon", kAddOnInterfaces);

}  // namespace

const IID IID_AXOICorProductDocument = CATInterfaceIdOf(kAddOnInterfaces, "AXOICorProductDocument");
const IID IID_AXOICorPartDocument = CATInterfaceIdOf(kAddOnInterfaces, "AXOICorPartDocument");
const IID IID_AXOIAttLogical = CATInterfaceIdOf(kAddOnInterfaces, "AXOIAttLogical");
const IID IID_AXOICorProductSearch = CATInterfaceIdOf(kAddOnInterfaces, "AXOICorProductSearch");
const IID IID_AXOITrsIfcSettingAtt = CATInterfaceIdOf(kAddOnInterfaces, "AXOITrsIfcSettingAtt");
const IID IID_AXOITrsDxfSettingAtt = CATInterfaceIdOf(kAddOnInterfaces, "AXOITrsDxfSettingAtt");
