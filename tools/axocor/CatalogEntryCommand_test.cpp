#include <gtest/gtest.h>

#include <string>

#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "CATDocumentServices.h"
#include "CATTestModel.h"
#include "axocor/CommandTestRun.h"

namespace {

class CatalogEntryCommand : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(model_.LeakedObjects(), 0); }

  CommandTestResult Entry(const std::string& file, const std::string& name) {
    return RunCommandForTest(RegisterCatalogCommands, {"catalogs", "entry", file, name});
  }

  CATTestModel model_;  // the session starts and ends empty
  AXOTestTempFolder folder_;
};

const std::string kSamples = AXOCOR_SAMPLE_MODELS;

TEST_F(CatalogEntryCommand, PrintsTheSampleEntriesWithTheirChapterPathAndValues) {
  const struct {
    const char* name;
    const char* out;
  } cases[] = {
      {"IPE 200",
       "entry \"IPE 200\" in chapter Sections\\IPE\n"
       "  Name: IPE 200\n  Height: 200mm\n  Width: 100mm\n"},
      {"SHS 120x120x6",
       "entry \"SHS 120x120x6\" in chapter Sections\\Hollow sections\\Square\n"
       "  Name: SHS 120x120x6\n  Side: 120mm\n  Wall: 6mm\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CommandTestResult found = Entry(kSamples + "/Sections.catalog", c.name);
    EXPECT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out, c.out);
  }
}

TEST_F(CatalogEntryCommand, NamesWhyNoEntryIsFound) {
  // A catalog whose root chapter lacks the "Name" keyword, with an entry
  // that would match.
  const CATTestDocument plain = model_.CatalogDocument(folder_.Host("Plain.catalog").c_str());
  model_.Keyword(plain.RootChapter(), "Title");
  model_.Description(plain.RootChapter(), "E").Value("Name", "E");
  ASSERT_EQ(CATDocumentServices::SaveAs(plain, folder_.Host("Plain.catalog").c_str(), "", 1), S_OK);
  model_.LeakedObjects();  // closes it
  folder_.WriteFile("Garbage.catalog", std::string("abc\0def", 7));

  const struct {
    std::string file;
    const char* name;
    std::string error;
  } cases[] = {
      {kSamples + "/Sections.catalog", "IPE 999",
       "no entry named 'IPE 999' in '" + kSamples +
           "/Sections.catalog'; its entries: IPE 100, IPE 200, IPE 300, SHS 100x100x5, "
           "SHS 120x120x6\n"},
      {kSamples + "/Sections.catalog", "ipe 200", "no entry named 'ipe 200'"},
      {kSamples + "/Sections.catalog", "SHS 100x100x",
       "; did you mean 'SHS 100x100x5' or 'SHS 120x120x6'?\n"},
      {kSamples + "/Sections.catalog", "I sections", "no entry named"},  // refers to a chapter
      {kSamples + "/Sections.catalog", "", "the entry name is empty"},
      {folder_.Host("Plain.catalog"), "E", "no entry named 'E'"},
      {kSamples + "/Room.CATPart", "Wall.1", "is no catalog"},
      {folder_.Host("Missing.catalog"), "E",
       "cannot open '" + folder_.Host("Missing.catalog") + "': no such file or folder"},
      // The reader's own reason, with where it found the fault.
      {folder_.Host("Garbage.catalog"), "E",
       "cannot open '" + folder_.Host("Garbage.catalog") +
           "': line 1, column 4 (byte 4): a NUL byte, which no document file holds"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file + " " + c.name);
    const CommandTestResult failed = Entry(c.file, c.name);
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err.rfind("axocor: error: ", 0), 0u) << failed.err;
    EXPECT_NE(failed.err.find(c.error), std::string::npos) << failed.err;
  }
}

// Keywords without a value, and chapters that refer to each other.
TEST_F(CatalogEntryCommand, PrintsMissingValuesAndEndsInChaptersThatReferToEachOther) {
  const CATTestDocument doors = model_.CatalogDocument(folder_.Host("Doors.catalog").c_str());
  const CATTestNode root = doors.RootChapter();
  const CATTestNode single = model_.Chapter(doors, "Single");
  model_.Keyword(root, "Name");
  model_.Keyword(single, "Name");
  model_.Keyword(single, "Width");
  model_.SubChapter(single, root);
  model_.SubChapter(root, single);
  model_.Description(single, "D1").Value("Name", "Door");
  ASSERT_EQ(CATDocumentServices::SaveAs(doors, folder_.Host("Doors.catalog").c_str(), "", 1), S_OK);
  model_.LeakedObjects();

  const CommandTestResult found = Entry(folder_.Host("Doors.catalog"), "Door");
  EXPECT_EQ(found.status, 0) << found.err;
  EXPECT_EQ(found.out,
            "entry \"D1\" in chapter Doors\\Single\n  Name: Door\n  Width: (no value)\n");
}

}  // namespace
