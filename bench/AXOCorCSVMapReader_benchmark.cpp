// Cost of the profile map reader: reading a map of a million lines in both
// directions, and the lookups in a map of 100,000 names. Each benchmark has
// a floor beside it (BM_<Name>_Floor), written here with the standard
// library alone: the least work the same result needs (read the file whole,
// split it, insert into a std::map; normalise, look up in a hash map,
// assign). The ratio of the two is what counts.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "AXOBenchmarkTargets.h"
#include "AXOCorCSVMapReader.h"

namespace {

namespace fs = std::filesystem;

constexpr int kBigMapLines = 1000000;
constexpr int kLookupMapLines = 100000;

// Line `i` of a generated map: own name, field 2, and a field 3 with a blank
// and a "*" that normalisation removes ("QZ0000042,F2-0000042,f3 0000042*7").
std::string MapLine(int i) {
  char line[64];
  std::snprintf(line, sizeof line, "QZ%07d,F2-%07d,f3 %07d*%d\n", i, i, i, i % 10);
  return line;
}

// The generated map files, in a temporary folder removed at exit.
class MapFiles {
 public:
  static const MapFiles& Get() {
    static const MapFiles files;
    return files;
  }
  ~MapFiles() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  const fs::path& big() const { return big_; }
  const fs::path& lookup() const { return lookup_; }

  // The host form of a native path, "\" between folders.
  static CATUnicodeString Host(const fs::path& path) {
    std::string text = path.u8string();
    std::replace(text.begin(), text.end(), '/', '\\');
    return text.c_str();
  }

 private:
  MapFiles() {
    folder_ = fs::temp_directory_path() / ("axo-bench-" + std::to_string(std::random_device()()));
    fs::create_directories(folder_);
    big_ = Write("big.csv", kBigMapLines);
    lookup_ = Write("lookup.csv", kLookupMapLines);
  }
  fs::path Write(const char* name, int lines) const {
    std::string content = "# generated profile map\n";
    for (int i = 0; i < lines; ++i) content += MapLine(i);
    std::ofstream(folder_ / name, std::ios::binary) << content;
    return folder_ / name;
  }
  fs::path folder_, big_, lookup_;
};

// ---- Floors: the same work with the standard library alone ----------------

std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string content(static_cast<std::size_t>(fs::file_size(path)), '\0');
  in.read(content.data(), static_cast<std::streamsize>(content.size()));
  return content;
}

// Calls `record(field1, field2, field3)` for each record line.
template <class Record>
void SplitRecords(const std::string& content, Record record) {
  const char* p = content.data();
  const char* end = p + content.size();
  while (p < end) {
    const char* lineFeed = static_cast<const char*>(std::memchr(p, '\n', end - p));
    const char* lineEnd = lineFeed != nullptr ? lineFeed : end;
    std::string_view line(p, lineEnd - p);
    p = lineEnd + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line[0] == '#') continue;
    const std::size_t first = line.find(',');
    const std::size_t second = line.find(',', first + 1);
    if (second == std::string_view::npos) continue;
    const std::size_t third = std::min(line.find(',', second + 1), line.size());
    record(line.substr(0, first), line.substr(first + 1, second - first - 1),
           line.substr(second + 1, third - second - 1));
  }
}

// Blanks removed, "*" made "X", ASCII upper case.
void NormaliseInto(std::string_view name, std::string& key) {
  key.clear();
  for (char c : name) {
    if (c == ' ') continue;
    if (c == '*') c = 'X';
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    key.push_back(c);
  }
}

void BM_ProfileMapReadExport_Floor(benchmark::State& state) {
  const fs::path& path = MapFiles::Get().big();
  for (auto _ : state) {
    std::map<std::string, std::string> map;
    SplitRecords(ReadWhole(path),
                 [&](std::string_view f1, std::string_view f2, std::string_view f3) {
                   map.emplace(f1, f3.size() >= 2 ? f3 : f2.size() >= 2 ? f2 : f1);
                 });
    benchmark::DoNotOptimize(map.size());
  }
}

void BM_ProfileMapReadImport_Floor(benchmark::State& state) {
  const fs::path& path = MapFiles::Get().big();
  std::string key;
  for (auto _ : state) {
    std::map<std::string, std::string> map;
    SplitRecords(ReadWhole(path),
                 [&](std::string_view f1, std::string_view f2, std::string_view f3) {
                   NormaliseInto(f3, key);
                   map.emplace(key, f1);
                   map.emplace(f2, f1);
                   map.emplace(f1, f1);
                 });
    benchmark::DoNotOptimize(map.size());
  }
}

// The names to look up, in a shuffled order, and the floor's hash map of
// the lookup file (`normalised` keys for the import direction).
struct LookupData {
  std::vector<CATUnicodeString> names;
  std::unordered_map<std::string, std::string> map;
};

LookupData MakeLookupData(bool import) {
  LookupData data;
  std::string key;
  SplitRecords(ReadWhole(MapFiles::Get().lookup()),
               [&](std::string_view f1, std::string_view, std::string_view f3) {
                 NormaliseInto(f3, key);
                 data.map.emplace(import ? key : std::string(f1), import ? f1 : f3);
                 data.names.emplace_back(std::string(import ? f3 : f1).c_str());
               });
  std::shuffle(data.names.begin(), data.names.end(), std::mt19937(42));
  return data;
}

