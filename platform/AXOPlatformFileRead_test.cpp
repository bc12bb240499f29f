// Reading files, against whichever backend is compiled in: what each kind
// of target gives, at once, and the bounds of a reading.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "AXOPlatform.h"
#include "AXOTestSpecialFiles.h"
#include "AXOTestTempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLimit = 64 * 1024;

// One expected outcome of ReadFile: the code, and for a failure the
// subject (the path as given, up to a NUL) and the reason.
struct Outcome {
  AXOStatusCode code;
  std::string reason;  // for a failure; empty: the code's own words
};

// Reads `path`, giving the call 5 s to return; a FIFO that holds it is
// released by a writer that comes and goes. Checks `expected` and, on
// success, that the bytes are `content`.
void ExpectRead(const std::string& path, const Outcome& expected, const std::string& content,
                const AXOReadLimits& limits = {kLimit, false}) {
  AXOStatus status;
  AXOFileContents contents;
  EXPECT_TRUE(AXOTestReturnsWithin(
      std::chrono::seconds(5),
      [&] { status = AXOPlatform::Get()->ReadFile(path, limits, contents); },
      [&] {
        std::error_code ignored;
        if (fs::is_fifo(fs::u8path(path), ignored)) AXOTestReleaseFifoReader(fs::u8path(path));
      }))
      << "waited";
  EXPECT_EQ(status.code(), expected.code) << status.ToString();
  if (status.ok()) {
    EXPECT_TRUE(contents.bytes == content) << contents.bytes.size() << " bytes";
    return;
  }
  EXPECT_EQ(status.subject(), path.substr(0, path.find('\0'))) << "names the path as given";
  EXPECT_EQ(status.reason(),
            expected.reason.empty() ? AXOStatus::ReasonOf(expected.code) : expected.reason);
}

