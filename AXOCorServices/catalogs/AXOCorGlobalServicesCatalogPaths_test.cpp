#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"
#include "CatalogTestTree.h"

namespace {

struct FullPathResult {
  HRESULT result;
  std::string path;
};

FullPathResult FullPath(const char* name, const char* folder) {
  CATUnicodeString path("stale");
  const HRESULT result = AXOCorGlobalServices::GetCatalogFullPath(name, folder, path);
  return {result, path.ConvertToChar()};
}

TEST(GetCatalogFullPath, TheFirstStartupPathHoldingTheCatalogWins) {
  CatalogTestTree tree;
  tree.WriteFile("one/Catalogs/Doors/Std/Door.catalog");
  tree.WriteFile("two/Catalogs/Doors/Std/Door.catalog");
  tree.SetStartupPaths({"empty", "one", "two"});

  const FullPathResult found = FullPath("Door", "Doors\\Std");
  EXPECT_EQ(found.result, S_OK);
  EXPECT_EQ(found.path, tree.Host("one") + "\\Catalogs\\Doors\\Std\\Door.catalog");
}

TEST(GetCatalogFullPath, ADirectoryNamedLikeTheCatalogIsSkipped) {
  CatalogTestTree tree;
  tree.MakeFolder("one/Catalogs/Doors/Door.catalog");
  tree.WriteFile("two/Catalogs/Doors/Door.catalog");
  tree.SetStartupPaths({"one", "two"});

  const FullPathResult found = FullPath("Door", "Doors");
  EXPECT_EQ(found.result, S_OK);
  EXPECT_EQ(found.path, tree.Host("two") + "\\Catalogs\\Doors\\Door.catalog");
}

TEST(GetCatalogFullPath, AnEmptyFolderGivesADoubledSeparatorThatStillFindsTheFile) {
  CatalogTestTree tree;
  tree.WriteFile("one/Catalogs/Door.catalog");
  tree.SetStartupPaths({"one"});

  const FullPathResult found = FullPath("Door", "");
  EXPECT_EQ(found.result, S_OK);
  EXPECT_EQ(found.path, tree.Host("one") + "\\Catalogs\\\\Door.catalog");
}

TEST(GetCatalogFullPath, FailsWithAnEmptyPathWhenNothingIsFound) {
  CatalogTestTree tree;
  tree.WriteFile("one/Catalogs/Doors/Window.catalog");
  tree.WriteFile("one/Catalogs/Doors/Door.catalog.bak");
  tree.SetStartupPaths({"one"});
  for (const char* name : {"Door", "Window.catalog", ""}) {
    SCOPED_TRACE(name);
    const FullPathResult missing = FullPath(name, "Doors");
    EXPECT_EQ(missing.result, E_FAIL);
    EXPECT_EQ(missing.path, "");
  }

  AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr);
  const FullPathResult unset = FullPath("Window", "Doors");
  EXPECT_EQ(unset.result, E_FAIL);
  EXPECT_EQ(unset.path, "");
}

// ---- Last used catalog ---------------------------------------------------------

class LastUsedCatalogTest : public CATSettingTestFolder {
 protected:
  static constexpr const char* kRepository = "AXOCatalogSettings";

  struct Stored {
    HRESULT result;
    std::string path;
  };
  static Stored Get(const char* setting, const char* preset = "preset") {
    CATUnicodeString path(preset);
    const HRESULT result = AXOCorGlobalServices::GetLastUsedCatalog(setting, path);
    return {result, path.ConvertToChar()};
  }

  CatalogTestTree tree_;
};

TEST_F(LastUsedCatalogTest, AStoredExistingFileIsAnsweredAndSaved) {
  tree_.WriteFile("Catalogs/Steel.catalog");
  const std::string path = tree_.Host("Catalogs/Steel.catalog");
  ASSERT_EQ(AXOCorGlobalServices::SetLastUsedCatalog("SteelCatalog", path.c_str()), S_OK);
  EXPECT_TRUE(std::filesystem::exists(UserFile(kRepository)));

  const Stored stored = Get("SteelCatalog");
  EXPECT_EQ(stored.result, S_OK);
  EXPECT_EQ(stored.path, path);

  // A new process reads what was saved.
  CATSettingRepositoryTesting::ResetAll();
  EXPECT_EQ(Get("SteelCatalog").path, path);
}

TEST_F(LastUsedCatalogTest, AStoredFileThatIsGoneOrAFolderFailsButIsHandedBack) {
  tree_.WriteFile("Catalogs/Gone.catalog");
  tree_.MakeFolder("Catalogs/Folder.catalog");
  const std::string gone = tree_.Host("Catalogs/Gone.catalog");
  const std::string folder = tree_.Host("Catalogs/Folder.catalog");
  ASSERT_EQ(AXOCorGlobalServices::SetLastUsedCatalog("A", gone.c_str()), S_OK);
  ASSERT_EQ(AXOCorGlobalServices::SetLastUsedCatalog("B", folder.c_str()), S_OK);
  std::filesystem::remove(tree_.Native("Catalogs/Gone.catalog"));

  const Stored deleted = Get("A");
  EXPECT_EQ(deleted.result, E_FAIL);
  EXPECT_EQ(deleted.path, gone);
  const Stored directory = Get("B");
  EXPECT_EQ(directory.result, E_FAIL);
  EXPECT_EQ(directory.path, folder);
}

TEST_F(LastUsedCatalogTest, AnyTextIsStored) {
  for (const char* text : {"not a path at all", "", "C:\\Zürich\\x.catalog"}) {
    SCOPED_TRACE(text);
    ASSERT_EQ(AXOCorGlobalServices::SetLastUsedCatalog("Any", text), S_OK);
    const Stored stored = Get("Any");
    EXPECT_EQ(stored.result, E_FAIL);
    EXPECT_EQ(stored.path, text);
  }
}

TEST_F(LastUsedCatalogTest, ASettingNeverWrittenFailsWithoutPassingTheCallersTextOff) {
  // The caller's text names an existing file, yet nothing was stored.
  tree_.WriteFile("Catalogs/Mine.catalog");
  const std::string mine = tree_.Host("Catalogs/Mine.catalog");
  const Stored never = Get("Never", mine.c_str());
  EXPECT_EQ(never.result, E_FAIL);
  EXPECT_EQ(never.path, "");

  CATSettingRepositoryTesting::SetStrictReads(kRepository, true);
  const Stored strict = Get("Never", mine.c_str());
  EXPECT_EQ(strict.result, E_FAIL);
  EXPECT_EQ(strict.path, mine);  // a refused read leaves it alone
}

TEST_F(LastUsedCatalogTest, FailsAndSavesNothingWhenTheRepositoryRefuses) {
  CATSettingRepositoryTesting::RefuseWrites(kRepository, "Refused", true);
  EXPECT_EQ(AXOCorGlobalServices::SetLastUsedCatalog("Refused", "x"), E_FAIL);
  EXPECT_FALSE(std::filesystem::exists(UserFile(kRepository)));

  CATSettingRepositoryTesting::RefuseReads(kRepository, "Refused", true);
  EXPECT_EQ(Get("Refused").result, E_FAIL);
}

TEST_F(LastUsedCatalogTest, FailsWithoutRepository) {
  CATSettingRepositoryTesting::SetUnavailable(kRepository, true);
  EXPECT_EQ(AXOCorGlobalServices::SetLastUsedCatalog("Any", "x"), E_FAIL);
  const Stored stored = Get("Any");
  EXPECT_EQ(stored.result, E_FAIL);
  EXPECT_EQ(stored.path, "preset");
}

}  // namespace
