// Identities of files, and the replacement of a file only while it is the
// one seen, against whichever backend is compiled in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"

namespace {

namespace fs = std::filesystem;

AXOFileIdentity IdentityOf(const fs::path& file) {
  AXOFileIdentity identity;
  EXPECT_TRUE(AXOPlatform::Get()->GetFileIdentity(file.u8string(), identity)) << file;
  return identity;
}

TEST(PlatformFileIdentity, ChangesWithEveryReplacementAndWriteButNotWithAReading) {
  AXOTestTempFolder folder;
  const fs::path file = folder.WriteFile("file", "old");
  const AXOFileIdentity seen = IdentityOf(file);
  ASSERT_TRUE(seen.known) << "a file system with fine times and file numbers";
  EXPECT_EQ(seen.size, 3u);
  EXPECT_TRUE(AXOTestReadFile(file) == "old");
  EXPECT_TRUE(AXOFileUnchanged(seen, IdentityOf(file)));

  ASSERT_TRUE(AXOPlatform::Get()->ReplaceFileAtomically(file.u8string(), "old"));
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

TEST(PlatformFileIdentity, IsNoneForWhatIsNoRegularFile) {
  AXOTestTempFolder folder;
  folder.MakeFolder("folder");
  for (const char* name : {"missing", "folder"}) {
    SCOPED_TRACE(name);
    AXOFileIdentity identity;
    identity.size = 7;
    EXPECT_FALSE(AXOPlatform::Get()->GetFileIdentity(folder.Native(name).u8string(), identity));
    EXPECT_EQ(identity.size, 7u) << "untouched";
  }
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
    AXOFileUpdate result;
    int calls;
    const char* after;
  } cases[] = {
      {"the one seen, not read", true, [](const fs::path&) {}, false, AXOFileUpdate::kReplaced, 0,
       "new"},
      {"not known, read and accepted", false, [](const fs::path&) {}, true,
       AXOFileUpdate::kReplaced, 1, "new"},
      {"not known, read and refused", false, [](const fs::path&) {}, false,
       AXOFileUpdate::kNotWritten, 1, "old"},
      {"replaced, accepted", true,
       [](const fs::path& f) { AXOPlatform::Get()->ReplaceFileAtomically(f.u8string(), "old"); },
       true, AXOFileUpdate::kReplaced, 1, "new"},
      {"replaced, refused", true,
       [](const fs::path& f) { AXOPlatform::Get()->ReplaceFileAtomically(f.u8string(), "odd"); },
       false, AXOFileUpdate::kNotWritten, 1, "odd"},
      {"written in place", true,
       [](const fs::path& f) { std::ofstream(f, std::ios::binary | std::ios::app) << '+'; }, false,
       AXOFileUpdate::kNotWritten, 1, "old+"},
      {"gone", true, [](const fs::path& f) { fs::remove(f); }, true, AXOFileUpdate::kNotRead, 0,
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
    EXPECT_EQ(AXOPlatform::Get()->ReplaceFileIfUnchanged(file.u8string(), seen, check.Function(),
                                                         "new", written, 1024),
              c.result);
    EXPECT_EQ(check.calls, c.calls);
    EXPECT_TRUE(AXOTestReadFile(file) == c.after);
    if (c.result == AXOFileUpdate::kReplaced) {
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
    EXPECT_EQ(AXOPlatform::Get()->ReplaceFileIfUnchanged(file.u8string(), seen, check.Function(),
                                                         next, written, 1024),
              AXOFileUpdate::kReplaced);
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
  EXPECT_EQ(AXOPlatform::Get()->ReplaceFileIfUnchanged(file.u8string(), AXOFileIdentity(),
                                                       check.Function(), "new", written, 4),
            AXOFileUpdate::kNotWritten);
  EXPECT_EQ(check.calls, 0);
  EXPECT_TRUE(AXOTestReadFile(file) == "12345");
}

}  // namespace
