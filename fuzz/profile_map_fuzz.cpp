// Profile map files (ReadCatalogMap), with the input as the file.
//   - Read for export, every record's own name (field 1) is found, and
//     gives the foreign name of the first record of that name: field 3
//     when it has two characters or more, else field 2 when it has, else
//     the name itself.
//   - Read for import, the foreign name of field 3 (two characters or
//     more) of every record is found.
// Records are the lines before the first line longer than 1023 bytes that
// are neither empty nor comments and hold at least two ",".
#include <map>
#include <string>
#include <vector>

#include "AXOCorCSVMapReader.h"
#include "AXOFuzzSupport.h"

namespace {

struct Record {
  std::string fields[3];
};

std::vector<Record> RecordsOf(const std::string& bytes) {
  std::vector<Record> records;
  std::size_t begin = 0;
  while (begin < bytes.size()) {
    std::size_t end = bytes.find('\n', begin);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(begin, end - begin);
    begin = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 1023) break;
    if (line.empty() || line[0] == '#') continue;
    const std::size_t first = line.find(',');
    const std::size_t second = first == std::string::npos ? first : line.find(',', first + 1);
    if (second == std::string::npos) continue;
    const std::size_t third = line.find(',', second + 1);
    Record record;
    record.fields[0] = line.substr(0, first);
    record.fields[1] = line.substr(first + 1, second - first - 1);
    record.fields[2] =
        line.substr(second + 1, third == std::string::npos ? third : third - second - 1);
    records.push_back(record);
  }
  return records;
}

CATUnicodeString Text(const std::string& bytes) {
  return CATUnicodeString(bytes.data(), bytes.size());
}

bool IsName(const std::string& field) {
  return Text(field).GetLengthInChar() >= 2;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = AXOFuzzBytes(data, size);
  AXOFuzzFolder& folder = AXOFuzzFolder::Get();
  folder.Write("map.csv", bytes);
  const CATUnicodeString path(folder.Host("map.csv").c_str());
  const std::vector<Record> records = RecordsOf(bytes);
  AXOCorCSVMapReader* reader = AXOCorCSVMapReader::GetInstance();

  AXO_FUZZ_CHECK(reader->ReadCatalogMap(path, AXOCorCSVMapReader::TranslatorExport) == S_OK);
  std::map<std::string, std::string> expected;
  for (const Record& r : records) {
    const std::string& foreign = IsName(r.fields[2])   ? r.fields[2]
                                 : IsName(r.fields[1]) ? r.fields[1]
                                                       : r.fields[0];
    expected.emplace(r.fields[0], foreign);
  }
  for (const auto& entry : expected) {
    CATUnicodeString foreign;
    AXO_FUZZ_CHECK(reader->GetThirdPartyProfileName(Text(entry.first), foreign) == S_OK);
    AXO_FUZZ_CHECK(foreign == Text(entry.second));
  }

  AXO_FUZZ_CHECK(reader->ReadCatalogMap(path, AXOCorCSVMapReader::TranslatorImport) == S_OK);
  for (const Record& r : records) {
    if (!IsName(r.fields[2])) continue;
    CATUnicodeString own;
    AXO_FUZZ_CHECK(reader->GetQZProfileName(Text(r.fields[2]), own) == S_OK);
  }
  return 0;
}
