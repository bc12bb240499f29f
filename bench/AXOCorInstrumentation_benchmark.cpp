// The instrumentation registry: one measured section (Start and End) and
// the report of 100,000 records, each against its floor.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "AXOBenchmarkTargets.h"
#include "AXOCorInstrumentation.h"
#include "AXOPlatform.h"

namespace {

namespace fs = std::filesystem;

// Identifiers as the add-on's commands name their sections.
std::vector<std::string> SectionNames(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    char name[48];
    std::snprintf(name, sizeof name, "IfcExport.WriteProfiles.Section%06d", i);
    names.push_back(name);
  }
  return names;
}

// An empty registry, with the records of `names`.
AXOCorInstrumentation* RegistryWith(const std::vector<std::string>& names) {
  AXOCorInstrumentation::DeleteInstance();
  AXOCorInstrumentation* registry = AXOCorInstrumentation::GetInstance();
  for (const std::string& name : names) {
    CATUnicodeString identifier(name.c_str());
    registry->GetInstrumentationData(identifier, true);
  }
  return registry;
}

constexpr int kSections = 64;

void BM_InstrumentationStartEnd(benchmark::State& state) {
  AXOCorInstrumentation* registry = RegistryWith(SectionNames(kSections));
  const CATUnicodeString section = SectionNames(kSections)[kSections / 2].c_str();
  for (auto _ : state) {
    registry->Start(section);
    registry->End(section);
  }
  AXOSetRatioTarget(state, 1.5);
}
BENCHMARK(BM_InstrumentationStartEnd);

// Floor: what a section needs from the system, with the standard library
// alone: two readings of the memory figure from /proc/self/statm, kept open
// (a seek and a read each: a pread is not in reach of standard C++), two
// readings of a monotonic clock, and one lookup of the section among as
// many byte-string keys.
void BM_InstrumentationStartEnd_Floor(benchmark::State& state) {
  std::ifstream statm("/proc/self/statm");
  if (!statm) {
    state.SkipWithError("no /proc/self/statm");
    return;
  }
  auto read_pages = [&statm] {
    unsigned long long pages = 0;
    statm.seekg(0);
    statm >> pages;
    return pages;
  };
  struct Figures {
    std::chrono::steady_clock::duration time{};
    unsigned long long pages = 0;
  };
  std::map<std::string, Figures> sections;
  for (const std::string& name : SectionNames(kSections)) sections[name];
  const std::string section = SectionNames(kSections)[kSections / 2];
  for (auto _ : state) {
    Figures& figures = sections.find(section)->second;
    const unsigned long long start_pages = read_pages();
    const auto start = std::chrono::steady_clock::now();
    const auto end = std::chrono::steady_clock::now();
    const unsigned long long end_pages = read_pages();
    figures.time += end - start;
    figures.pages += end_pages - start_pages;
    benchmark::DoNotOptimize(figures);
  }
}
BENCHMARK(BM_InstrumentationStartEnd_Floor);

constexpr int kReportRecords = 100000;

// A drive root of its own below the temporary folder, where the report's
// "c:\" lies; removed with the object.
class ReportDrive {
 public:
  ReportDrive() : root_(fs::temp_directory_path() / ("axo-bench-" + std::to_string(Random()))) {
    fs::create_directories(root_ / "c");
    AXOPlatform::Get()->SetDriveRoot(root_.u8string());
  }
  ~ReportDrive() {
    AXOPlatform::Get()->SetDriveRoot("");
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  ReportDrive(const ReportDrive&) = delete;
  ReportDrive& operator=(const ReportDrive&) = delete;

  fs::path Report() const { return root_ / "c" / "AXOInstrumentationLog.csv"; }

 private:
  static unsigned Random() { return std::random_device()(); }
  fs::path root_;
};

// Figures of the i-th record: a few hits, times and memory changes of all
// magnitudes, and every tenth record never started.
void SetFigures(int i, std::uint32_t& hits, double& time, double& memory) {
  hits = i % 10 == 0 ? 0 : static_cast<std::uint32_t>(i % 97);
  time = i * 0.0137;
  memory = (i % 7 - 3) * 1024.0 * i;
}

void BM_InstrumentationDump(benchmark::State& state) {
  const ReportDrive drive;
  AXOCorInstrumentation* registry = RegistryWith(SectionNames(kReportRecords));
  int i = 0;
  for (std::string& name : SectionNames(kReportRecords)) {
    CATUnicodeString identifier(name.c_str());
    AXOCorInstrumentationData* record = registry->GetInstrumentationData(identifier, false);
    SetFigures(i++, record->_HitCount, record->_TotalTime, record->_TotalMemory);
  }
  for (auto _ : state) registry->Dump();
  AXOSetRatioTarget(state, 1.5);
  state.counters["bytes"] = static_cast<double>(fs::file_size(drive.Report()));
  AXOCorInstrumentation::DeleteInstance();
}
BENCHMARK(BM_InstrumentationDump)->Unit(benchmark::kMillisecond);

// Floor: the same rows formatted into one buffer by one printf call each
// and written with one call.
void BM_InstrumentationDump_Floor(benchmark::State& state) {
  const ReportDrive drive;
  struct Row {
    std::string identifier;
    std::uint32_t hits;
    double time, memory;
  };
  std::vector<Row> rows(kReportRecords);
  const std::vector<std::string> names = SectionNames(kReportRecords);
  for (int i = 0; i < kReportRecords; ++i) {
    rows[i].identifier = names[i];
    SetFigures(i, rows[i].hits, rows[i].time, rows[i].memory);
  }
  for (auto _ : state) {
    std::string report =
        "strIDENTIFIER,HIT COUNT,TOTAL EXECUTION TIME(sec),AVERAGE EXECUTION TIME(sec),"
        "TOTAL MEMORY CONSUMED(Bytes)\r\n";
    char line[256];
    for (const Row& row : rows) {
      const int length =
          row.hits != 0
              ? std::snprintf(line, sizeof line, "%s,%u,%g,%g,%g\r\n", row.identifier.c_str(),
                              row.hits, row.time, row.time / row.hits, row.memory)
              : std::snprintf(line, sizeof line, "%s,%u,%g,,%g\r\n", row.identifier.c_str(),
                              row.hits, row.time, row.memory);
      report.append(line, static_cast<std::size_t>(length));
    }
    std::ofstream(drive.Report(), std::ios::binary | std::ios::trunc)
        .write(report.data(), static_cast<std::streamsize>(report.size()));
  }
  state.counters["bytes"] = static_cast<double>(fs::file_size(drive.Report()));
}
BENCHMARK(BM_InstrumentationDump_Floor)->Unit(benchmark::kMillisecond);

}  // namespace
