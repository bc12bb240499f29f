// The identifiers of the SAX parser's interfaces: the one place they are
// written (CATInterfaceTable.h).
#include "CATISAXInputSource.h"
#include "CATIXMLSAXFactory.h"
#include "CATInterfaceTable.h"

namespace {

constexpr CATInterfaceId kSaxInterfaces[] = {
    {"CATISAXInputSource",
     {0x5a1c3e10, 0x4b2d, 0x4f61, {0x9a, 0x3b, 0x1c, 0x7e, 0x52, 0xd0, 0x8f, 0x01}}},
    {"CATIXMLSAXFactory",
     {0x5a1c3e11, 0x4b2d, 0x4f61, {0x9a, 0x3b, 0x1c, 0x7e, 0x52, 0xd0, 0x8f, 0x02}}},
};
const CATInterfaceListing kListed("sax", kSaxInterfaces);

}  // namespace

const IID IID_CATISAXInputSource = CATInterfaceIdOf(kSaxInterfaces, "CATISAXInputSource");
const IID IID_CATIXMLSAXFactory = CATInterfaceIdOf(kSaxInterfaces, "CATIXMLSAXFactory");
