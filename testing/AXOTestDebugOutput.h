#ifndef AXOTestDebugOutput_h
#define AXOTestDebugOutput_h

// Test support: while a recorder lives, the debugger output of the code
// under test is recorded, call by call, instead of sent on.

#include <string>
#include <vector>

#include "AXOPlatform.h"

class AXOTestDebugOutput : public AXOPlatformWrapper {
 public:
  AXOTestDebugOutput() : AXOPlatformWrapper(AXOPlatform::Get()) {
    AXOPlatform::SetForTesting(this);
  }
  ~AXOTestDebugOutput() override { AXOPlatform::SetForTesting(nullptr); }
  void DebugOutput(const std::string& text) override { calls.push_back(text); }
  // The texts of all calls, one after the other.
  std::string Text() const {
    std::string text;
    for (const std::string& call : calls) text += call;
    return text;
  }
  std::vector<std::string> calls;
};

#endif
