// The report side of the instrumentation registry: rows and the CSV file.
#include <fstream>
#include <string>

#include "AXOCorInstrumentation.h"
#include "foundations/AXOCorNativeFiles.h"

namespace {

const char kReportPath[] = "c:\\AXOInstrumentationLog.csv";
const char kReportHeader[] =
    "strIDENTIFIER,HIT COUNT,TOTAL EXECUTION TIME(sec),AVERAGE EXECUTION TIME(sec),"
    "TOTAL MEMORY CONSUMED(Bytes)";

// Writes `text` and a line end the way a Windows text stream stores them:
// every line feed, also one inside `text`, as CR LF. Doing it by hand gives
// the same bytes on every system.
void WriteReportLine(std::ofstream& out, const char* text) {
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c == '\n') out.put('\r');
    out.put(*c);
  }
  out.write("\r\n", 2);
}

}  // namespace

CATUnicodeString AXOCorInstrumentation::ProcessResult(AXOCorInstrumentationData* record) {
  if (record == nullptr) return CATUnicodeString();
  // "%u": counts above 2^31 - 1 must not print as negative numbers.
  CATUnicodeString hits;
  hits.BuildFromNum(static_cast<unsigned int>(record->_HitCount), "%u");
  CATUnicodeString total;
  total.BuildFromNum(record->_TotalTime, "%g");
  CATUnicodeString average;
  if (record->_HitCount != 0) {
    average.BuildFromNum(record->_TotalTime / static_cast<double>(record->_HitCount), "%g");
  }
  CATUnicodeString memory;
  memory.BuildFromNum(record->_TotalMemory, "%g");
  return record->_Identifier + "," + hits + "," + total + "," + average + "," + memory;
}

CATUnicodeString AXOCorInstrumentation::GetResult(CATUnicodeString identifier) {
  return ProcessResult(GetInstrumentationData(identifier, false));
}

void AXOCorInstrumentation::GetResults(CATListValCATUnicodeString& rows) {
  for (const auto& entry : _DataMap) rows.Append(ProcessResult(entry.second));
}

void AXOCorInstrumentation::Dump() {
  CATListValCATUnicodeString rows;
  GetResults(rows);
  // Binary mode: WriteReportLine chooses the line ends itself. No folder is
  // created: where drive letters are folders below a drive root, a missing
  // "c" folder is a missing drive, and the report is dropped as it is for a
  // drive without the right to write.
  std::ofstream out(AXONativeFsPath(kReportPath),
                    std::ios::out | std::ios::trunc | std::ios::binary);
  if (!out) return;
  WriteReportLine(out, kReportHeader);
  for (int i = 1; i <= rows.Size(); ++i) WriteReportLine(out, rows[i].ConvertToChar());
}