// By value, as the reader's operations take the name.
HRESULT FloorLookup(const std::unordered_map<std::string, std::string>& map, CATUnicodeString name,
                    CATUnicodeString& out, bool normalise, std::string& key) {
  if (normalise) {
    NormaliseInto(name.ConvertToChar(), key);
  } else {
    key.assign(name.ConvertToChar());
  }
  const auto found = map.find(key);
  if (found == map.end()) return E_FAIL;
  out = CATUnicodeString(found->second.data(), found->second.size());
  return S_OK;
}

// The host-text floor of a lookup: the caller's text by value, its
// characters read through the host's text API one by one into the key
// (`normalise`d as the import direction's keys are), one hash lookup, and
// the value's text made as a host text.
HRESULT HostTextLookup(const std::unordered_map<std::string, std::string>& map,
                       CATUnicodeString name, CATUnicodeString& out, bool normalise,
                       std::string& key) {
  key.clear();
  const int length = name.GetLengthInChar();
  for (int i = 0; i < length; ++i) {
    const char32_t c = name[i].GetCode();
    if (c >= 0x80) return E_FAIL;  // the generated names are ASCII
    if (normalise && c == U' ') continue;
    const char byte = static_cast<char>(c);
    key.push_back(!normalise                   ? byte
                  : byte == '*'                ? 'X'
                  : byte >= 'a' && byte <= 'z' ? byte - 32
                                               : byte);
  }
  const auto found = map.find(key);
  if (found == map.end()) return E_FAIL;
  out = CATUnicodeString(found->second.data(), found->second.size());
  return S_OK;
}

template <class Lookup>
void LookUpInFloor(benchmark::State& state, bool import, Lookup lookup) {
  const LookupData data = MakeLookupData(import);
  CATUnicodeString out;
  std::string key;
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lookup(data.map, data.names[next], out, import, key));
    next = (next + 1) % data.names.size();
  }
  if (lookup(data.map, data.names[0], out, import, key) != S_OK) {
    state.SkipWithError("name not found");
  }
}

void BM_GetThirdPartyProfileName_HostText(benchmark::State& state) {
  LookUpInFloor(state, false, HostTextLookup);
}

void BM_GetQZProfileName_HostText(benchmark::State& state) {
  LookUpInFloor(state, true, HostTextLookup);
}

void BM_GetThirdPartyProfileName_Floor(benchmark::State& state) {
  LookUpInFloor(state, false, FloorLookup);
}

void BM_GetQZProfileName_Floor(benchmark::State& state) {
  LookUpInFloor(state, true, FloorLookup);
}

// ---- The reader ------------------------------------------------------------

void ReadBigMap(benchmark::State& state, AXOCorCSVMapReader::enumTranslatorType direction) {
  const CATUnicodeString path = MapFiles::Host(MapFiles::Get().big());
  AXOCorCSVMapReader* reader = AXOCorCSVMapReader::GetInstance();
  for (auto _ : state) {
    benchmark::DoNotOptimize(reader->ReadCatalogMap(path, direction));
  }
  CATUnicodeString out;
  if (reader->GetThirdPartyProfileName("QZ0000042", out) != S_OK) {
    state.SkipWithError("the map was not read");
  }
  AXOCorCSVMapReader::RemoveInstance();
}

void BM_ProfileMapReadExport(benchmark::State& state) {
  ReadBigMap(state, AXOCorCSVMapReader::TranslatorExport);
  AXOSetRatioTarget(state, 1.2);
}

void BM_ProfileMapReadImport(benchmark::State& state) {
  ReadBigMap(state, AXOCorCSVMapReader::TranslatorImport);
  AXOSetRatioTarget(state, 1.2);
}

template <class Lookup>
void LookUp(benchmark::State& state, bool import, Lookup lookup) {
  const LookupData data = MakeLookupData(import);
  AXOCorCSVMapReader* reader = AXOCorCSVMapReader::GetInstance();
  reader->ReadCatalogMap(
      MapFiles::Host(MapFiles::Get().lookup()),
      import ? AXOCorCSVMapReader::TranslatorImport : AXOCorCSVMapReader::TranslatorExport);
  CATUnicodeString out;
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lookup(*reader, data.names[next], out));
    next = (next + 1) % data.names.size();
  }
  if (lookup(*reader, data.names[0], out) != S_OK) state.SkipWithError("name not found");
  AXOCorCSVMapReader::RemoveInstance();
}

void BM_GetThirdPartyProfileName(benchmark::State& state) {
  LookUp(state, false,
         [](AXOCorCSVMapReader& reader, const CATUnicodeString& name, CATUnicodeString& out) {
           return reader.GetThirdPartyProfileName(name, out);
         });
  AXOSetRatioTarget(state, 1.5, AXOFloor::kHostText);
}

void BM_GetQZProfileName(benchmark::State& state) {
  LookUp(state, true,
         [](AXOCorCSVMapReader& reader, const CATUnicodeString& name, CATUnicodeString& out) {
           return reader.GetQZProfileName(name, out);
         });
  AXOSetRatioTarget(state, 1.5, AXOFloor::kHostText);
}

BENCHMARK(BM_ProfileMapReadExport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProfileMapReadExport_Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProfileMapReadImport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProfileMapReadImport_Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetThirdPartyProfileName);
BENCHMARK(BM_GetThirdPartyProfileName_Floor);
BENCHMARK(BM_GetQZProfileName);
BENCHMARK(BM_GetQZProfileName_Floor);
BENCHMARK(BM_GetThirdPartyProfileName_HostText);
BENCHMARK(BM_GetQZProfileName_HostText);

}  // namespace
