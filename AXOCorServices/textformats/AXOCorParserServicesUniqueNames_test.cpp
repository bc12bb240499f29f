#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "AXOCorParserServices.h"
#include "CATIAlias.h"
#include "CATISpecObject.h"
#include "CATModelTestFixture.h"

namespace {

using UniqueNames = CATModelTest;

struct NameCase {
  CATUnicodeString wanted;
  CATUnicodeString unique;
  bool kept;
};

// A text made from wide characters, which may hold what UTF-8 cannot
// encode (a surrogate alone).
CATUnicodeString Wide(const wchar_t* text) {
  CATUnicodeString built;
  built.BuildFromWChar(text);
  return built;
}

TEST_F(UniqueNames, FeatureNamesAreNumberedPastTheTakenOnes) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const CATTestNode level = model_.Feature(room.Part(), "Level 1");
  const CATTestNode group = model_.Logical(room.Part(), "Group");
  const char* const taken[] = {
      "Wall",      "Wall.1",          "Wall.2",          "Beam.09",         "Level2",
      "2024",      "Door.1",          "Slab.2147483647", "Col.2147483646",  "Col.2147483647",
      "Pad.00007", "Big.99999999999", "2147483648",      "Tile.2147483647", "Tile.2147483647.1",
      "",
  };
  // Names whose UTF-8 form is not exact: a real U+FFFD, a surrogate alone
  // (whose form holds U+FFFD in its place), bytes that are no UTF-8 and
  // differ in letter case only.
  const CATUnicodeString inexact[] = {
      "Pane.\xEF\xBF\xBD",    "Pane.\xEF\xBF\xBD.1", Wide(L"Pane.\xD800"), Wide(L"Pane.\xD800.1"),
      Wide(L"Pane.\xD800.2"), "Sill.\xFF",           "SILL.\xFF.1"};
  std::vector<CATUnicodeString> names(std::begin(taken), std::end(taken));
  names.insert(names.end(), std::begin(inexact), std::end(inexact));
  for (const CATUnicodeString& name : names) {
    model_.Feature(level, name);
    model_.Feature(group, name);
  }
  model_.Feature(level, "Anon").Without(IID_CATIAlias);
  model_.Feature(group, "Anon").Without(IID_CATIAlias);
  const NameCase cases[] = {
      {"Roof", "Roof", true},
      {"wall", "wall", true},  // letter case counts
      {"Anon", "Anon", true},  // a child without a name takes none
      {"Wall", "Wall.3", false},
      {"Wall.1", "Wall.3", false},
      {"Wall.7", "Wall.7", true},
      {"Beam.09", "Beam.10", false},
      {"Level2", "Level3", false},
      {"2024", "2025", false},
      {"Pad.00007", "Pad.8", false},
      {"", ".1", false},
      // Numbers at the 32-bit limit and beyond it.
      {"Slab.2147483647", "Slab.2147483647.1", false},
      {"Col.2147483646", "Col.2147483647.1", false},
      {"Big.99999999999", "Big.99999999999.1", false},
      {"2147483648", "2147483648.1", false},
      {"Tile.2147483647", "Tile.2147483647.2", false},
      // Each of the inexact names is taken by its own text alone.
      {"Pane.\xEF\xBF\xBD", "Pane.\xEF\xBF\xBD.2", false},
      {Wide(L"Pane.\xD800"), Wide(L"Pane.\xD800.3"), false},
      {"Pane.\xFF", "Pane.\xFF", true},
      {"SILL.\xFF", "SILL.\xFF", true},
      {"Sill.\xFF", "Sill.\xFF.1", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wanted.ConvertToChar());
    for (const CATTestNode& parent : {level, group}) {
      CATUnicodeString unique = "before";
      const bool kept =
          parent.Id() == level.Id()
              ? AXOCorParserServices::GetUniqueArcFeatureName(parent, CATISpecObject_var(),
                                                              c.wanted, unique)
              : AXOCorParserServices::GetUniqueFeatureName(parent, room.Part(), c.wanted, unique);
      EXPECT_EQ(kept, c.kept);
      EXPECT_EQ(unique, c.unique);
    }
  }
}

TEST_F(UniqueNames, TheFeatureBeingNamedDoesNotTakeItsOwnName) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const CATTestNode level = model_.Feature(room.Part(), "Level 1");
  const CATTestNode door = model_.Feature(level, "Door.1");
  const CATTestNode group = model_.Logical(room.Part(), "Group");
  const CATTestNode member = model_.Feature(group, "Door.1");
  CATUnicodeString unique;
  EXPECT_TRUE(AXOCorParserServices::GetUniqueArcFeatureName(level, door, "Door.1", unique));
  EXPECT_EQ(unique, "Door.1");
  EXPECT_FALSE(AXOCorParserServices::GetUniqueArcFeatureName(level, member, "Door.1", unique));
  EXPECT_EQ(unique, "Door.2");
  EXPECT_TRUE(AXOCorParserServices::GetUniqueFeatureName(group, member, "Door.1", unique));
  EXPECT_EQ(unique, "Door.1");
  EXPECT_TRUE(AXOCorParserServices::GetUniqueArcFeatureName(model_.Feature(level, "Empty"), door,
                                                            "Door.1", unique))
      << "a parent without children";
}

