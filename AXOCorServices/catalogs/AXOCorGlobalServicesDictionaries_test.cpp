#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "AXOTestTexts.h"

namespace {

const std::vector<std::string> kFixedOrder = {
    "AXOAttBasePackages.CATfct",
    "AXOIfcProjectStructure.CATfct",
    "AXOIfcPropertySets.CATfct",
    "AXOIfcQuantities.CATfct",
    "AXODoorsandWindows.CATfct",
    "AXOMasterFormat.CATfct",
    "AXOUniformat.CATfct",
    "AXODraftingRules.CATfct",
    "AXOUnspecifiedAttributes.CATfct",
    "AXOVersionControl.CATfct",
    "AXODesignCollaboration.CATfct",
    "AXOConstructionAdministration.CATfct",
    "AXOUnspecifiedGroups.CATfct",
};

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class Dictionaries : public ::testing::Test {
 protected:
  void TearDown() override { AXOPlatform::Get()->SetEnv("CATGraphicPath", nullptr); }

  // Sets "CATGraphicPath" to the host paths of `relatives`, joined by ";".
  void SetGraphicPaths(const std::vector<std::string>& relatives) {
    std::string value;
    for (const std::string& relative : relatives) {
      if (!value.empty()) value += ";";
      value += folder_.Host(relative);
    }
    AXOPlatform::Get()->SetEnv("CATGraphicPath", value.c_str());
  }

  std::vector<std::string> All() {
    CATListValCATUnicodeString list;
    AXOCorGlobalServices::GetAllAvailableDico(list);
    return AXOTestTexts(list);
  }
  std::vector<std::string> Ordered() {
    CATListValCATUnicodeString list;
    AXOCorGlobalServices::GetOrderedDicoList(list);
    return AXOTestTexts(list);
  }

  AXOTestTempFolder folder_;
};

TEST_F(Dictionaries, ListsOnlyAddOnDictionaryFiles) {
  for (const char* name :
       {"AXOMasterFormat.CATfct", "AXOBaseGeometry.catfct", "AXOBaseGeometry.CATFCT",
        "axobasegeometry.catfct", "MyAXOnotes.catfct.bak", "axocustom.catfct", "Other.CATfct",
        "AXONotes.txt", "CATfct.AXO"}) {
    folder_.WriteFile(std::string("g/Dictionaries/") + name);
  }
  folder_.MakeFolder("g/Dictionaries/AXOFolder.CATfct");
  SetGraphicPaths({"g/Dictionaries"});
  // Base geometry is left out in any letter case; the two texts may stand
  // anywhere in the name, in any letter case.
  EXPECT_EQ(All(), (std::vector<std::string>{"AXOMasterFormat.CATfct", "MyAXOnotes.catfct.bak",
                                             "axocustom.catfct"}));
}

TEST_F(Dictionaries, LooksOnlyIntoDictionaryFolders) {
  struct Case {
    const char* folder;
    bool searched;
  } cases[] = {
      {"a/Dictionaries", true},
      {"b/resources/graphic", true},
      {"c/resources/graphic/icons", false},
      {"d/dictionaries", false},
      {"e/Resources/Graphic", false},
      {"f/Dictionaries/sub", false},
      {"g/Dictionaries/x/Dictionaries", true},
      {"h/resources/graphic/x/resources/graphic", false},  // its first occurrence counts
      {"i", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    folder_.WriteFile(std::string(c.folder) + "/AXOFound.CATfct");
    SetGraphicPaths({c.folder});
    EXPECT_EQ(All(), c.searched ? std::vector<std::string>{"AXOFound.CATfct"}
                                : std::vector<std::string>{});
  }
  // Written with "/", as a shell exports it: the same folder.
  const std::string slashed = folder_.Host("a/Dictionaries");
  std::string with_slashes = slashed;
  for (char& c : with_slashes) c = c == '\\' ? '/' : c;
  AXOPlatform::Get()->SetEnv("CATGraphicPath", with_slashes.c_str());
  EXPECT_EQ(All(), std::vector<std::string>{"AXOFound.CATfct"}) << with_slashes;
}

TEST_F(Dictionaries, ListsEachNameOnceFromFirstFolderAndKeepsCallerEntries) {
  folder_.WriteFile("one/Dictionaries/AXOShared.CATfct");
  folder_.WriteFile("one/Dictionaries/AXOFirst.CATfct");
  folder_.WriteFile("two/resources/graphic/AXOShared.CATfct");
  folder_.WriteFile("two/resources/graphic/AXOKnown.CATfct");
  folder_.WriteFile("two/resources/graphic/AXOSecond.CATfct");
  SetGraphicPaths({"missing/Dictionaries", "one/Dictionaries", "two/resources/graphic"});
  CATListValCATUnicodeString list;
  list.Append("AXOKnown.CATfct");
  AXOCorGlobalServices::GetAllAvailableDico(list);
  EXPECT_EQ(AXOTestTexts(list), (std::vector<std::string>{"AXOKnown.CATfct", "AXOFirst.CATfct",
                                                          "AXOShared.CATfct", "AXOSecond.CATfct"}));
}

TEST_F(Dictionaries, NoGraphicPathGivesNothingInEitherList) {
  AXOPlatform::Get()->SetEnv("CATGraphicPath", nullptr);
  EXPECT_EQ(All(), std::vector<std::string>{});
  CATListValCATUnicodeString list;
  list.Append("kept");
  AXOCorGlobalServices::GetOrderedDicoList(list);
  EXPECT_EQ(AXOTestTexts(list), std::vector<std::string>{"kept"});

  folder_.WriteFile("g/Dictionaries/Unrelated.CATfct");  // found folder, no dictionary
  SetGraphicPaths({"g/Dictionaries"});
  EXPECT_EQ(Ordered(), std::vector<std::string>{});
}

TEST_F(Dictionaries, OrderedListGivesFixedOrderThenExtrasInReverse) {
  struct Case {
    const char* what;
    std::vector<std::string> installed;
    std::vector<std::string> extras;
  } cases[] = {
      {"one fixed dictionary", {"AXOMasterFormat.CATfct"}, {}},
      {"arc catalog left out",
       {"AXOArcCatalog.CATfct", "AXOCustom.CATfct", "AXOUniformat.CATfct"},
       {"AXOCustom.CATfct"}},
      {"extras reversed",
       {"AXOa.CATfct", "AXOb.CATfct", "AXOc.CATfct"},
       {"AXOc.CATfct", "AXOb.CATfct", "AXOa.CATfct"}},
      {"case variant listed twice", {"AXOUniformat.catfct"}, {"AXOUniformat.catfct"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(folder_.Native("g"));
    for (const std::string& name : c.installed) folder_.WriteFile("g/Dictionaries/" + name);
    SetGraphicPaths({"g/Dictionaries"});
    EXPECT_EQ(Ordered(), Concat(kFixedOrder, c.extras));
  }
}

TEST_F(Dictionaries, OrderedListAppendsFixedNamesEvenWhenCallerHoldsThem) {
  folder_.WriteFile("g/Dictionaries/AXOMasterFormat.CATfct");
  folder_.WriteFile("g/Dictionaries/AXOCustom.CATfct");
  SetGraphicPaths({"g/Dictionaries"});
  CATListValCATUnicodeString list;
  list.Append("AXOMasterFormat.CATfct");
  list.Append("AXOCustom.CATfct");
  AXOCorGlobalServices::GetOrderedDicoList(list);
  EXPECT_EQ(AXOTestTexts(list),
            Concat({"AXOMasterFormat.CATfct", "AXOCustom.CATfct"}, kFixedOrder));
}

}  // namespace
