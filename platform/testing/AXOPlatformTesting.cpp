#include "AXOPlatformTestingBackend.h"

AXOPlatformTesting& AXOPlatformTesting::Get() {
  static AXOPlatformTestingBackend* const testing = new AXOPlatformTestingBackend();
  return *testing;
}

AXOStatus AXOUnknownChild(std::int64_t process) {
  return AXOStatus(AXOStatusCode::kInvalidArgument, "process " + std::to_string(process),
                   "not a child waited for");
}