TEST(PlatformReadFile, ReadsARegularFileWholeAndRefusesEveryOtherTargetAtOnce) {
  AXOTestTempFolder folder;
  std::string large(300 * 1024, '\0');
  for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7 % 251);
  const std::string small("a\r\nb\0c", 6);
  folder.WriteFile("small.txt", small);
  folder.WriteFile("large.bin", large);
  folder.WriteFile("empty.txt");
  folder.MakeFolder("folder");
  const std::string native = folder.Native().u8string();
  const struct {
    const char* what;
    std::string path;
    Outcome outcome;
    std::string content;
  } cases[] = {
      {"regular", folder.Native("small.txt").u8string(), {AXOStatusCode::kOk, ""}, small},
      {"regular, larger than one chunk",
       folder.Native("large.bin").u8string(),
       {AXOStatusCode::kOk, ""},
       large},
      {"empty", folder.Native("empty.txt").u8string(), {AXOStatusCode::kOk, ""}, ""},
      {"folder", native, {AXOStatusCode::kNotRegularFile, "is a folder, not a file"}, ""},
      {"device",
       AXOTestNullDevice(),
       {AXOStatusCode::kNotRegularFile, "is a device, not a file"},
       ""},
      {"missing", folder.Native("missing.txt").u8string(), {AXOStatusCode::kNotFound, ""}, ""},
      {"missing folder on the way",
       folder.Native("missing/inner.txt").u8string(),
       {AXOStatusCode::kNotFound, ""},
       ""},
      {"file on the way",
       folder.Native("small.txt/inner.txt").u8string(),
       {AXOStatusCode::kNotFound, ""},
       ""},
      {"name too long",
       folder.Native(std::string(300, 'n')).u8string(),
       {AXOStatusCode::kNameTooLong, ""},
       ""},
      // Cut at the NUL, the name would be that of "small.txt".
      {"name with a NUL",
       folder.Native("small.txt").u8string() + std::string("\0x", 2),
       {AXOStatusCode::kInvalidArgument, "the name holds a NUL character"},
       ""},
      {"empty name", "", {AXOStatusCode::kInvalidArgument, "an empty name"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectRead(c.path, c.outcome, c.content, {std::size_t{1} << 20, false});
  }
}

TEST(PlatformReadFile, RefusesAFifoWithOrWithoutAWriterWithoutWaiting) {
  AXOTestTempFolder folder;
  const fs::path idle = folder.Native("idle");
  const fs::path fed = folder.Native("fed");
  if (!AXOTestMakeFifo(idle) || !AXOTestMakeFifo(fed)) GTEST_SKIP() << "no FIFOs here";
  // Open for reading and writing, which never waits, this holds the FIFO
  // open as a writer with bytes waiting in it.
  std::fstream writer(fed, std::ios::in | std::ios::out | std::ios::binary);
  ASSERT_TRUE(writer << "waiting" << std::flush);
  const Outcome fifo{AXOStatusCode::kNotRegularFile, "is a FIFO, not a file"};
  for (const fs::path& path : {idle, fed}) {
    SCOPED_TRACE(path.filename().u8string());
    ExpectRead(path.u8string(), fifo, "");
  }
}

TEST(PlatformReadFile, FollowsALinkToAFileAndRefusesOneThatLeadsNowhere) {
  AXOTestTempFolder folder;
  folder.WriteFile("file", "through the link");
  std::error_code error;
  fs::create_symlink(folder.Native("file"), folder.Native("link"), error);
  if (!error) fs::create_symlink(folder.Native("missing"), folder.Native("dangling"), error);
  if (error) GTEST_SKIP() << "no symbolic links here: " << error.message();
  const struct {
    const char* name;
    Outcome outcome;
    const char* content;
  } cases[] = {
      {"link", {AXOStatusCode::kOk, ""}, "through the link"},
      {"dangling", {AXOStatusCode::kNotFound, ""}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectRead(folder.Native(c.name).u8string(), c.outcome, c.content);
  }
}

TEST(PlatformReadFile, RefusesAFileTheUserMayNotRead) {
  AXOTestTempFolder folder;
  const fs::path file = folder.WriteFile("secret", "hidden");
  ASSERT_TRUE(AXOPlatform::Get()->ChangeFileMode(file.u8string(), 0).ok());
  const bool readable = std::ifstream(file).is_open();
  if (!readable) ExpectRead(file.u8string(), {AXOStatusCode::kPermissionDenied, ""}, "");
  AXOPlatform::Get()->ChangeFileMode(file.u8string(), 0600);
  if (readable) GTEST_SKIP() << "this user reads files without read permission (root, Windows)";
}

TEST(PlatformReadFile, KeepsWithinTheSizeBoundAndStopsAtTheFirstNulWhenAsked) {
  AXOTestTempFolder folder;
  const std::string text_and_rest("text\0rest", 9);
  const struct {
    const char* what;
    std::string content;
    AXOReadLimits limits;
    Outcome outcome;
    std::string read;
  } cases[] = {
      {"at the bound",
       std::string(kLimit, 'x'),
       {kLimit, false},
       {AXOStatusCode::kOk, ""},
       std::string(kLimit, 'x')},
      {"one byte over",
       std::string(kLimit + 1, 'x'),
       {kLimit, false},
       {AXOStatusCode::kTooLarge, "larger than 64 KiB"},
       ""},
      {"far over",
       std::string(5 * kLimit, 'x'),
       {kLimit, false},
       {AXOStatusCode::kTooLarge, "larger than 64 KiB"},
       ""},
      {"bound of 999 bytes",
       std::string(1000, 'x'),
       {999, false},
       {AXOStatusCode::kTooLarge, "larger than 999 bytes"},
       ""},
      {"empty within no room", "", {0, false}, {AXOStatusCode::kOk, ""}, ""},
      {"NUL read as any byte",
       text_and_rest,
       {kLimit, false},
       {AXOStatusCode::kOk, ""},
       text_and_rest},
      {"stop at the NUL",
       text_and_rest,
       {kLimit, true},
       {AXOStatusCode::kOk, ""},
       std::string("text\0", 5)},
      {"NUL first",
       std::string("\0text", 5),
       {kLimit, true},
       {AXOStatusCode::kOk, ""},
       std::string(1, '\0')},
      {"no NUL to stop at", "text", {kLimit, true}, {AXOStatusCode::kOk, ""}, "text"},
      // The bound is the file's size, not that of what would be read.
      {"stop at a NUL in a file over the bound",
       std::string("te\0", 3) + std::string(kLimit, 'x'),
       {kLimit, true},
       {AXOStatusCode::kTooLarge, "larger than 64 KiB"},
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path file = folder.WriteFile("file", c.content);
    ExpectRead(file.u8string(), c.outcome, c.read, c.limits);
  }
}

TEST(PlatformReadFile, ReadsNoMoreThanAChunkOfALongRunOfZerosAfterAText) {
  // 64 MiB, most of them a hole: only the text and the NUL after it are
  // given, and the file is not read whole to find that out.
  AXOTestTempFolder folder;
  const fs::path file = folder.WriteFile("sparse", "short text");
  fs::resize_file(file, 64 << 20);
  AXOFileContents contents;
  const auto start = std::chrono::steady_clock::now();
  const AXOStatus status =
      AXOPlatform::Get()->ReadFile(file.u8string(), {std::size_t{128} << 20, true}, contents);
  ASSERT_TRUE(status.ok()) << status.ToString();
  EXPECT_EQ(contents.bytes.size(), 11u);
  EXPECT_TRUE(contents.bytes == std::string("short text\0", 11));
  EXPECT_FALSE(contents.identity.known) << "not read whole";
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(PlatformReadFile, GivesTheIdentityOfAFileReadWhole) {
  AXOTestTempFolder folder;
  const fs::path file = folder.WriteFile("file", "content");
  AXOFileContents first;
  AXOFileContents second;
  ASSERT_TRUE(AXOPlatform::Get()->ReadFile(file.u8string(), {kLimit, false}, first).ok());
  ASSERT_TRUE(AXOPlatform::Get()->ReadFile(file.u8string(), {kLimit, false}, second).ok());
  ASSERT_TRUE(first.identity.known) << "a file system with fine times and file numbers";
  EXPECT_EQ(first.identity.size, 7u);
  EXPECT_TRUE(AXOFileUnchanged(first.identity, second.identity)) << "a reading changes nothing";
}

}  // namespace