TEST_F(UniqueNames, WithoutTheirListFeatureOperationsLeaveTheNameAlone) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const struct {
    const char* what;
    bool logical;
    CATISpecObject_var parent, feature;
  } cases[] = {
      {"a parent without CATIDescendants", false, b.building.Product(), b.wall},
      {"no parent", false, CATISpecObject_var(), b.wall},
      {"a node that is not logical", true, b.level, b.wall},
      {"no feature to name", true, model_.Logical(b.room.Part(), "Group"), CATISpecObject_var()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CATUnicodeString unique = "before";
    EXPECT_FALSE(
        c.logical
            ? AXOCorParserServices::GetUniqueFeatureName(c.parent, c.feature, "Wall.1", unique)
            : AXOCorParserServices::GetUniqueArcFeatureName(c.parent, c.feature, "Wall.1", unique));
    EXPECT_EQ(unique, "before");
  }
}

TEST_F(UniqueNames, FileNamesAreTakenByFilesNotByFolders) {
  for (const char* file :
       {"Report.xlsm", "Data.csv", "Data.1.csv", "Plan.xls", "Plan.1.xlsx", "Log.2147483647.txt"}) {
    folder_.WriteFile(file, "x");
  }
  folder_.MakeFolder("Dir.csv");
  const struct {
    const char* extension;
    NameCase name;
  } cases[] = {
      {"xls", {"Report", "Report.1", false}},
      {"xlsx", {"Report", "Report.1", false}},
      {"xlsm", {"Report", "Report.1", false}},
      {"csv", {"Report", "Report", true}},
      {"XLS", {"Report", "Report", true}},  // spreadsheets by exact extension only
      {"xlsm", {"Plan", "Plan.2", false}},
      {"csv", {"Data", "Data.2", false}},
      {"csv", {"Data.1", "Data.2", false}},
      {"csv", {"Dir", "Dir", true}},
      {"txt", {"Log.2147483647", "Log.2147483647.1", false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name.wanted.ConvertToChar()) + "." + c.extension);
    CATUnicodeString unique;
    EXPECT_EQ(AXOCorParserServices::GetUniqueFileName(folder_.Host().c_str(), c.extension,
                                                      c.name.wanted, unique),
              c.name.kept);
    EXPECT_EQ(unique, c.name.unique);
  }
  // Links count as what they lead to: one to a file takes the name, one to
  // a folder does not.
  std::error_code error;
  std::filesystem::create_symlink(folder_.Native("Data.csv"), folder_.Native("Linked.csv"), error);
  if (!error) {
    std::filesystem::create_directory_symlink(folder_.Native("Dir.csv"),
                                              folder_.Native("Folder link.csv"), error);
  }
  if (!error) {
    for (const NameCase& c :
         {NameCase{"Linked", "Linked.1", false}, NameCase{"Folder link", "Folder link", true}}) {
      SCOPED_TRACE(c.wanted.ConvertToChar());
      CATUnicodeString unique;
      EXPECT_EQ(
          AXOCorParserServices::GetUniqueFileName(folder_.Host().c_str(), "csv", c.wanted, unique),
          c.kept);
      EXPECT_EQ(unique, c.unique);
    }
  }
  CATUnicodeString unique;
  EXPECT_TRUE(AXOCorParserServices::GetUniqueFileName(folder_.Host("missing").c_str(), "csv",
                                                      "Data", unique));
  EXPECT_EQ(unique, "Data");
  // No file name holds a NUL: no name is given, never the one before it.
  const std::string host = folder_.Host();
  const struct {
    CATUnicodeString directory, extension, wanted;
  } nul_cases[] = {
      {CATUnicodeString((host + std::string("\0x", 2)).c_str(), host.size() + 2), "csv", "New"},
      {host.c_str(), CATUnicodeString("csv\0", 4), "New"},
      {host.c_str(), "csv", CATUnicodeString("Data\0", 5)},
  };
  for (const auto& c : nul_cases) {
    unique = "preset";
    EXPECT_FALSE(
        AXOCorParserServices::GetUniqueFileName(c.directory, c.extension, c.wanted, unique));
    EXPECT_EQ(unique, "");
  }
}

}  // namespace
