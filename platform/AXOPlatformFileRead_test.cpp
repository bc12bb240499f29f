// Reading whole regular files, against whichever backend is compiled in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "AXOPlatform.h"
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

TEST(PlatformFileRead, ReadsOnlyRegularFilesWithinTheLimit) {
  const fs::path folder =
      fs::temp_directory_path() / ("axo-read-" + std::to_string(AXOPlatform::Get()->ProcessId()));
  fs::remove_all(folder);
  fs::create_directories(folder / "folder");
  const std::string text("a\0b\r\n\xff", 6);
  std::ofstream(folder / "file", std::ios::binary) << text;
  std::ofstream(folder / "empty", std::ios::binary).flush();
#ifndef _WIN32
  // A pipe without a writer: opening it for reading must not wait.
  ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
#endif
  const struct {
    const char* name;
    std::int64_t limit;
    AXOFileRead result;
    std::string bytes;  // when read
    std::int64_t size;  // -1 when unknown
  } cases[] = {
      {"file", 6, AXOFileRead::kRead, text, 6},
      {"file", 5, AXOFileRead::kTooLarge, "", 6},
      {"empty", 0, AXOFileRead::kRead, "", 0},
      {"missing", 10, AXOFileRead::kNotRegular, "", -1},
      {"folder", 10, AXOFileRead::kNotRegular, "", -1},
#ifndef _WIN32
      {"pipe", 10, AXOFileRead::kNotRegular, "", -1},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string bytes = "kept";
    std::int64_t size = -1;
    EXPECT_EQ(
        AXOPlatform::Get()->ReadRegularFile((folder / c.name).u8string(), c.limit, bytes, &size),
        c.result);
    EXPECT_EQ(bytes, c.result == AXOFileRead::kRead ? c.bytes : "kept");
    EXPECT_EQ(size, c.size);
  }
  fs::remove_all(folder);
}

}  // namespace
