// Repository files that cannot be read: they load as empty repositories,
// and no save ever replaces them; they are set aside instead.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "AXOTestSpecialFiles.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"

namespace {

namespace fs = std::filesystem;

const char kName[] = "Damaged";

class CATSettingRepositoryUnreadable : public CATSettingTestFolder {
 protected:
  // The repository as a new process sees it.
  CATSettingRepository* Reopen() {
    CATSettingRepositoryTesting::ResetAll();
    return CATSettingRepository::GetRepository(kName, 0, 1, nullptr);
  }
  static std::vector<std::string> Unreadable() {
    CATListValCATUnicodeString files;
    const int count = CATSettingRepository::ListUnreadableFiles(kName, files);
    std::vector<std::string> names;
    for (int i = 1; i <= files.Size(); ++i) {
      names.push_back(fs::u8path(files[i].ConvertToChar()).filename().u8string());
    }
    EXPECT_EQ(count, files.Size());
    return names;
  }
  // Loads the repository, checks that it starts empty, and saves one value.
  HRESULT LoadWriteAndSave(int value) {
    CATSettingRepository* repository = Reopen();
    int read = -1;
    EXPECT_EQ(repository->ReadSetting("Key", &read, 1), 1);
    EXPECT_EQ(read, -1) << "an unreadable file loads as an empty repository";
    EXPECT_EQ(repository->WriteSetting("Key", &value, 1, 0), 1);
    return repository->SaveRepository();
  }
  std::string SavedFileWith(int value) const {
    return "CATSettings 2\nKey\tint\t" + std::to_string(value) + "\nCATSettings end 1\n";
  }
};

TEST_F(CATSettingRepositoryUnreadable, SaveSetsAsideEveryFileThatIsNotASettingsFile) {
  const std::string contents[] = {"\n", "Key\tint\t1\n", "CATSettings 2\nKey\tint\t1\n",
                                  std::string("\xFF\xFE\0garbage", 10), std::string(70000, 'x')};
  const std::string aside[] = {"Damaged.axosettings.unreadable", "Damaged.axosettings.unreadable-2",
                               "Damaged.axosettings.unreadable-3",
                               "Damaged.axosettings.unreadable-4",
                               "Damaged.axosettings.unreadable-5"};
  std::vector<std::string> listed;
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    WriteFile(UserFile(kName), contents[i]);
    std::vector<std::string> expected = {"Damaged.axosettings"};
    expected.insert(expected.end(), listed.begin(), listed.end());
    EXPECT_EQ(Unreadable(), expected);

    EXPECT_EQ(LoadWriteAndSave(i), S_OK);
    EXPECT_TRUE(ReadFile(folder_ / "user" / aside[i]) == contents[i]) << "the user's bytes";
    EXPECT_EQ(ReadFile(UserFile(kName)), SavedFileWith(i));
    listed.push_back(aside[i]);
    EXPECT_EQ(Unreadable(), listed);
  }
}

TEST_F(CATSettingRepositoryUnreadable, EmptyOrValidFilesAreReplacedAsUsual) {
  for (const char* content : {"", "CATSettings 1\n", "CATSettings 1\r\nOther\tint\t1\r\n"}) {
    SCOPED_TRACE(content);
    WriteFile(UserFile(kName), content);
    EXPECT_EQ(Unreadable(), std::vector<std::string>());
    CATSettingRepository* repository = Reopen();
    const int value = 3;
    ASSERT_EQ(repository->WriteSetting("Key", &value, 1, 0), 1);
    EXPECT_EQ(repository->SaveRepository(), S_OK);
    EXPECT_EQ(Unreadable(), std::vector<std::string>());
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "user"), fs::directory_iterator()), 1);
}

// A file cut short (a full disk, a copy broken off) lost the entries after
// the cut: it is damaged, set aside like any unreadable file, never read as
// a shorter valid repository whose next save writes defaults over the rest.
TEST_F(CATSettingRepositoryUnreadable, AFileCutShortIsSetAsideNotReadAsValid) {
  const std::string saved =
      "CATSettings 1\nCGRLimit\tint\t500\nSectionCatalogName\tunicode\tEU_HEB\n"
      "CATSettings end 2\n";
  const std::string older =
      "CATSettings 1\nCGRLimit\tint\t500\nSectionCatalogName\tunicode\tEU_HEB\n";
  const std::string marked =
      "CATSettings 2\nCGRLimit\tint\t500\nSectionCatalogName\tunicode\tEU_HEB\n"
      "CATSettings end 2\n";
  struct Case {
    std::string what;
    std::string content;
    bool unreadable;
  };
  std::vector<Case> cases = {
      {"marked, whole", marked, false},
      // The count takes in a line that is malformed (and skipped).
      {"marked, one malformed line",
       "CATSettings 2\nCGRLimit\tint\t500\nno fields\nCATSettings end 2\n", false},
      {"marked, a malformed line not counted",
       "CATSettings 2\nCGRLimit\tint\t500\nno fields\nCATSettings end 1\n", true},
      {"saved whole", saved, false},
      {"saved, cut inside an entry", saved.substr(0, 40), true},
      {"saved, cut inside the end marker", saved.substr(0, saved.size() - 2), true},
      {"saved, an entry lost", "CATSettings 1\nCGRLimit\tint\t500\nCATSettings end 2\n", true},
      {"saved, something after the end marker", saved + "Other\tint\t1\n", true},
      // Also what a saved file cut exactly before its end marker holds.
      {"older, whole", older, false},
      {"older, cut inside a key", older.substr(0, 17), true},
      {"older, cut inside a value", older.substr(0, older.size() - 3), true},
      {"older, cut inside a number", "CATSettings 1\nCGRLimit\tint\t5", true},
      // Indistinguishable from a whole file of the older format: taken.
      {"older, cut exactly at a line end", older.substr(0, older.find("Section")), false},
  };
  // Version 2 requires its marker: cut at any line end, it is damaged.
  for (std::size_t end = marked.find('\n'); end + 1 < marked.size();
       end = marked.find('\n', end + 1)) {
    cases.push_back(
        {"marked, cut after byte " + std::to_string(end + 1), marked.substr(0, end + 1), true});
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(folder_ / "user");
    fs::create_directories(folder_ / "user");
    WriteFile(UserFile(kName), c.content);
    if (!c.unreadable) {
      EXPECT_EQ(Unreadable(), std::vector<std::string>());
      continue;
    }
    EXPECT_EQ(Unreadable(), std::vector<std::string>{"Damaged.axosettings"});
    EXPECT_EQ(LoadWriteAndSave(1), S_OK);
    EXPECT_TRUE(ReadFile(folder_ / "user" / "Damaged.axosettings.unreadable") == c.content)
        << "the user's bytes, kept aside";
    EXPECT_EQ(ReadFile(UserFile(kName)), SavedFileWith(1));
    EXPECT_EQ(Unreadable(), std::vector<std::string>{"Damaged.axosettings.unreadable"});
  }
}

