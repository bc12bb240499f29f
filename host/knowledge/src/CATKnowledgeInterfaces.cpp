// The identifiers of the knowledge module's interfaces (parameters, their
// values, types, magnitudes and units): the one place they are written
// (CATInterfaceTable.h).
#include "CATICkeInst.h"
#include "CATICkeMagnitude.h"
#include "CATICkeParm.h"
#include "CATICkeParmFactory.h"
#include "CATICkeType.h"
#include "CATICkeUnit.h"
#include "CATIParmDictionary.h"
#include "CATIParmManipulator.h"
#include "CATInterfaceTable.h"

namespace {

constexpr CATInterfaceId kKnowledgeInterfaces[] = {
    {"CATICkeInst", {0x5a0c1e01, 0x7b3d, 0x4e6a, {0x91, 0x02, 0x3c, 0x4d, 0x5e, 0x6f, 0x70, 0x81}}},
    {"CATIParmManipulator",
     {0x5a0c1e02, 0x7b3d, 0x4e6a, {0x91, 0x02, 0x3c, 0x4d, 0x5e, 0x6f, 0x70, 0x82}}},
    {"CATICkeParm", {0x5a0c1e03, 0x7b3d, 0x4e6a, {0x91, 0x02, 0x3c, 0x4d, 0x5e, 0x6f, 0x70, 0x83}}},
    {"CATICkeParmFactory",
     {0x5a0c1e04, 0x7b3d, 0x4e6a, {0x91, 0x02, 0x3c, 0x4d, 0x5e, 0x6f, 0x70, 0x84}}},
    {"CATICkeUnit", {0x5a0c1e05, 0x7b3d, 0x4e6a, {0x91, 0x02, 0x3c, 0x4d, 0x5e, 0x6f, 0x70, 0x85}}},
    {"CATICkeType", {0x5a0c1e06, 0x7b3d, 0x4e6a, {0x91, 0x02, 0x3c, 0x4d, 0x5e, 0x6f, 0x70, 0x86}}},
    {"CATICkeMagnitude",
     {0x5a0c1e07, 0x7b3d, 0x4e6a, {0x91, 0x02, 0x3c, 0x4d, 0x5e, 0x6f, 0x70, 0x87}}},
    {"CATIParmDictionary",
     {0x5a0c1e08, 0x7b3d, 0x4e6a, {0x91, 0x02, 0x3c, 0x4d, 0x5e, 0x6f, 0x70, 0x88}}},
};
const CATInterfaceListing kListed("knowledge", kKnowledgeInterfaces);

}  // namespace

const IID IID_CATICkeInst = CATInterfaceIdOf(kKnowledgeInterfaces, "CATICkeInst");
const IID IID_CATIParmManipulator = CATInterfaceIdOf(kKnowledgeInterfaces, "CATIParmManipulator");
const IID IID_CATICkeParm = CATInterfaceIdOf(kKnowledgeInterfaces, "CATICkeParm");
const IID IID_CATICkeParmFactory = CATInterfaceIdOf(kKnowledgeInterfaces, "CATICkeParmFactory");
const IID IID_CATICkeUnit = CATInterfaceIdOf(kKnowledgeInterfaces, "CATICkeUnit");
const IID IID_CATICkeType = CATInterfaceIdOf(kKnowledgeInterfaces, "CATICkeType");
const IID IID_CATICkeMagnitude = CATInterfaceIdOf(kKnowledgeInterfaces, "CATICkeMagnitude");
const IID IID_CATIParmDictionary = CATInterfaceIdOf(kKnowledgeInterfaces, "CATIParmDictionary");
