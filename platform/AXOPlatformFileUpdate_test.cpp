// The exclusive update of small shared files, against whichever backend is
// compiled in. Processes taking turns are tested with the counters that use
// it (AXOCorServices/model).
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "AXOPlatform.h"
#include "AXOTestSpecialFiles.h"
#include "AXOTestTempFolder.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// An update that appends "+" and counts its calls.
struct Appender {
  int calls = 0;
  bool accept = true;
  AXOPlatform::FileUpdate Update() {
    return [this](const std::string& content, std::string& next) {
      ++calls;
      next = content + "+";
      return accept;
    };
  }
};

TEST(PlatformUpdateFileExclusively, ReplacesAcceptedContentAndLeavesTheRestByteForByte) {
  AXOTestTempFolder folder;
  const std::size_t limit = AXOPlatform::kMaxUpdatedFileBytes;
  const struct {
    const char* what;
    std::string content;
    bool accept;
    AXOFileUpdate result;
    int calls;
    std::string after;
  } cases[] = {
      {"accepted", "41", true, AXOFileUpdate::kReplaced, 1, "41+"},
      {"accepted at the limit", std::string(limit, '7'), true, AXOFileUpdate::kReplaced, 1,
       std::string(limit, '7') + "+"},
      {"declined", "41", false, AXOFileUpdate::kNotWritten, 1, "41"},
      {"declined at the limit", std::string(limit, '7'), false, AXOFileUpdate::kNotWritten, 1,
       std::string(limit, '7')},
      {"over the limit", std::string(limit + 1, '7'), true, AXOFileUpdate::kNotWritten, 0,
       std::string(limit + 1, '7')},
      {"far over the limit", std::string(3 * limit, '\n'), true, AXOFileUpdate::kNotWritten, 0,
       std::string(3 * limit, '\n')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path file = folder.WriteFile("counter", c.content);
    Appender appender;
    appender.accept = c.accept;
    EXPECT_EQ(AXOPlatform::Get()->UpdateFileExclusively(file.u8string(), appender.Update()),
              c.result);
    EXPECT_EQ(appender.calls, c.calls);
    EXPECT_TRUE(Read(file) == c.after);
  }
}

TEST(PlatformUpdateFileExclusively, DoesNotReadWhatIsNotARegularFile) {
  AXOTestTempFolder folder;
  folder.MakeFolder("folder");
  Appender appender;
  for (const char* name : {"missing", "folder"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(AXOPlatform::Get()->UpdateFileExclusively(folder.Native(name).u8string(),
                                                        appender.Update()),
              AXOFileUpdate::kNotRead);
  }
  EXPECT_FALSE(fs::exists(folder.Native("missing.axo-lock")));

  const fs::path fifo = folder.Native("pipe");
  if (!AXOTestMakeFifo(fifo)) return;  // no FIFOs on this system
  AXOFileUpdate result = AXOFileUpdate::kReplaced;
  EXPECT_TRUE(AXOTestReturnsWithin(
      std::chrono::seconds(5),
      [&] {
        result = AXOPlatform::Get()->UpdateFileExclusively(fifo.u8string(), appender.Update());
      },
      [&] { AXOTestReleaseFifoReader(fifo); }));
  EXPECT_EQ(result, AXOFileUpdate::kNotRead);
  EXPECT_EQ(appender.calls, 0);
}

}  // namespace
