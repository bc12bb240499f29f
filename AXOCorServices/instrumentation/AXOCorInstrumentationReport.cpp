// The report side of the instrumentation registry: rows and the CSV file.
#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

#include "AXOCorInstrumentation.h"
#include "foundations/AXOCorHostText.h"
#include "foundations/AXOCorNativeFiles.h"
#include "foundations/AXOCorTextLines.h"

namespace {

const char kReportPath[] = "c:\\AXOInstrumentationLog.csv";
const char kReportHeader[] =
    "strIDENTIFIER,HIT COUNT,TOTAL EXECUTION TIME(sec),AVERAGE EXECUTION TIME(sec),"
    "TOTAL MEMORY CONSUMED(Bytes)";

// Writes `value` as printf's "%g" does, to `out`, and returns the end.
// std::to_chars with six significant digits gives the same text, faster.
char* WriteG(char* out, char* end, double value) {
  return std::to_chars(out, end, value, std::chars_format::general, 6).ptr;
}

// Writes the fields after the identifier, ",hits,total,average,memory", in
// ASCII to `text` and returns their length: the count as "%u" (counts above
// 2^31 - 1 must not print as negative numbers), the others as "%g". The
// average stays empty for a record without hits.
std::size_t FormatFigures(const AXOCorInstrumentationData& record, char (&text)[128]) {
  char* const end = text + sizeof text;
  char* out = text;
  *out++ = ',';
  out = std::to_chars(out, end, record._HitCount).ptr;
  *out++ = ',';
  out = WriteG(out, end, record._TotalTime);
  *out++ = ',';
  if (record._HitCount != 0) {
    out = WriteG(out, end, record._TotalTime / static_cast<double>(record._HitCount));
  }
  *out++ = ',';
  out = WriteG(out, end, record._TotalMemory);
  return static_cast<std::size_t>(out - text);
}

// Appends the row of `record` and a line end to `report` as a Windows text
// stream stores them. The row is its narrow text, which ends at a NUL
// character: an identifier holding one cuts the row there.
void AppendReportLine(std::string& report, const AXOCorInstrumentationData& record) {
  const std::u32string characters = AXOCorCodePoints(record._Identifier);
  // ASCII without NUL and line feed, the common case, is its own narrow text
  // and needs no line end within: its bytes are copied as they are.
  const bool plain = std::all_of(characters.begin(), characters.end(),
                                 [](char32_t c) { return c != 0 && c < 0x80 && c != '\n'; });
  if (plain) {
    const std::size_t start = report.size();
    report.resize(start + characters.size());
    std::transform(characters.begin(), characters.end(), report.begin() + start,
                   [](char32_t c) { return static_cast<char>(c); });
  } else {
    AXOCorAppendTextLines(report, record._Identifier.ConvertToChar(), "\r\n");
    if (characters.find(U'\0') != std::u32string::npos) {
      report += "\r\n";
      return;
    }
  }
  char figures[128];
  report.append(figures, FormatFigures(record, figures));
  report += "\r\n";
}

}  // namespace

CATUnicodeString AXOCorInstrumentation::ProcessResult(AXOCorInstrumentationData* record) {
  if (record == nullptr) return CATUnicodeString();
  char figures[128];
  return record->_Identifier +
         AXOCorTextOfBytes(std::string_view(figures, FormatFigures(*record, figures)));
}

CATUnicodeString AXOCorInstrumentation::GetResult(CATUnicodeString identifier) {
  return ProcessResult(GetInstrumentationData(identifier, false));
}

void AXOCorInstrumentation::GetResults(CATListValCATUnicodeString& rows) {
  for (const auto& entry : _DataMap) rows.Append(ProcessResult(entry.second));
}

// The whole report is formatted first and replaces the old one at once, so
// that a crash half-way leaves the old report or the new one, never half of
// one. The line ends are chosen above. No folder is created: where drive
// letters are folders below a drive root, a missing "c" folder is a missing
// drive, and the report is dropped as it is for a drive without the right
// to write.
void AXOCorInstrumentation::Dump() {
  std::string report = kReportHeader;
  report += "\r\n";
  for (const auto& entry : _DataMap) AppendReportLine(report, *entry.second);
  const std::string path = AXONativePath(kReportPath);
  if (!path.empty()) AXOPlatform::Get()->ReplaceFile(path, report, AXOReplace::kAlways);
}