TEST_F(CATSettingRepositoryUnreadable, SetsAsideWhatIsNotARegularFile) {
  fs::create_directories(UserFile(kName) / "inside");
  EXPECT_EQ(LoadWriteAndSave(1), S_OK);
  EXPECT_TRUE(fs::is_directory(folder_ / "user" / "Damaged.axosettings.unreadable" / "inside"));
  EXPECT_EQ(ReadFile(UserFile(kName)), SavedFileWith(1));

  fs::remove(UserFile(kName));
  if (!AXOTestMakeFifo(UserFile(kName))) return;  // no FIFOs on this system
  HRESULT saved = E_FAIL;
  EXPECT_TRUE(AXOTestReturnsWithin(
      std::chrono::seconds(5), [&] { saved = LoadWriteAndSave(2); },
      [&] { AXOTestReleaseFifoReader(UserFile(kName)); }));
  EXPECT_EQ(saved, S_OK);
  EXPECT_TRUE(fs::is_fifo(folder_ / "user" / "Damaged.axosettings.unreadable-2"));
  EXPECT_EQ(ReadFile(UserFile(kName)), SavedFileWith(2));
}

TEST_F(CATSettingRepositoryUnreadable, SetsAsideAFileThatMayNotBeRead) {
  WriteFile(UserFile(kName), "CATSettings 1\nKey\tint\t7\n");
  fs::permissions(UserFile(kName), fs::perms::none);
  if (!ReadFile(UserFile(kName)).empty()) {
    fs::permissions(UserFile(kName), fs::perms::owner_all);
    GTEST_SKIP() << "this user reads files without the right to read them";
  }
  EXPECT_EQ(LoadWriteAndSave(8), S_OK);
  const fs::path aside = folder_ / "user" / "Damaged.axosettings.unreadable";
  fs::permissions(aside, fs::perms::owner_all);
  EXPECT_EQ(ReadFile(aside), "CATSettings 1\nKey\tint\t7\n");
  EXPECT_EQ(ReadFile(UserFile(kName)), SavedFileWith(8));
}

TEST_F(CATSettingRepositoryUnreadable, SaveFailsAndKeepsTheFileWhenItCannotBeSetAside) {
  WriteFile(UserFile(kName), "damaged");
  WriteFile(folder_ / "user" / "Damaged.axosettings.unreadable", "older");
  for (int n = 2; n <= 100; ++n) {
    WriteFile(folder_ / "user" / ("Damaged.axosettings.unreadable-" + std::to_string(n)), "");
  }
  EXPECT_EQ(LoadWriteAndSave(1), E_FAIL);
  EXPECT_EQ(ReadFile(UserFile(kName)), "damaged");
  EXPECT_EQ(ReadFile(folder_ / "user" / "Damaged.axosettings.unreadable"), "older");
}

TEST_F(CATSettingRepositoryUnreadable, ListsOnlyThisRepositorysCopiesInTheirOrder) {
  for (const char* name :
       {"Damaged.axosettings.unreadable-10", "Damaged.axosettings.unreadable-2",
        "Damaged.axosettings.unreadable", "Damaged.axosettings.unreadable-1",
        "Damaged.axosettings.unreadable-02", "Damaged.axosettings.unreadable.bak",
        "Other.axosettings.unreadable", "Damaged.axosettings"}) {
    WriteFile(folder_ / "user" / name, "CATSettings 1\n");
  }
  EXPECT_EQ(Unreadable(), (std::vector<std::string>{"Damaged.axosettings.unreadable",
                                                    "Damaged.axosettings.unreadable-2",
                                                    "Damaged.axosettings.unreadable-10"}));
  CATListValCATUnicodeString files;
  EXPECT_EQ(CATSettingRepository::ListUnreadableFiles("../Damaged", files), 0);
  EXPECT_EQ(CATSettingRepository::ListUnreadableFiles(nullptr, files), 0);
  EXPECT_EQ(files.Size(), 0);
}

}  // namespace
