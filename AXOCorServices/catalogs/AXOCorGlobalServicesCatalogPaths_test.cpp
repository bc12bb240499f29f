#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"
#include "catalogs/CatalogTestTree.h"

namespace {

TEST(GetCatalogFullPath, FindsTheFileInTheFirstStartupPathThatHoldsIt) {
  CatalogTestTree tree;
  tree.WriteFile("one/Catalogs/Doors/Std/Door.catalog");
  tree.WriteFile("two/Catalogs/Doors/Std/Door.catalog");
  tree.MakeFolder("one/Catalogs/Doors/Door.catalog");  // a folder named like the catalog
  tree.WriteFile("two/Catalogs/Doors/Door.catalog");
  tree.WriteFile("one/Catalogs/Door.catalog");
  tree.WriteFile("one/Catalogs/Misc/Window.catalog");
  tree.WriteFile("one/Catalogs/Misc/Door.catalog.bak");
  tree.SetStartupPaths({"empty", "one", "two"});
  const struct {
    const char* name;
    const char* folder;
    const char* found;  // below the tree; null: not found
  } cases[] = {
      {"Door", "Doors\\Std", "one\\Catalogs\\Doors\\Std\\Door.catalog"},
      {"Door", "Doors", "two\\Catalogs\\Doors\\Door.catalog"},
      {"Door", "", "one\\Catalogs\\\\Door.catalog"},  // the file system takes the doubled "\"
      {"Window", "Misc", "one\\Catalogs\\Misc\\Window.catalog"},
      {"Door", "Misc", nullptr},
      {"Window.catalog", "Misc", nullptr},
      {"", "Misc", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.folder) + "\\" + c.name);
    CATUnicodeString path("stale");
    EXPECT_EQ(AXOCorGlobalServices::GetCatalogFullPath(c.name, c.folder, path),
              c.found != nullptr ? S_OK : E_FAIL);
    EXPECT_EQ(path.ConvertToChar(), c.found != nullptr ? tree.Host() + "\\" + c.found : "");
  }
  AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr);
  CATUnicodeString path("stale");
  EXPECT_EQ(AXOCorGlobalServices::GetCatalogFullPath("Window", "Misc", path), E_FAIL);
  EXPECT_EQ(path, "");
}

// ---- Last used catalog ---------------------------------------------------------

class LastUsedCatalogTest : public CATSettingTestFolder {
 protected:
  static constexpr const char* kRepository = "AXOCatalogSettings";
  CatalogTestTree tree_;
};

// Any text is stored, and saved at once; it is answered with S_OK only when
// it names an existing file. A setting that cannot be read leaves the
// caller's text, one never written empties it.
TEST_F(LastUsedCatalogTest, AnswersTheStoredTextAndWhetherItIsAFile) {
  tree_.WriteFile("Catalogs/Steel.catalog");
  tree_.WriteFile("Catalogs/Gone.catalog");
  tree_.MakeFolder("Catalogs/Folder.catalog");
  tree_.WriteFile("Catalogs/Mine.catalog");
  const std::string mine = tree_.Host("Catalogs/Mine.catalog");
  const struct {
    const char* what;
    std::string stored;  // "-": nothing stored
    void (*control)(const char* key);
    HRESULT result;
    std::string answer;
  } cases[] = {
      {"an existing file", tree_.Host("Catalogs/Steel.catalog"), nullptr, S_OK,
       tree_.Host("Catalogs/Steel.catalog")},
      {"a file since removed", tree_.Host("Catalogs/Gone.catalog"), nullptr, E_FAIL,
       tree_.Host("Catalogs/Gone.catalog")},
      {"a folder", tree_.Host("Catalogs/Folder.catalog"), nullptr, E_FAIL,
       tree_.Host("Catalogs/Folder.catalog")},
      {"not a path", "not a path at all", nullptr, E_FAIL, "not a path at all"},
      {"empty", "", nullptr, E_FAIL, ""},
      {"not ASCII", "C:\\Zürich\\x.catalog", nullptr, E_FAIL, "C:\\Zürich\\x.catalog"},
      {"never written", "-", nullptr, E_FAIL, ""},
      {"never written, reported missing", "-",
       [](const char*) { CATSettingRepositoryTesting::SetStrictReads(kRepository, true); }, E_FAIL,
       mine},
      {"read refused", tree_.Host("Catalogs/Steel.catalog"),
       [](const char* key) { CATSettingRepositoryTesting::RefuseReads(kRepository, key, true); },
       E_FAIL, mine},
      {"read as two values", tree_.Host("Catalogs/Steel.catalog"),
       [](const char* key) { CATSettingRepositoryTesting::OverstateReads(kRepository, key, true); },
       E_FAIL, mine},
  };
  std::filesystem::remove(tree_.Native("Catalogs/Gone.catalog"));
  int serial = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string key = "Kind" + std::to_string(++serial);
    if (c.stored != "-") {
      ASSERT_EQ(AXOCorGlobalServices::SetLastUsedCatalog(key.c_str(), c.stored.c_str()), S_OK);
      CATSettingRepositoryTesting::ResetAll();  // a new process reads what was saved
    }
    if (c.control != nullptr) c.control(key.c_str());
    CATUnicodeString answer(mine.c_str());
    EXPECT_EQ(AXOCorGlobalServices::GetLastUsedCatalog(key.c_str(), answer), c.result);
    EXPECT_EQ(answer.ConvertToChar(), c.answer);
    CATSettingRepositoryTesting::ResetAll();
  }
}

TEST_F(LastUsedCatalogTest, FailsAndSavesNothingWhenTheRepositoryRefuses) {
  CATSettingRepositoryTesting::RefuseWrites(kRepository, "Refused", true);
  EXPECT_EQ(AXOCorGlobalServices::SetLastUsedCatalog("Refused", "x"), E_FAIL);
  EXPECT_FALSE(std::filesystem::exists(UserFile(kRepository)));

  CATSettingRepositoryTesting::SetUnavailable(kRepository, true);
  EXPECT_EQ(AXOCorGlobalServices::SetLastUsedCatalog("Any", "x"), E_FAIL);
  CATUnicodeString answer("preset");
  EXPECT_EQ(AXOCorGlobalServices::GetLastUsedCatalog("Any", answer), E_FAIL);
  EXPECT_EQ(answer, "preset");
}

}  // namespace
