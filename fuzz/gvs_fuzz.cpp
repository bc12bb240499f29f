// Fuzz target of style-sheet include expansion. The input is a style sheet
// and the files it may include, separated by the byte 0x01: the style sheet
// (also reachable as the include "s.xml"), then "a.xml", "b.xml" (in the
// second collection folder), "c.xml" and "d:\x.xml". Checked on every
// input:
// - the expansion stays within its bounds, and leaves its output untouched
//   when it fails;
// - it agrees with the plain rescan rule wherever that ends within the
//   same bounds: the same result, includes and text; where it cuts an
//   include cycle, the rescan does not end even with more room;
// - with the default bounds, the library's own entry points give the same.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "AXOCorParserServices.h"
#include "AXOPlatform.h"
#include "CATHostPath.h"
#include "textformats/AXOCorParserServicesGVSExpander.h"
#include "textformats/AXOCorParserServicesGVSRescan.h"

namespace {

namespace fs = std::filesystem;

// Where the input's files go: a folder of this process below the system's
// temporary folder (TMPDIR=/dev/shm keeps the many writes off the disk).
class Installation {
 public:
  Installation()
      : root_(fs::temp_directory_path() /
              ("axo-gvs-fuzz-" + std::to_string(AXOPlatform::Get()->ProcessId()))) {
    for (const char* folder : {"std/gvs_includes", "default/gvs_includes", "drives/d"}) {
      fs::create_directories(root_ / folder);
    }
    AXOPlatform::Get()->SetEnv("CATCollectionStandard", Host("std").c_str());
    AXOPlatform::Get()->SetEnv("CATDefaultCollectionStandard", Host("default").c_str());
    AXOPlatform::Get()->SetDriveRoot((root_ / "drives").u8string());
  }
  ~Installation() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  // Writes the parts of `input` to the files; returns the style sheet's
  // host path.
  std::string Write(const std::uint8_t* data, std::size_t size) const {
    static const char* const kFiles[] = {"std/gvs_includes/s.xml", "std/gvs_includes/a.xml",
                                         "default/gvs_includes/b.xml", "std/gvs_includes/c.xml",
                                         "drives/d/x.xml"};
    const char* const begin = reinterpret_cast<const char*>(data);
    const char* const end = begin + size;
    const char* part = begin;
    for (const char* file : kFiles) {
      const char* part_end = part;
      while (part_end != end && *part_end != '\x01') ++part_end;
      std::ofstream(root_ / file, std::ios::binary | std::ios::trunc).write(part, part_end - part);
      part = part_end == end ? end : part_end + 1;
    }
    return Host("std/gvs_includes/s.xml");
  }

 private:
  std::string Host(const std::string& relative) const {
    return CATHostPathOfNative((root_ / relative).u8string());
  }

  fs::path root_;
};

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "gvs_fuzz: %s\n", what);
  std::abort();
}

class Recorder : public AXOGvsObserver {
 public:
  void OnInclude(const CATUnicodeString&, const CATUnicodeString& path, int depth,
                 AXOGvsIncludeOutcome outcome) override {
    includes.push_back(path.ConvertToChar());
    if (depth < 1) Fail("an include of depth below 1");
    cycle = cycle || outcome == AXOGvsIncludeOutcome::kCycle;
  }
  void OnMalformed(AXOGvsMalformed, const CATUnicodeString&, int depth, int markByte) override {
    if (depth < 1 || markByte < 0) Fail("a malformed node outside any text");
  }

  std::vector<std::string> includes;
  bool cycle = false;
};

const CATUnicodeString kUntouched("\x02untouched");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Installation installation;
  const std::string sheet = installation.Write(data, size);

  const AXOGvsLimits small{4096, 32, std::int64_t{1} << 20};
  Recorder recorder;
  CATUnicodeString text(kUntouched);
  const AXOGvsExpansion result = AXOExpandGvs(sheet.c_str(), &text, &recorder, small);
  if (result != AXOGvsExpansion::kExpanded) {
    if (text != kUntouched) Fail("output changed by a failed expansion");
  } else if (text.GetLengthInChar() > small.maxLength) {
    Fail("text longer than its bound");
  }
  if (recorder.includes.size() > static_cast<std::size_t>(small.maxIncludes) + 1) {
    Fail("more includes than the bound");
  }

  if (recorder.cycle) {
    const AXOGvsRescan rescan =
        AXOGvsRescanExpand(sheet.c_str(), AXOGvsLimits{16384, 128, kAXOGvsMaxWork});
    if (rescan.result == AXOGvsExpansion::kExpanded) Fail("cycle cut where the rescan ends");
    return 0;
  }
  const AXOGvsRescan rescan = AXOGvsRescanExpand(sheet.c_str(), small);
  if (rescan.result != result) Fail("result differs from the rescan");
  if (rescan.includes != recorder.includes) Fail("includes differ from the rescan");
  if (result != AXOGvsExpansion::kExpanded) return 0;
  if (rescan.text != text) Fail("text differs from the rescan");

  // Ended within the small bounds, so within the default ones too.
  CATUnicodeString expanded(kUntouched);
  if (!AXOCorParserServices::ExpandIncludesInGVS(sheet.c_str(), expanded) || expanded != text) {
    Fail("the library's entry point expands otherwise");
  }
  CATListValCATUnicodeString includes;
  AXOCorParserServices::GetIncludesInGVS(sheet.c_str(), includes);
  if (static_cast<std::size_t>(includes.Size()) != recorder.includes.size()) {
    Fail("the library's entry point lists other includes");
  }
  return 0;
}
