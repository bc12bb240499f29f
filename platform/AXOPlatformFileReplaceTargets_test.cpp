// What a replacement does to what the path names: links are written
// through, devices and FIFOs written into, and nothing but a regular file
// is ever replaced by one; a name at the file system's limit is replaced
// like any other.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>

#include "AXOPlatform.h"
#include "AXOTestSpecialFiles.h"
#include "AXOTestTempFolder.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

AXOStatus Replace(const fs::path& path, const std::string& contents) {
  return AXOPlatform::Get()->ReplaceFile(path.u8string(), contents, AXOReplace::kAlways);
}

// False, with the test skipped, where this system or user cannot make links.
bool MakeLink(const fs::path& to, const fs::path& link) {
  std::error_code error;
  fs::create_symlink(to, link, error);
  return !error;
}

// The names in `folder`, to see that no temporary file stays behind.
std::size_t Entries(const fs::path& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

class PlatformReplaceTargets : public ::testing::Test {
 protected:
  AXOTestTempFolder folder_;
};

TEST_F(PlatformReplaceTargets, WritesThroughLinksAndNeverReplacesWhatIsNoRegularFile) {
  const fs::path root = folder_.Native();
  std::ofstream(root / "file") << "old";
  fs::create_directories(root / "folder");
  if (!MakeLink(root / "file", root / "link") || !MakeLink(root / "missing", root / "dangling") ||
      !MakeLink(root / "folder", root / "folder-link")) {
    GTEST_SKIP() << "no symbolic links here";
  }
  const struct {
    const char* name;
    AXOStatusCode code;
    std::function<void()> check;
  } cases[] = {
      {"link", AXOStatusCode::kOk,
       [&] {
         EXPECT_TRUE(fs::is_symlink(root / "link"));
         EXPECT_EQ(Read(root / "file"), "new") << "the file the link leads to";
       }},
      {"dangling", AXOStatusCode::kNotFound,
       [&] {
         EXPECT_TRUE(fs::is_symlink(root / "dangling"));
         EXPECT_FALSE(fs::exists(root / "missing"));
       }},
      {"folder-link", AXOStatusCode::kNotRegularFile,
       [&] {
         EXPECT_TRUE(fs::is_symlink(root / "folder-link"));
         EXPECT_TRUE(fs::is_directory(root / "folder"));
       }},
      {"folder", AXOStatusCode::kNotRegularFile,
       [&] { EXPECT_TRUE(fs::is_directory(root / "folder")); }},
  };
  const std::size_t entries = Entries(root);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const AXOStatus status = Replace(root / c.name, "new");
    EXPECT_EQ(status.code(), c.code) << status.ToString();
    c.check();
    EXPECT_EQ(Entries(root), entries) << "no temporary file left, nothing new";
  }
}

TEST_F(PlatformReplaceTargets, WritesIntoADeviceAndNeverReplacesIt) {
  const fs::path device = fs::u8path(AXOTestNullDevice());
  EXPECT_TRUE(Replace(device, "dump").ok());
  if (AXOTestDriveLettersAreReal()) return;
  EXPECT_TRUE(fs::is_character_file(device));
  // Through a link, as /dev/stdout leads to the terminal or pipe.
  const fs::path link = folder_.Native("out");
  ASSERT_TRUE(MakeLink(device, link));
  EXPECT_TRUE(Replace(link, "dump").ok());
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_TRUE(fs::is_character_file(device));
  EXPECT_EQ(Entries(folder_.Native()), 1u);
}

TEST_F(PlatformReplaceTargets, WritesIntoAFifoWithAReaderAndRefusesOneWithout) {
  const fs::path fifo = folder_.Native("fifo");
  if (!AXOTestMakeFifo(fifo)) GTEST_SKIP() << "no FIFOs here";
  const AXOStatus refused = Replace(fifo, "nobody reads");
  EXPECT_EQ(refused.code(), AXOStatusCode::kNotRegularFile) << "refused at once, not waited on";
  EXPECT_EQ(refused.reason(), "is a FIFO that no one reads");
  EXPECT_TRUE(fs::is_fifo(fifo));

  std::string received;
  std::thread reader([&] { received = Read(fifo); });
  // The reader's open waits for a writer; the writer's open fails until a
  // reader is there, so the replacement is tried until it is.
  bool written = false;
  for (int attempt = 0; attempt < 2000 && !written; ++attempt) {
    written = Replace(fifo, "through the pipe").ok();
    if (!written) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  if (!written) AXOTestReleaseFifoReader(fifo);
  reader.join();
  EXPECT_TRUE(written);
  EXPECT_EQ(received, written ? "through the pipe" : "");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(Entries(folder_.Native()), 1u);
}

TEST_F(PlatformReplaceTargets, ReplacesAFileWhoseNameIsAtTheFileSystemsLimit) {
  // 255 bytes: the most a name of a file may hold on the usual file systems
  // (255 UTF-16 units on Windows, here all ASCII).
  const fs::path file = folder_.Native(std::string(251, 'n') + ".txt");
  ASSERT_TRUE(Replace(file, "first").ok());
  ASSERT_TRUE(Replace(file, "second").ok());
  EXPECT_EQ(Read(file), "second");
  EXPECT_EQ(Entries(folder_.Native()), 1u);
}

}  // namespace
