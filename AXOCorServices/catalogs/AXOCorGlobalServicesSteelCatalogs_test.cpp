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

// Files one folder below the steel folders, in listing order, each name
// once; the extension matches in any letter case, only the exact one goes.
TEST(GetSteelCatalogNames, ListsEachCatalogOneFolderDownOnce) {
  CatalogTestTree tree;
  // "one/x" stands for "one/Catalogs/Structural Steel/x".
  for (const char* file :
       {"one/Euro/IPE.catalog", "one/Euro/HEA.catalog", "one/US/IPE.catalog", "one/US/W.catalog",
        "two/Euro/HEA.catalog", "two/Other/Z.catalog", "one/Mix/Beams.CATALOG",
        "one/Mix/Twice.catalog.catalog", "one/Mix/Mixed.Catalog.bak", "one/Mix/readme.txt",
        "one/Loose.catalog", "one/Mix/Deeper/Deep.catalog"}) {
    tree.WriteFile(std::string(file, 4) + kSteel + (file + 4));
  }
  tree.WriteFile("one/Catalogs/Above.catalog");
  tree.MakeFolder(std::string("one/") + kSteel + "Mix/Folder.catalog");
  tree.SetStartupPaths({"one", "missing", "two"});

  EXPECT_EQ(SteelCatalogNames(),
            (std::vector<std::string>{"HEA", "IPE", "Beams.CATALOG", "Mixed.Catalog.bak",
                                      "Twice.catalog", "W", "Z"}));
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
