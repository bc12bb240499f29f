#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "AXOCorGlobalServices.h"
#include "AXOCorParserServices.h"
#include "CATIAlias.h"
#include "CATISpecObject.h"
#include "CATModelTestFixture.h"

namespace {

using UniqueNames = CATModelTest;

struct NameCase {
  const char* wanted;
  const char* unique;
  bool kept;
};

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
  for (const char* name : taken) {
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
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wanted);
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

// The numbering read plainly (numbers are small here): `wanted` when it is
// free, else the first free name of its numbering.
std::string NumberedPlainly(const std::string& wanted,
                            const std::function<bool(const std::string&)>& taken) {
  if (!taken(wanted)) return wanted;
  std::size_t digits = wanted.size();
  while (digits > 0 && wanted[digits - 1] >= '0' && wanted[digits - 1] <= '9') --digits;
  const bool numbered = digits < wanted.size();
  const std::string prefix = numbered ? wanted.substr(0, digits) : wanted + ".";
  for (int counter = numbered ? std::stoi(wanted.substr(digits)) : 0;;) {
    const std::string candidate = prefix + std::to_string(++counter);
    if (!taken(candidate)) return candidate;
  }
}

// A name taken as the rule says: asking every sibling other than the
// feature (by handle identity) for its name.
std::string NumberedAmong(const CATListValCATISpecObject_var& siblings,
                          const CATISpecObject_var& feature, const std::string& wanted) {
  return NumberedPlainly(wanted, [&](const std::string& name) {
    for (int i = 1; i <= siblings.Size(); ++i) {
      const CATIAlias_var alias(siblings[i]);
      if (siblings[i] == feature || !alias) continue;
      if (alias->GetAlias().Compare(name.c_str()) == 2) return true;
    }
    return false;
  });
}

TEST_F(UniqueNames, GeneratedSiblingsAreNumberedAsThePlainRuleNumbersThem) {
  const char* const pool[] = {"Wall",   "Wall.1",  "Wall.2",  "Wall.3", "Wall.5",
                              "wall.2", "Beam.09", "Beam.10", "Door.1", ""};
  std::mt19937 random(7);
  const auto pick = [&random](std::size_t size) {
    return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
  };
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const CATTestDocument room =
        model_.PartDocument(("c:\\Parts\\Room" + std::to_string(round) + ".CATPart").c_str());
    const CATTestNode level = model_.Feature(room.Part(), "Level 1");
    const CATTestNode group = model_.Logical(room.Part(), "Group");
    std::vector<CATTestNode> in_level;
    std::vector<CATTestNode> in_group;
    for (std::size_t i = 0, count = pick(12); i < count; ++i) {
      const char* name = pool[pick(std::size(pool))];
      in_level.push_back(model_.Feature(level, name));
      in_group.push_back(model_.Feature(group, name));
      if (pick(5) == 0) in_level.back().Without(IID_CATIAlias);
      if (pick(5) == 0) in_group.back().Without(IID_CATIAlias);
    }
    // The feature being named: one of the siblings (so its own name is
    // free for it, also where another sibling bears it), or another one.
    const CATTestNode outsider = model_.Feature(room.Part(), pool[pick(std::size(pool))]);
    const CATTestNode level_feature =
        in_level.empty() || pick(3) == 0 ? outsider : in_level[pick(in_level.size())];
    const CATTestNode group_feature =
        in_group.empty() || pick(3) == 0 ? outsider : in_group[pick(in_group.size())];
    CATListValCATISpecObject_var level_siblings;
    CATListValCATISpecObject_var group_siblings;
    for (const CATTestNode& node : in_level) level_siblings.Append(CATISpecObject_var(node));
    for (const CATTestNode& node : in_group) group_siblings.Append(CATISpecObject_var(node));
    for (const char* wanted : pool) {
      SCOPED_TRACE(wanted);
      CATUnicodeString unique;
      const std::string by_level = NumberedAmong(level_siblings, level_feature, wanted);
      EXPECT_EQ(AXOCorParserServices::GetUniqueArcFeatureName(level, level_feature, wanted, unique),
                by_level == wanted);
      EXPECT_EQ(unique, by_level.c_str());
      const std::string by_group = NumberedAmong(group_siblings, group_feature, wanted);
      EXPECT_EQ(AXOCorParserServices::GetUniqueFeatureName(group, group_feature, wanted, unique),
                by_group == wanted);
      EXPECT_EQ(unique, by_group.c_str());
    }
  }
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
    SCOPED_TRACE(std::string(c.name.wanted) + "." + c.extension);
    CATUnicodeString unique;
    EXPECT_EQ(AXOCorParserServices::GetUniqueFileName(folder_.Host().c_str(), c.extension,
                                                      c.name.wanted, unique),
              c.name.kept);
    EXPECT_EQ(unique, c.name.unique);
  }
  CATUnicodeString unique;
  EXPECT_TRUE(AXOCorParserServices::GetUniqueFileName(folder_.Host("missing").c_str(), "csv",
                                                      "Data", unique));
  EXPECT_EQ(unique, "Data");
}

// Generated folders of files, folders, names that differ in letter case
// only and links: the listing must number as asking the file system about
// every candidate (FindFile) numbers.
TEST_F(UniqueNames, FileNamesInGeneratedFoldersAreThoseOfAskingForEachCandidate) {
  const char* const stems[] = {"Data",   "Data.1", "Data.2", "Data.3", "Data.4",
                               "data.2", "DATA.3", "Data~1", "Data.5 "};
  const char* const extensions[] = {"csv", "xls", "xlsx", "xlsm", "txt"};
  const char* const asked[] = {"csv", "xls", "xlsx", "txt", "XLS"};
  const char* const wanted[] = {"Data", "Data.2", "data", "DATA.2", "Report", "Data~1"};
  std::mt19937 random(11);
  const auto chance = [&random](int in) {
    return std::uniform_int_distribution<int>(0, in - 1)(random) == 0;
  };
  for (int round = 0; round < 30; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const std::string sub = "round" + std::to_string(round);
    folder_.MakeFolder(sub);
    for (const char* stem : stems) {
      for (const char* extension : extensions) {
        if (!chance(3)) continue;
        const std::string name = sub + "/" + stem + "." + extension;
        if (chance(4)) {
          folder_.MakeFolder(name);
        } else if (chance(6)) {
          std::error_code error;  // not every system lets a test make links
          std::filesystem::create_symlink(folder_.Native(sub), folder_.Native(name), error);
        } else {
          folder_.WriteFile(name, "x");
        }
      }
    }
    const CATUnicodeString directory = folder_.Host(sub).c_str();
    for (const char* extension : asked) {
      for (const char* name : wanted) {
        SCOPED_TRACE(std::string(name) + "." + extension);
        const std::string type = extension;
        const bool spreadsheet = type == "xls" || type == "xlsx" || type == "xlsm";
        const std::string expected = NumberedPlainly(name, [&](const std::string& candidate) {
          const std::string stem = std::string(directory.ConvertToChar()) + "\\" + candidate + ".";
          const auto file = [&](const std::string& ending) {
            return AXOCorGlobalServices::FindFile((stem + ending).c_str());
          };
          return spreadsheet ? file("xlsx") || file("xlsm") || file("xls") : file(type);
        });
        CATUnicodeString unique;
        EXPECT_EQ(AXOCorParserServices::GetUniqueFileName(directory, extension, name, unique),
                  expected == name);
        EXPECT_EQ(unique, expected.c_str());
      }
    }
  }
}

}  // namespace
