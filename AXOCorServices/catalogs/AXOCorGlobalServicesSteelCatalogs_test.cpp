#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "AXOTestDebugOutput.h"
#include "AXOTestTexts.h"
#include "catalogs/CatalogTestTree.h"

namespace {

std::vector<std::string> SteelCatalogNames(CATListValCATUnicodeString names = {}) {
  EXPECT_EQ(AXOCorGlobalServices::GetSteelCatalogNames(names), S_OK);
  return AXOTestTexts(names);
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

// The caller's names stay first; each name is kept once, also without
// startup paths.
TEST(GetSteelCatalogNames, RemovesDuplicatesTheCallerAlreadyHad) {
  CatalogTestTree tree;
  tree.WriteFile(std::string("p/") + kSteel + "S/IPE.catalog");
  tree.WriteFile(std::string("p/") + kSteel + "S/W.catalog");
  const struct {
    bool startupPaths;
    std::vector<const char*> given;
    std::vector<std::string> names;
  } cases[] = {
      {true, {"X", "IPE", "X"}, {"X", "IPE", "W"}},
      {false, {"A", "A", "B"}, {"A", "B"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.startupPaths);
    if (c.startupPaths) {
      tree.SetStartupPaths({"p"});
    } else {
      AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr);
    }
    CATListValCATUnicodeString names;
    for (const char* name : c.given) names.Append(name);
    EXPECT_EQ(SteelCatalogNames(names), c.names);
  }
}

TEST(GetSteelCatalogNames, TracesEveryEntryOfTheSteelFolders) {
  CatalogTestTree tree;
  tree.WriteFile(std::string("one/") + kSteel + "Euro/IPE.catalog");
  tree.WriteFile(std::string("one/") + kSteel + "Loose.catalog");
  tree.WriteFile(std::string("two/") + kSteel + "US/W.catalog");
  tree.SetStartupPaths({"one", "two"});
  AXOTestDebugOutput output;

  SteelCatalogNames();
  EXPECT_EQ(output.Text(), "\n\n----------- CATALOGS ---------------\nEuro\nLoose.catalog\nUS\n");
}

}  // namespace
