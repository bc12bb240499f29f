#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "AXOCorInstrumentation.h"
#include "AXOTestTexts.h"
#include "instrumentation/InstrumentationTestSupport.h"

namespace {

const char kHeader[] =
    "strIDENTIFIER,HIT COUNT,TOTAL EXECUTION TIME(sec),AVERAGE EXECUTION TIME(sec),"
    "TOTAL MEMORY CONSUMED(Bytes)\r\n";

class InstrumentationReport : public InstrumentationTest {
 protected:
  // A record with the given figures, set directly as callers may do.
  void Put(const char* identifier, unsigned hits, double time, double memory) {
    CATUnicodeString id(identifier);
    AXOCorInstrumentationData* r =
        AXOCorInstrumentation::GetInstance()->GetInstrumentationData(id, true);
    r->_HitCount = hits;
    r->_TotalTime = time;
    r->_TotalMemory = memory;
  }
  std::string ReadReport() { return AXOTestReadFile(platform_.native_report_path); }
};

TEST_F(InstrumentationReport, RowFormatsFiguresOfOneRecordAndIsEmptyWithoutOne) {
  struct Case {
    const char* identifier;
    unsigned hits;
    double time, memory;
    const char* row;
  } cases[] = {
      {"Init", 0, 0.0, 0.0, "Init,0,0,,0"},
      {"Export", 4, 0.5, 2048.0, "Export,4,0.5,0.125,2048"},
      {"Shrink", 3, 1.0, -512.0, "Shrink,3,1,0.333333,-512"},
      {"Long", 1, 1234567.0, 0.00001, "Long,1,1.23457e+06,1.23457e+06,1e-05"},
      {"Many", 4294967295u, 0.0, 0.0, "Many,4294967295,0,0,0"},
      {"Round", 1, 999999.5, -0.0, "Round,1,1e+06,1e+06,-0"},
      {"Small", 4, 0.0004, 0.0001, "Small,4,0.0004,0.0001,0.0001"},
      {"Endless", 2, HUGE_VAL, std::nan(""), "Endless,2,inf,inf,nan"},
      {"a,b\nc", 2, 2.0, 1.0, "a,b\nc,2,2,1,1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.identifier);
    Put(c.identifier, c.hits, c.time, c.memory);
    EXPECT_EQ(AXOCorInstrumentation::GetInstance()->GetResult(c.identifier), c.row);
  }
  // An unknown identifier: an empty row, and no record made for it.
  EXPECT_EQ(AXOCorInstrumentation::GetInstance()->GetResult("Missing"), "");
  EXPECT_EQ(Record("Missing"), nullptr);
}

TEST_F(InstrumentationReport, GetResultsAppendsRowsInIdentifierOrder) {
  Put("b", 1, 1.0, 0.0);
  Put("B", 1, 2.0, 0.0);
  Put("a", 0, 0.0, 0.0);
  CATListValCATUnicodeString rows;
  rows.Append("kept");
  AXOCorInstrumentation::GetInstance()->GetResults(rows);
  EXPECT_EQ(AXOTestTexts(rows),
            (std::vector<std::string>{"kept", "B,1,2,2,0", "a,0,0,,0", "b,1,1,1,0"}));
}

// The report replaces an earlier one: the header alone for an empty
// registry, then a row per record with Windows line ends, with the figures
// as they are at that moment. Identifiers go out as their narrow text: UTF-8
// and bytes that are no UTF-8 as they came, cut at a NUL character.
TEST_F(InstrumentationReport, DumpReplacesTheFileWithHeaderAndCurrentRows) {
  {
    std::ofstream old(platform_.native_report_path, std::ios::binary);
    old << std::string(4000, 'x');
  }
  AXOCorInstrumentation* registry = AXOCorInstrumentation::GetInstance();
  registry->Dump();
  EXPECT_EQ(platform_.requested_path, "c:\\AXOInstrumentationLog.csv");
  EXPECT_EQ(ReadReport(), kHeader);

  Put("Export", 4, 0.5, 2048.0);
  Put("Init", 0, 0.0, 0.0);
  Put("two\nlines", 1, 1.0, 0.0);
  Put("D\xC3\xA4mmung", 1, 1.0, 0.0);
  Put("raw\xFF", 1, 1.0, 0.0);
  CATUnicodeString cut("cut\0off", 7);
  registry->GetInstrumentationData(cut, true)->_HitCount = 1;
  registry->Dump();
  registry->Start("Init");
  registry->Dump();
  EXPECT_EQ(ReadReport(), std::string(kHeader) +
                              "D\xC3\xA4mmung,1,1,1,0\r\n"
                              "Export,4,0.5,0.125,2048\r\n"
                              "Init,1,0,0,0\r\n"
                              "cut\r\n"
                              "raw\xFF,1,1,1,0\r\n"
                              "two\r\nlines,1,1,1,0\r\n");
}

TEST_F(InstrumentationReport, DumpThatCannotOpenItsFileChangesNothing) {
  Put("S", 1, 1.0, 0.0);
  struct Case {
    const char* what;
    std::filesystem::path target;
  } cases[] = {
      {"missing folder", folder_.Native("no-such-drive/report.csv")},
      {"a folder in the way", folder_.Native()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    platform_.native_report_path = c.target.string();
    AXOCorInstrumentation::GetInstance()->Dump();
    EXPECT_FALSE(std::filesystem::exists(folder_.Native("no-such-drive")));
    EXPECT_TRUE(std::filesystem::is_directory(folder_.Native()));
    EXPECT_EQ(AXOCorInstrumentation::GetInstance()->GetResult("S"), "S,1,1,1,0");
  }
}

}  // namespace
