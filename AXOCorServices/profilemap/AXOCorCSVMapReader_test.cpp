#include "AXOCorCSVMapReader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "AXOTestSpecialFiles.h"
#include "AXOTestTempFolder.h"

namespace {

using Direction = AXOCorCSVMapReader::enumTranslatorType;
constexpr Direction kImport = AXOCorCSVMapReader::TranslatorImport;
constexpr Direction kExport = AXOCorCSVMapReader::TranslatorExport;

class ProfileMap : public ::testing::Test {
 protected:
  void SetUp() override { AXOCorCSVMapReader::RemoveInstance(); }
  void TearDown() override { AXOCorCSVMapReader::RemoveInstance(); }

  // Writes `content` byte for byte to a map file and returns its host path.
  CATUnicodeString WriteMap(const std::string& content, const char* name = "map.csv") {
    folder_.WriteFile(name, content);
    return folder_.Host(name).c_str();
  }
  AXOCorCSVMapReader* Read(const std::string& content, Direction direction) {
    AXOCorCSVMapReader* reader = AXOCorCSVMapReader::GetInstance();
    EXPECT_EQ(reader->ReadCatalogMap(WriteMap(content), direction), S_OK);
    return reader;
  }
  // The export translation of `name`, or "<none>" when it is not mapped.
  std::string Export(const char* name) {
    CATUnicodeString out;
    if (AXOCorCSVMapReader::GetInstance()->GetThirdPartyProfileName(name, out) != S_OK) {
      EXPECT_EQ(out, name);
      return "<none>";
    }
    return out.ConvertToChar();
  }
  // The import translation of `name`, or "<none>" when it is not mapped.
  std::string Import(const CATUnicodeString& name) {
    CATUnicodeString out("previous");
    if (AXOCorCSVMapReader::GetInstance()->GetQZProfileName(name, out) != S_OK) {
      EXPECT_EQ(out, "");
      return "<none>";
    }
    return out.ConvertToChar();
  }

