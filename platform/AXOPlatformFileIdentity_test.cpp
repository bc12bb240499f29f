// Identities of files as a reading gives them, and the replacement of a
// file only while it is the one seen, against whichever backend is
// compiled in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"

namespace {

namespace fs = std::filesystem;

AXOFileIdentity IdentityOf(const fs::path& file) {
  AXOFileContents contents;
  const AXOStatus status = AXOPlatform::Get()->ReadFile(file.u8string(), {1024, false}, contents);
  EXPECT_TRUE(status.ok()) << status.ToString();
  return contents.identity;
}

bool Replace(const fs::path& file, const std::string& contents) {
  return AXOPlatform::Get()->ReplaceFile(file.u8string(), contents, AXOReplace::kAlways).ok();
}

TEST(PlatformFileIdentity, ChangesWithEveryReplacementAndWriteButNotWithAReading) {
  AXOTestTempFolder folder;
  const fs::path file = folder.WriteFile("file", "old");
  const AXOFileIdentity seen = IdentityOf(file);
  ASSERT_TRUE(seen.known) << "a file system with fine times and file numbers";
  EXPECT_EQ(seen.size, 3u);
  EXPECT_TRUE(AXOTestReadFile(file) == "old");
  EXPECT_TRUE(AXOFileUnchanged(seen, IdentityOf(file)));

  ASSERT_TRUE(Replace(file, "old"));
  const AXOFileIdentity replaced = IdentityOf(file);
  EXPECT_NE(replaced.file, seen.file) << "a new file, though of the same bytes";
  EXPECT_FALSE(AXOFileUnchanged(seen, replaced));

  std::ofstream(file, std::ios::binary | std::ios::app) << '+';
  const AXOFileIdentity appended = IdentityOf(file);
  EXPECT_EQ(appended.file, replaced.file);
  EXPECT_FALSE(AXOFileUnchanged(replaced, appended));

  AXOFileIdentity unknown;
  EXPECT_FALSE(AXOFileUnchanged(unknown, unknown)) << "an unknown identity proves nothing";
}

// A check of the content that counts its calls.
struct Check {
  int calls = 0;
  bool accept = false;
  AXOPlatform::FileCheck Function() {
    return [this](const std::string& content) {
      ++calls;
      return accept && !content.empty();
    };
  }
};

TEST(PlatformReplaceFileIfUnchanged, ReadsTheFileOnlyWhenItIsNoLongerTheOneSeen) {
  AXOTestTempFolder folder;
  using Change = void (*)(const fs::path& file);
  const struct {
    const char* what;
    bool seenKnown;
    Change change;
    bool accept;
    AXOStatusCode result;
    int calls;
    const char* after;
  } cases[] = {
      {"the one seen, not read", true, [](const fs::path&) {}, false, AXOStatusCode::kOk, 0, "new"},
      {"not known, read and accepted", false, [](const fs::path&) {}, true, AXOStatusCode::kOk, 1,
       "new"},
      {"not known, read and refused", false, [](const fs::path&) {}, false, AXOStatusCode::kChanged,
       1, "old"},
      {"replaced, accepted", true, [](const fs::path& f) { Replace(f, "old"); }, true,
       AXOStatusCode::kOk, 1, "new"},
      {"replaced, refused", true, [](const fs::path& f) { Replace(f, "odd"); }, false,
       AXOStatusCode::kChanged, 1, "odd"},
      {"written in place", true,
       [](const fs::path& f) { std::ofstream(f, std::ios::binary | std::ios::app) << '+'; }, false,
       AXOStatusCode::kChanged, 1, "old+"},
      {"gone", true, [](const fs::path& f) { fs::remove(f); }, true, AXOStatusCode::kNotFound, 0,
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path file = folder.WriteFile("file", "old");
    AXOFileIdentity seen;
    if (c.seenKnown) seen = IdentityOf(file);
    c.change(file);
    Check check;
    check.accept = c.accept;
    AXOFileIdentity written;
    written.size = 99;
    const AXOStatus status = AXOPlatform::Get()->ReplaceFileIfUnchanged(
        file.u8string(), seen, check.Function(), "new", written, {1024, 1000});
    EXPECT_EQ(status.code(), c.result) << status.ToString();
    EXPECT_EQ(check.calls, c.calls);
    EXPECT_TRUE(AXOTestReadFile(file) == c.after);
    if (c.result == AXOStatusCode::kOk) {
      EXPECT_TRUE(AXOFileUnchanged(written, IdentityOf(file))) << "the identity of the new file";
    } else {
      EXPECT_EQ(written.size, 99u) << "untouched";
    }
  }
}

TEST(PlatformReplaceFileIfUnchanged, TheIdentityOfOneReplacementSparesTheNextItsReading) {
  AXOTestTempFolder folder;
  const fs::path file = folder.WriteFile("file", "0");
  AXOFileIdentity seen = IdentityOf(file);
  Check check;
  for (const char* next : {"1", "22", "333"}) {
    SCOPED_TRACE(next);
    AXOFileIdentity written;
    const AXOStatus status = AXOPlatform::Get()->ReplaceFileIfUnchanged(
        file.u8string(), seen, check.Function(), next, written, {1024, 1000});
    EXPECT_TRUE(status.ok()) << status.ToString();
    seen = written;
    EXPECT_EQ(check.calls, 0);
    EXPECT_TRUE(AXOTestReadFile(file) == next);
  }
}

TEST(PlatformReplaceFileIfUnchanged, RefusesAFileOverTheLimitUnread) {
  AXOTestTempFolder folder;
  const fs::path file = folder.WriteFile("file", "12345");
  Check check;
  check.accept = true;
  AXOFileIdentity written;
  const AXOStatus status = AXOPlatform::Get()->ReplaceFileIfUnchanged(
      file.u8string(), AXOFileIdentity(), check.Function(), "new", written, {4, 1000});
  EXPECT_EQ(status.code(), AXOStatusCode::kTooLarge) << status.ToString();
  EXPECT_EQ(check.calls, 0);
  EXPECT_TRUE(AXOTestReadFile(file) == "12345");
}

}  // namespace
