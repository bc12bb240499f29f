#include "AXOPlatform.h"

// Defined by the backend compiled in: the platform's own implementation.
AXOPlatform* AXOMakeDefaultPlatform();

namespace {
AXOPlatform* g_testing = nullptr;
}  // namespace

AXOPlatform::~AXOPlatform() = default;

AXOPlatform* AXOPlatform::Get() {
  if (g_testing != nullptr) return g_testing;
  static AXOPlatform* const default_platform = AXOMakeDefaultPlatform();
  return default_platform;
}

void AXOPlatform::SetForTesting(AXOPlatform* platform) {
  g_testing = platform;
}
