// The doctor's account of what a counter file holds, as its report's text
// shows it.
#include <gtest/gtest.h>

#include <string>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "DoctorChecks.h"

namespace axocor::doctor {
namespace {

using namespace std::string_literals;

TEST(DoctorCounters, TheTextOfACounterIsShownAsWrittenAndEscaped) {
  const struct {
    std::string content;
    std::string line;  // a part of the counter's line in the report
  } cases[] = {
      {"41\n", "WallID: holds 41: the next number is 42"},
      {"99999999999999999999",
       "WallID: holds '99999999999999999999', a number too large: a counter hands out 0 to "
       "2147483646"},
      {" 2147483647\n", "holds '2147483647', a number too large"},
      {"-7", "holds '-7', a negative number"},
      {"ab\0\xFF\x1B[2J"s, "holds no number ('ab\\x00\\xFF\\x1B[2J')"},
      {"12 \x07x\n", "holds 12 followed by '\\x07x\\n', which the next advance drops"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    AXOTestTempFolder folder;
    folder.WriteFile("startup/IDSequenceNumbers/WallID", c.content);
    AXOPlatform::Get()->SetEnv("CATStartupPath", folder.Host("startup").c_str());
    Report report;
    CheckCounters(Environment(), report);
    AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr);
    const std::string text = FormatReportText(report);
    EXPECT_NE(text.find(c.line), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace axocor::doctor
