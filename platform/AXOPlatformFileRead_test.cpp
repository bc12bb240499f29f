// Opening files for reading, against whichever backend is compiled in.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <istream>
#include <iterator>
#include <memory>
#include <string>

#include "AXOPlatform.h"
#include "AXOTestSpecialFiles.h"
#include "AXOTestTempFolder.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(AXOFileReader& file) {
  std::istream in(&file);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(PlatformOpenRegularFile, ReadsARegularFileWholeAndRefusesEverythingElse) {
  AXOTestTempFolder folder;
  std::string large(300 * 1024, '\0');
  for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7 % 251);
  folder.WriteFile("small.txt", std::string("a\r\nb\0c", 6));
  folder.WriteFile("large.bin", large);
  folder.WriteFile("empty.txt");
  folder.MakeFolder("folder");

  const struct {
    const char* name;
    AXOFileOpen status;
    std::string content;
  } cases[] = {
      {"small.txt", AXOFileOpen::kOpened, std::string("a\r\nb\0c", 6)},
      {"large.bin", AXOFileOpen::kOpened, large},
      {"empty.txt", AXOFileOpen::kOpened, ""},
      {"folder", AXOFileOpen::kNotRegular, ""},
      {"missing.txt", AXOFileOpen::kMissing, ""},
      {"missing/inner.txt", AXOFileOpen::kMissing, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<AXOFileReader> file;
    EXPECT_EQ(AXOPlatform::Get()->OpenRegularFile(folder.Native(c.name).u8string(), file),
              c.status);
    ASSERT_EQ(file != nullptr, c.status == AXOFileOpen::kOpened);
    if (file == nullptr) continue;
    EXPECT_EQ(ReadAll(*file), c.content);
    EXPECT_FALSE(file->ReadFailed());
  }
  std::unique_ptr<AXOFileReader> file;
  EXPECT_EQ(AXOPlatform::Get()->OpenRegularFile("", file), AXOFileOpen::kMissing);
  // A NUL byte would cut the name to that of the folder's file "small.txt".
  const std::string cut = folder.Native("small.txt").u8string() + std::string("\0x", 2);
  EXPECT_EQ(AXOPlatform::Get()->OpenRegularFile(cut, file), AXOFileOpen::kMissing);
}

TEST(PlatformOpenRegularFile, LargeReadsGetEveryByteInOrder) {
  AXOTestTempFolder folder;
  std::string bytes(200 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i % 253);
  folder.WriteFile("data.bin", bytes);
  std::unique_ptr<AXOFileReader> file;
  ASSERT_EQ(AXOPlatform::Get()->OpenRegularFile(folder.Native("data.bin").u8string(), file),
            AXOFileOpen::kOpened);
  // One byte through the buffer, then reads larger than it, then the rest.
  std::istream in(file.get());
  std::string read(1, '\0');
  in.read(&read[0], 1);
  std::string chunk(150 * 1024, '\0');
  in.read(&chunk[0], static_cast<std::streamsize>(chunk.size()));
  read += chunk;
  read += std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_TRUE(read == bytes);
}

TEST(PlatformOpenRegularFile, RefusesAFifoWithoutWaitingForAWriter) {
  AXOTestTempFolder folder;
  const fs::path fifo = folder.Native("pipe");
  if (!AXOTestMakeFifo(fifo)) GTEST_SKIP() << "no FIFOs on this system";
  AXOFileOpen status = AXOFileOpen::kOpened;
  std::unique_ptr<AXOFileReader> file;
  EXPECT_TRUE(AXOTestReturnsWithin(
      std::chrono::seconds(5),
      [&] { status = AXOPlatform::Get()->OpenRegularFile(fifo.u8string(), file); },
      [&] { AXOTestReleaseFifoReader(fifo); }));
  EXPECT_EQ(status, AXOFileOpen::kNotRegular);
  EXPECT_EQ(file, nullptr);
}

}  // namespace
