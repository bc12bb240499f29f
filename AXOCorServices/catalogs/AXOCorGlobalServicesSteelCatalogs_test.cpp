#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "CatalogTestTree.h"

namespace {

std::vector<std::string> Texts(const CATListValCATUnicodeString& list) {
  std::vector<std::string> texts;
  for (int i = 1; i <= list.Size(); ++i) texts.push_back(list[i].ConvertToChar());
  return texts;
}

std::vector<std::string> SteelCatalogNames(CATListValCATUnicodeString names = {}) {
  EXPECT_EQ(AXOCorGlobalServices::GetSteelCatalogNames(names), S_OK);
  return Texts(names);
}

const char kSteel[] = "Catalogs/Structural Steel/";

TEST(GetSteelCatalogNames, ListsEachNameOnceAtItsFirstOccurrence) {
  CatalogTestTree tree;
  tree.WriteFile(std::string("one/") + kSteel + "Euro/IPE.catalog");
  tree.WriteFile(std::string("one/") + kSteel + "Euro/HEA.catalog");
  tree.WriteFile(std::string("one/") + kSteel + "US/IPE.catalog");  // also in Euro
  tree.WriteFile(std::string("one/") + kSteel + "US/W.catalog");
  tree.WriteFile(std::string("two/") + kSteel + "Euro/HEA.catalog");  // also below "one"
  tree.WriteFile(std::string("two/") + kSteel + "Other/Z.catalog");
  tree.SetStartupPaths({"one", "missing", "two"});

  EXPECT_EQ(SteelCatalogNames(), (std::vector<std::string>{"HEA", "IPE", "W", "Z"}));
}

TEST(GetSteelCatalogNames, MatchesTheExtensionInAnyCaseButRemovesOnlyTheExactOne) {
  CatalogTestTree tree;
  tree.WriteFile(std::string("p/") + kSteel + "S/Beams.CATALOG");
  tree.WriteFile(std::string("p/") + kSteel + "S/Twice.catalog.catalog");
  tree.WriteFile(std::string("p/") + kSteel + "S/Mixed.Catalog.bak");
  tree.WriteFile(std::string("p/") + kSteel + "S/readme.txt");
  tree.SetStartupPaths({"p"});

  EXPECT_EQ(SteelCatalogNames(),
            (std::vector<std::string>{"Beams.CATALOG", "Mixed.Catalog.bak", "Twice.catalog"}));
}

TEST(GetSteelCatalogNames, LooksExactlyOneFolderLevelDown) {
  CatalogTestTree tree;
  tree.WriteFile(std::string("p/") + kSteel + "Loose.catalog");
  tree.WriteFile("p/Catalogs/Above.catalog");
  tree.WriteFile(std::string("p/") + kSteel + "S/Deeper/Deep.catalog");
  tree.MakeFolder(std::string("p/") + kSteel + "S/Folder.catalog");
  tree.WriteFile(std::string("p/") + kSteel + "S/Kept.catalog");
  tree.SetStartupPaths({"p"});

  EXPECT_EQ(SteelCatalogNames(), (std::vector<std::string>{"Kept"}));
}

TEST(GetSteelCatalogNames, RemovesDuplicatesTheCallerAlreadyHad) {
  CatalogTestTree tree;
  tree.WriteFile(std::string("p/") + kSteel + "S/IPE.catalog");
  tree.WriteFile(std::string("p/") + kSteel + "S/W.catalog");
  tree.SetStartupPaths({"p"});
  CATListValCATUnicodeString names;
  for (const char* name : {"X", "IPE", "X"}) names.Append(name);

  EXPECT_EQ(SteelCatalogNames(names), (std::vector<std::string>{"X", "IPE", "W"}));
}

TEST(GetSteelCatalogNames, WithoutStartupPathsOnlyRemovesDuplicates) {
  AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr);
  CATListValCATUnicodeString names;
  for (const char* name : {"A", "A", "B"}) names.Append(name);

  EXPECT_EQ(SteelCatalogNames(names), (std::vector<std::string>{"A", "B"}));
}

// Collects the debugger output instead of sending it on.
class CapturingPlatform : public AXOPlatformWrapper {
 public:
  CapturingPlatform() : AXOPlatformWrapper(AXOPlatform::Get()) { AXOPlatform::SetForTesting(this); }
  ~CapturingPlatform() override { AXOPlatform::SetForTesting(nullptr); }
  void DebugOutput(const std::string& text) override { output += text; }
  std::string output;
};

TEST(GetSteelCatalogNames, TracesEveryEntryOfTheSteelFolders) {
  CatalogTestTree tree;
  tree.WriteFile(std::string("one/") + kSteel + "Euro/IPE.catalog");
  tree.WriteFile(std::string("one/") + kSteel + "Loose.catalog");
  tree.WriteFile(std::string("two/") + kSteel + "US/W.catalog");
  tree.SetStartupPaths({"one", "two"});
  CapturingPlatform platform;

  SteelCatalogNames();
  EXPECT_EQ(platform.output, "\n\n----------- CATALOGS ---------------\nEuro\nLoose.catalog\nUS\n");
}

}  // namespace
