#ifndef AXOTestTempFolder_h
#define AXOTestTempFolder_h

// A temporary folder for one test: a new, uniquely named folder below the
// system's temporary directory, removed with everything in it when the
// object goes. Offers both spellings of paths inside it: the native one
// (for std::filesystem and streams) and the host one ("\"-separated), which
// the host stand-in maps back to the same place through NativePath.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <system_error>

#include "CATHostPath.h"

// The bytes of the file at `path`; empty when it cannot be read.
inline std::string AXOTestReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class AXOTestTempFolder {
 public:
  AXOTestTempFolder() {
    namespace fs = std::filesystem;
    static std::atomic<unsigned> counter{0};
    std::random_device entropy;
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    for (;;) {
      const std::string name = "axo-test-" + std::to_string(entropy()) + "-" +
                               std::to_string(ticks) + "-" + std::to_string(counter++);
      root_ = fs::temp_directory_path() / name;
      if (fs::create_directory(root_)) break;  // false: the name is taken, try another
    }
  }
  ~AXOTestTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  AXOTestTempFolder(const AXOTestTempFolder&) = delete;
  AXOTestTempFolder& operator=(const AXOTestTempFolder&) = delete;

  // Native path of `relative` ("/"-separated) inside the folder; the folder
  // itself for "".
  std::filesystem::path Native(const std::string& relative = "") const {
    return relative.empty() ? root_ : root_ / std::filesystem::u8path(relative);
  }
  // Host path of the same place.
  std::string Host(const std::string& relative = "") const {
    return CATHostPathOfNative(Native(relative).u8string());
  }

  // Creates the folders of `relative` and returns its native path.
  std::filesystem::path MakeFolder(const std::string& relative) const {
    std::filesystem::create_directories(Native(relative));
    return Native(relative);
  }
  // Writes `bytes` as they stand to the file `relative`, creating its folders.
  std::filesystem::path WriteFile(const std::string& relative,
                                  const std::string& bytes = "") const {
    const std::filesystem::path path = Native(relative);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

 private:
  std::filesystem::path root_;
};

#endif  // AXOTestTempFolder_h
