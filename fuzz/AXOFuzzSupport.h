#ifndef AXOFuzzSupport_h
#define AXOFuzzSupport_h

// Support for the fuzz targets (libFuzzer): checks that stop the run with a
// message, and a folder of files for targets that read files.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "AXOPlatform.h"
#include "CATHostPath.h"
#include "CATUnicodeString.h"

// Stops the run when `condition` does not hold: libFuzzer keeps the input
// that got there as a finding.
#define AXO_FUZZ_CHECK(condition)                                                           \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)

// The fuzz input as bytes.
inline std::string AXOFuzzBytes(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The bytes of a host text (its char form, NUL bytes included).
inline std::string AXOFuzzBytesOf(const CATUnicodeString& text) {
  return std::string(text.ConvertToChar(), static_cast<std::size_t>(text.GetLengthInByte()));
}

// A folder of this process for the files a target writes, made on first
// use and removed when the process ends normally.
class AXOFuzzFolder {
 public:
  static AXOFuzzFolder& Get() {
    static AXOFuzzFolder folder;
    return folder;
  }

  // Native and host path of `name` in the folder.
  std::filesystem::path Native(const std::string& name) const { return root_ / name; }
  std::string Host(const std::string& name) const {
    return CATHostPathOfNative(Native(name).u8string());
  }

  // Writes `bytes` as they stand to the file `name` and returns its path.
  std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Native(name), std::ios::binary | std::ios::trunc) << bytes;
    return Native(name);
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(Native(name), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

 private:
  AXOFuzzFolder() {
    root_ = std::filesystem::temp_directory_path() /
            ("axo-fuzz-" + std::to_string(AXOPlatform::Get()->ProcessId()));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
  }
  ~AXOFuzzFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  std::filesystem::path root_;
};

#endif  // AXOFuzzSupport_h
