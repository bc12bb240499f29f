// Cost of style-sheet expansion: a style sheet of include nodes, each for a
// file of its own of about 1 KB. The floor is a plain expander written
// here, that makes the same text for such a style sheet in one pass: it
// finds each node, looks its file up in the collection folders, opens it
// and appends the file's root content. The main program prints each time relative to the
// first benchmark, the floor for 1,000 includes; 4,000 includes, with their
// own floor, show whether the cost grows linearly.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "AXOBenchmarkTargets.h"
#include "AXOCorParserServices.h"
#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "CATLib.h"

namespace {

// A collection folder with `count` include files and a style sheet that
// includes each once.
class Installation {
 public:
  explicit Installation(int count) {
    std::string sheet = "<?xml version=\"1.0\"?>\n<std:node name=\"Sheet\">\n";
    for (int i = 0; i < count; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "part%04d.xml", i);
      std::string content;
      while (content.size() < 1000) {
        content += "  <std:node name=\"Attribute" + std::to_string(content.size()) +
                   "\"><std:strval>value of " + name + "</std:strval></std:node>\n";
      }
      dir_.WriteFile(
          std::string("std/gvs_includes/") + name,
          "<?xml version=\"1.0\"?>\n<std:node name=\"Part\">\n" + content + "</std:node>\n");
      sheet += "  <std:node name=\"Include\" type=\"includefile\">\n    <std:strval>" +
               std::string(name) + "</std:strval>\n  </std:node>\n";
    }
    dir_.WriteFile("sheet.xml", sheet + "</std:node>\n");
  }

  std::string Sheet() const { return dir_.Host("sheet.xml"); }
  std::string Collection() const { return dir_.Host("std"); }

 private:
  AXOTestTempFolder dir_;
};

// One installation per size, made at first use and kept for the run, with
// the collection variable pointing at it.
const Installation& InstallationOf(int count) {
  static std::map<int, std::unique_ptr<Installation>> installations;
  std::unique_ptr<Installation>& installation = installations[count];
  if (!installation) installation = std::make_unique<Installation>(count);
  AXOPlatform::Get()->SetEnv("CATCollectionStandard", installation->Collection().c_str());
  AXOPlatform::Get()->SetEnv("CATDefaultCollectionStandard", nullptr);
  return *installation;
}

bool ReadFile(const std::string& hostPath, std::string& bytes) {
  std::ifstream stream(std::filesystem::u8path(AXOPlatform::Get()->NativePath(hostPath)),
                       std::ios::binary);
  if (!stream) return false;
  bytes.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
  return true;
}

// The plain expander: one pass over the style sheet, no nested includes,
// names as written. Each name is looked up as the include rule asks, in the
// collection folders through the host's path lookup: a status call per
// folder tried, which no expander can leave out, since the file to open is
// the first one that the lookup finds.
CATUnicodeString ExpandPlainly(const std::string& sheetPath) {
  const std::string mark = "\"includefile\">";
  std::string sheet;
  ReadFile(sheetPath, sheet);
  std::string out;
  std::string file;
  std::size_t done = 0;
  for (std::size_t at = sheet.find(mark); at != std::string::npos; at = sheet.find(mark, at)) {
    const std::size_t start = sheet.rfind("<std:node", at);
    const std::size_t name = sheet.find("<std:strval>", at) + 12;
    const std::size_t name_end = sheet.find("</std:strval>", name);
    const std::size_t end = sheet.find("</std:node>", name_end) + 11;
    out.append(sheet, done, start - done);
    char path[CAT_MAX_OFFICIAL_PATH];
    const std::string relative = "gvs_includes\\" + sheet.substr(name, name_end - name);
    if (CATGetFilePathFromOfficialVariable(relative.c_str(), "CATCollectionStandard", path) == 0 &&
        ReadFile(path, file)) {
      const std::size_t second = file.find("<std:node", file.find("<std:node") + 1);
      out.append(file, second, file.rfind("</std:node") - second);
    }
    done = at = end;
  }
  out.append(sheet, done, std::string::npos);
  return CATUnicodeString(out.c_str());
}

void ExpandIncludes(benchmark::State& state, int count) {
  const Installation& installation = InstallationOf(count);
  CATUnicodeString expanded;
  for (auto _ : state) {
    if (!AXOCorParserServices::ExpandIncludesInGVS(installation.Sheet().c_str(), expanded)) {
      state.SkipWithError("the expansion failed");
      break;
    }
    benchmark::DoNotOptimize(expanded);
  }
}

void ExpandIncludesPlainly(benchmark::State& state, int count) {
  const Installation& installation = InstallationOf(count);
  CATUnicodeString expected;
  AXOCorParserServices::ExpandIncludesInGVS(installation.Sheet().c_str(), expected);
  if (ExpandPlainly(installation.Sheet()) != expected) {
    state.SkipWithError("the plain expander makes another text");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(ExpandPlainly(installation.Sheet()));
  }
}

void BM_GvsExpand1000Includes_Floor(benchmark::State& state) {
  ExpandIncludesPlainly(state, 1000);
}
BENCHMARK(BM_GvsExpand1000Includes_Floor)->Unit(benchmark::kMillisecond);

void BM_GvsExpand1000Includes(benchmark::State& state) {
  ExpandIncludes(state, 1000);
  AXOSetRatioTarget(state, 2.0);
}
BENCHMARK(BM_GvsExpand1000Includes)->Unit(benchmark::kMillisecond);

void BM_GvsExpand4000Includes_Floor(benchmark::State& state) {
  ExpandIncludesPlainly(state, 4000);
}
BENCHMARK(BM_GvsExpand4000Includes_Floor)->Unit(benchmark::kMillisecond);

void BM_GvsExpand4000Includes(benchmark::State& state) {
  ExpandIncludes(state, 4000);
  AXOSetRatioTarget(state, 2.0);
}
BENCHMARK(BM_GvsExpand4000Includes)->Unit(benchmark::kMillisecond);

}  // namespace
