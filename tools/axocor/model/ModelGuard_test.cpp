#include "ModelGuard.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <functional>
#include <stdexcept>
#include <string>

#include "AxocorCommands.h"
#include "CATError.h"
#include "axocor/CommandTestRun.h"

namespace {

// What the guarded command of a case runs.
std::function<void()> g_body;

void RegisterDemo(CLI::App& group) {
  group.description("runs the case's body");
  group.callback(GuardedCommand("demo", [] { g_body(); }));
}

TEST(ModelGuard, EndsTheCommandWithWhatTheLibraryOrTheHostRaised) {
  const struct {
    const char* what;
    std::function<void()> body;
    int status;
    const char* err;
  } cases[] = {
      {"returns", [] {}, 0, ""},
      {"the tool's own failure", [] { AxocorFail("no such feature"); }, 1,
       "axocor: error: no such feature\n"},
      {"a C++ exception", [] { throw std::runtime_error("boom"); }, 1,
       "axocor: error: demo raised: boom\n"},
      {"a host error", [] { CATThrow(new CATError(CATUnicodeString("bad sketch"))); }, 1,
       "axocor: error: demo raised: bad sketch\n"},
      {"anything else", [] { throw 7; }, 1,
       "axocor: error: demo raised: an exception of unknown type\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    g_body = c.body;
    const long live_before = CATBaseUnknown::LiveObjectCount();
    const CommandTestResult result = RunCommandForTest(RegisterDemo, {"demo"});
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_before) << "a host error is released";
  }
  g_body = nullptr;
}

}  // namespace
