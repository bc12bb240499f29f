#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"

namespace {

// A platform whose process was started with a chosen command line.
class CommandLinePlatform : public AXOPlatformWrapper {
 public:
  explicit CommandLinePlatform(std::string commandLine)
      : AXOPlatformWrapper(AXOPlatform::Get()), command_line_(std::move(commandLine)) {}
  std::string CommandLine() override { return command_line_; }

 private:
  std::string command_line_;
};

TEST(IsAdminMode, LooksForDashAdminAnywhereInAnyLetterCase) {
  const struct {
    const char* commandLine;
    bool admin;
  } cases[] = {
      {"app.exe -admin", true},
      {"app.exe -ADMIN", true},
      {"\"C:\\Program Files\\App\\app.exe\" -env Site -Admin -direnv c:\\env", true},
      {"app.exe -administrator", true},  // no word boundary needed
      {"app.exe --admin", true},
      {"app.exe /admin", false},
      {"app.exe admin", false},
      {"app.exe -adm in", false},
      {"c:\\tools\\app-admin\\app.exe", true},  // even inside a path
      {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.commandLine);
    CommandLinePlatform platform(c.commandLine);
    AXOPlatform::SetForTesting(&platform);
    EXPECT_EQ(c.admin, AXOCorGlobalServices::IsAdminMode());
    AXOPlatform::SetForTesting(nullptr);
  }
}

}  // namespace