  AXOTestTempFolder folder_;
};

TEST_F(ProfileMap, ExportPrefersField3ThenField2ThenOwnName) {
  struct Case {
    const char* line;
    const char* expected;
  } cases[] = {
      {"A,B,CC", "CC"},
      {"A,BB,C", "BB"},
      {"A,B,C", "A"},
      {"A,,", "A"},
      {"A,BB,CC,DD", "CC"},
      {"A,BB,", "BB"},
      {"A, B ,x", " B "},
      {"A,B,CC,", "CC"},
      {",BB,CC", "<none>"},  // the empty name is a key of its own
      // Names count characters, not bytes; a byte that is not UTF-8 is one.
      {"A,\xC3\xA9,", "A"},
      {"A,\xC3\xA9\xC3\xA9,", "\xC3\xA9\xC3\xA9"},
      {"A,,\xFF", "A"},
      {"A,,\xFF\xFE", "\xFF\xFE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Read(std::string(c.line) + "\n", kExport);
    EXPECT_EQ(Export("A"), c.expected);
  }
}

TEST_F(ProfileMap, ImportFindsNormalisedField3VerbatimField2AndOwnName) {
  Read("HEB100,HE100B,HE 100 B\nANG50,l 50*5,\nW10X12,,w 10*12\nIPE80,IPE080,\n", kImport);
  struct Case {
    const char* query;
    const char* expected;
  } cases[] = {
      {"HE100B", "HEB100"},  {"he 100 b", "HEB100"},   {"HEB100", "HEB100"},
      {"w 10*12", "W10X12"}, {" W 10 x 12", "W10X12"}, {"IPE 080", "IPE80"},
      {"l 50*5", "<none>"},  // the field-2 key is stored as written, the query normalised
      {"ANG50", "ANG50"},    {"ang50", "ANG50"},       {"HEB 200", "<none>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    EXPECT_EQ(Import(c.query), c.expected);
  }
}

TEST_F(ProfileMap, KeysMatchWhenTheCharactersMatch) {
  Read(
      "\xC3\x89\x31,,\xC3\xA9 *1\n"     // "É1,,é *1"
      "Q,,\xE2 \x82\xAC\n"              // bytes that are not UTF-8, around a blank
      "U,,\xEF\xBF\xBD\xEF\xBF\xBD\n",  // two U+FFFD
      kImport);
  const CATUnicodeString surrogates(CATUnicodeChar(char32_t{0xD800}), 2);
  struct Case {
    CATUnicodeString query;
    const char* expected;
  } cases[] = {
      {"\xC3\xA9 x1", "\xC3\x89\x31"},   {"\xC3\x89X1", "\xC3\x89\x31"}, {"\xE2 \x82\xAC", "Q"},
      {"\xE2\x82\xAC", "<none>"},  // the euro sign: the same bytes, other characters
      {"\xEF\xBF\xBD\xEF\xBF\xBD", "U"}, {surrogates, "<none>"},  // written as U+FFFD in UTF-8, yet
                                                                  // no file text holds them
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query.ConvertToChar());
    EXPECT_EQ(Import(c.query), c.expected);
  }
  CATUnicodeString out;
  EXPECT_EQ(AXOCorCSVMapReader::GetInstance()->GetThirdPartyProfileName(surrogates, out), S_FALSE);
  EXPECT_EQ(out, surrogates);
}

// Each map with the translations it gives, by the import lookup or the
// third-party one (which also searches an import map).
TEST_F(ProfileMap, LinesAreReadByTheirOrderRankAndLayout) {
  const struct {
    const char* map;
    Direction direction;
    bool byImport;
    std::vector<std::pair<const char*, const char*>> translations;  // name, translation
  } cases[] = {
      // The first line of a repeated name counts.
      {"A,B,FIRST\nA,B,SECOND\nB,,LATER\n", kExport, false, {{"A", "FIRST"}, {"B", "LATER"}}},
      // Field 3 of a later line beats field 2 of an earlier one, field 2 a
      // name's own entry.
      {"EARLY2,KEY2,\nLATE3,,KEY2\nKEY1,zz,\nLATE2,KEY1,\nFIRST3,,DUP\nSECOND3,,DUP\n",
       kImport,
       true,
       {{"KEY2", "LATE3"}, {"KEY1", "LATE2"}, {"DUP", "FIRST3"}}},
      // Comments, empty and short lines are skipped; a blank before "#"
      // makes a record.
      {"#C,D,EE\n\n,\nA,BB\nNOCOMMA\n #X,Y,ZZ\nK,L,MM\n",
       kExport,
       false,
       {{"#C", "<none>"}, {"A", "<none>"}, {" #X", "ZZ"}, {"K", "MM"}}},
      // A carriage return before a line end is not part of the line.
      {"A,B,CC\r\nB,,D\rE\r\n#c\r\n\r\nC,,LAST\r",
       kExport,
       false,
       {{"A", "CC"}, {"B", "D\rE"}, {"C", "LAST"}}},
      // The third-party lookup is exact.
      {"A,,BB\n", kImport, false, {{"A ", "<none>"}, {"a", "<none>"}, {"BB", "A"}, {"A", "A"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.map);
    Read(c.map, c.direction);
    for (const auto& t : c.translations) {
      SCOPED_TRACE(t.first);
      EXPECT_EQ(c.byImport ? Import(t.first) : Export(t.first), t.second);
    }
  }
}

TEST_F(ProfileMap, LineOverLimitEndsReadingButKeepsEarlierRecords) {
  const std::string longest = "L," + std::string(1016, 'x') + ",LONG";  // 1023 chars
  ASSERT_EQ(longest.size(), 1023u);
  struct Case {
    std::string content;
    bool longKept, afterKept;
  } cases[] = {
      {"A,,AA\n" + longest + "\nB,,BB\n", true, true},
      {"A,,AA\r\n" + longest + "\r\nB,,BB\r\n", true, true},
      {"A,,AA\n" + longest + "y\nB,,BB\n", false, false},
      {"A,,AA\n" + longest + "y\r\nB,,BB\n", false, false},
      {"A,,AA\n" + longest + "\r\rB,,BB\n", false, false},
      {"A,,AA\n" + longest + "yyyyyyyyyy", false, false},
      {"A,,AA\n#" + std::string(5000, 'c') + "\nB,,BB\n", false, false},  // comments too
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content.size());
    Read(c.content, kExport);
    EXPECT_EQ(Export("A"), "AA");
    EXPECT_EQ(Export("L"), c.longKept ? "LONG" : "<none>");
    EXPECT_EQ(Export("B"), c.afterKept ? "BB" : "<none>");
  }
}

TEST_F(ProfileMap, LookupsBeforeAnyReadingOrAfterRemovalFindNothing) {
  for (const bool removed : {false, true}) {
    SCOPED_TRACE(removed);
    if (removed) {
      Read("A,,AA\n", kExport);
      AXOCorCSVMapReader::RemoveInstance();
      AXOCorCSVMapReader::RemoveInstance();
      EXPECT_EQ(Export("A"), "<none>");
    }
    AXOCorCSVMapReader* reader = AXOCorCSVMapReader::GetInstance();
    CATUnicodeString out("untouched");
    EXPECT_EQ(reader->GetQZProfileName("HE100B", out), E_FAIL);
    EXPECT_EQ(out, "untouched");
    EXPECT_EQ(reader->GetThirdPartyProfileName("HEB100", out), S_FALSE);
    EXPECT_EQ(out, "HEB100");
  }
}

TEST_F(ProfileMap, ReadingReplacesPreviousMapEvenWithNothingReadable) {
  AXOCorCSVMapReader* reader = AXOCorCSVMapReader::GetInstance();
  CATUnicodeString out("untouched");
  folder_.MakeFolder("folder.csv");
  const std::vector<CATUnicodeString> emptying = {
      folder_.Host("missing.csv").c_str(), folder_.Host().c_str(),
      folder_.Host("folder.csv").c_str(), WriteMap("", "empty.csv")};
  for (const CATUnicodeString& path : emptying) {
    SCOPED_TRACE(path.ConvertToChar());
    Read("A,,AA\n", kExport);
    EXPECT_EQ(reader->ReadCatalogMap(path, kExport), S_OK);
    EXPECT_EQ(reader->GetQZProfileName("A", out), E_FAIL);
    EXPECT_EQ(out, "untouched");  // an empty map leaves the out-text alone
    EXPECT_EQ(Export("A"), "<none>");
  }
  Read("B,,BB\n", kImport);
  EXPECT_EQ(Import("BB"), "B");
  Read("C,,CC\n", kExport);
  EXPECT_EQ(Import("BB"), "<none>");
}

// A FIFO never ends for a reader that waits for its writer.
TEST_F(ProfileMap, FifoMapReadsEmptyWithoutWaiting) {
  AXOCorCSVMapReader* reader = AXOCorCSVMapReader::GetInstance();
  if (!AXOTestMakeFifo(folder_.Native("pipe.csv"))) return;  // no FIFOs here
  Read("A,,AA\n", kExport);
  HRESULT result = E_FAIL;
  EXPECT_TRUE(AXOTestReturnsWithin(
      std::chrono::seconds(5),
      [&] { result = reader->ReadCatalogMap(folder_.Host("pipe.csv").c_str(), kExport); },
      [&] { AXOTestReleaseFifoReader(folder_.Native("pipe.csv")); }));
  EXPECT_EQ(result, S_OK);
  EXPECT_EQ(Export("A"), "<none>");
}

}  // namespace
