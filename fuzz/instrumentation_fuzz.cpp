// Identifiers of the instrumentation registry. The input is split at its
// NUL bytes into identifiers; every identifier is measured once.
//   - The row of an identifier is the identifier and four fields: the hit
//     count, the total and average time and the memory, none holding ",".
//   - GetResults has one row per distinct identifier, and the report file
//     holds the header and these rows, with every line feed written as
//     CR LF.
#include <set>
#include <string>

#include "AXOCorInstrumentation.h"
#include "AXOFuzzSupport.h"

namespace {

// The report's rows are rebuilt from all records, so it is written only for
// every this many inputs.
constexpr int kDumpEvery = 512;

std::string Crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out + "\r\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  AXOFuzzFolder& folder = AXOFuzzFolder::Get();
  static const bool prepared = [&folder] {
    std::filesystem::create_directories(folder.Native("drives/c"));
    AXOPlatform::Get()->SetDriveRoot(folder.Native("drives").u8string());
    return true;
  }();
  AXO_FUZZ_CHECK(prepared);
  // The records of every input stay: the registry never frees them.
  AXOCorInstrumentation* registry = AXOCorInstrumentation::GetInstance();

  static std::set<std::string> identifiers;
  const std::string bytes = AXOFuzzBytes(data, size);
  for (std::size_t begin = 0; begin <= bytes.size();) {
    std::size_t end = bytes.find('\0', begin);
    if (end == std::string::npos) end = bytes.size();
    const std::string identifier = bytes.substr(begin, end - begin);
    begin = end + 1;
    identifiers.insert(identifier);
    const CATUnicodeString id(identifier.c_str());
    registry->Start(id);
    registry->End(id);
    const std::string row = AXOFuzzBytesOf(registry->GetResult(id));
    const std::string prefix = identifier + ",";
    AXO_FUZZ_CHECK(row.compare(0, prefix.size(), prefix) == 0);
    std::size_t commas = 0;
    for (std::size_t i = prefix.size(); i < row.size(); ++i) commas += row[i] == ',';
    AXO_FUZZ_CHECK(commas == 3);
    AXO_FUZZ_CHECK(row.find_first_not_of("0123456789.,e+-", prefix.size()) == std::string::npos);
  }

  static int inputs = 0;
  if (++inputs % kDumpEvery != 0) return 0;
  CATListValCATUnicodeString rows;
  registry->GetResults(rows);
  registry->Dump();
  std::string expected = Crlf(
      "strIDENTIFIER,HIT COUNT,TOTAL EXECUTION TIME(sec),AVERAGE EXECUTION TIME(sec),"
      "TOTAL MEMORY CONSUMED(Bytes)");
  AXO_FUZZ_CHECK(rows.Size() == static_cast<int>(identifiers.size()));
  for (int i = 1; i <= rows.Size(); ++i) expected += Crlf(rows[i].ConvertToChar());
  AXO_FUZZ_CHECK(folder.Read("drives/c/AXOInstrumentationLog.csv") == expected);
  return 0;
}
