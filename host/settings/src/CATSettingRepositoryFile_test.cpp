// The repository file: what a save writes, what the next process loads, and
// that a failed save keeps the previous file.
#include <gtest/gtest.h>

#include <limits>

#include "AXOPlatform.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"

namespace {

class CATSettingRepositoryFile : public CATSettingTestFolder {
 protected:
  CATSettingRepository* Open() {
    return CATSettingRepository::GetRepository("FileRepository", 0, 1, nullptr);
  }
  // The repository as the next process sees it.
  CATSettingRepository* Reopen() {
    CATSettingRepositoryTesting::ResetAll();
    return Open();
  }
};

TEST_F(CATSettingRepositoryFile, SavedValuesLoadInTheNextProcess) {
  CATSettingRepository* repository = Open();
  const int limits[3] = {std::numeric_limits<int>::min(), 0, std::numeric_limits<int>::max()};
  const long unit = 4;
  const CATString bytes(std::string("a\tb\nc\rd\\e\x01\x7f\0f", 12).c_str(), 12);
  const CATUnicodeString name("Cat\xC3\xA9gorie \xE2\x82\xAC");
  const CATUnicodeString empty;
  ASSERT_EQ(repository->WriteSetting("Limits", limits, 3, 0), 3);
  ASSERT_EQ(repository->WriteSetting("UnitOfDxfFile", &unit, 1, 0), 1);
  ASSERT_EQ(repository->WriteSetting("Bytes", &bytes, 0), 1);
  ASSERT_EQ(repository->WriteSetting("key\twith\nbreaks\\", &name, 0), 1);
  ASSERT_EQ(repository->WriteSetting("Empty", &empty, 0), 1);
  // Keys that read like the format's own lines, beside a plain one.
  const long marker = 9;
  ASSERT_EQ(repository->WriteSetting("CATSettings end 1", &marker, 1, 0), 1);
  ASSERT_EQ(repository->WriteSetting("CATSettings 2", &name, 0), 1);
  ASSERT_EQ(repository->WriteSetting("Plain", &unit, 1, 0), 1);
  ASSERT_EQ(repository->SaveRepository(), S_OK);

  repository = Reopen();
  int read_limits[3] = {};
  long read_unit = 0;
  CATString read_bytes;
  CATUnicodeString read_name;
  CATUnicodeString read_empty("preset");
  EXPECT_EQ(repository->ReadSetting("Limits", read_limits, 3), 3);
  EXPECT_EQ(read_limits[0], limits[0]);
  EXPECT_EQ(read_limits[2], limits[2]);
  EXPECT_EQ(repository->ReadSetting("UnitOfDxfFile", &read_unit, 1), 1);
  EXPECT_EQ(read_unit, 4);
  EXPECT_EQ(repository->ReadSetting("Bytes", &read_bytes), 1);
  EXPECT_EQ(read_bytes, bytes);
  EXPECT_EQ(repository->ReadSetting("key\twith\nbreaks\\", &read_name), 1);
  EXPECT_EQ(read_name, name);
  EXPECT_EQ(repository->ReadSetting("Empty", &read_empty), 1);
  EXPECT_EQ(read_empty, "");
  long read_marker = 0;
  long read_plain = 0;
  CATUnicodeString read_header;
  EXPECT_EQ(repository->ReadSetting("CATSettings end 1", &read_marker, 1), 1);
  EXPECT_EQ(read_marker, 9);
  EXPECT_EQ(repository->ReadSetting("CATSettings 2", &read_header), 1);
  EXPECT_EQ(read_header, name);
  EXPECT_EQ(repository->ReadSetting("Plain", &read_plain, 1), 1);
  EXPECT_EQ(read_plain, 4) << "not taken for a default";
  CATListValCATUnicodeString unreadable;
  EXPECT_EQ(CATSettingRepository::ListUnreadableFiles("FileRepository", unreadable), 0);
}

TEST_F(CATSettingRepositoryFile, WritesWithoutASaveDieWithTheProcess) {
  CATSettingRepository* repository = Open();
  const int value = 9;
  ASSERT_EQ(repository->WriteSetting("Key", &value, 1, 0), 1);
  repository = Reopen();
  int read = 1;
  EXPECT_EQ(repository->ReadSetting("Key", &read, 1), 1);
  EXPECT_EQ(read, 1);
  EXPECT_FALSE(std::filesystem::exists(UserFile("FileRepository")));
}

TEST_F(CATSettingRepositoryFile, ASavedFileKeepsItsPermissions) {
  CATSettingRepository* repository = Open();
  ASSERT_EQ(repository->SaveRepository(), S_OK);
  const std::filesystem::path file = UserFile("FileRepository");
  std::filesystem::permissions(file, std::filesystem::perms(0640));
  const int before = static_cast<int>(std::filesystem::status(file).permissions());
  const int value = 1;
  ASSERT_EQ(repository->WriteSetting("Key", &value, 1, 0), 1);
  ASSERT_EQ(repository->SaveRepository(), S_OK);
  EXPECT_EQ(static_cast<int>(std::filesystem::status(file).permissions()), before);
  EXPECT_EQ(ReadFile(file), "CATSettings 2\nKey\tint\t1\nCATSettings end 1\n");
}

TEST_F(CATSettingRepositoryFile, WritesOneReadableLinePerKeyInKeyOrder) {
  CATSettingRepository* repository = Open();
  const int pair[2] = {1, -2};
  const long unit = 3;
  const CATString text("x\ty");
  ASSERT_EQ(repository->WriteSetting("B", &text, 0), 1);
  ASSERT_EQ(repository->WriteSetting("A", pair, 2, 0), 2);
  ASSERT_EQ(repository->WriteSetting("C", &unit, 1, 0), 1);
  ASSERT_EQ(repository->SaveRepository(), S_OK);
  EXPECT_EQ(ReadFile(UserFile("FileRepository")),
            "CATSettings 2\nA\tint\t1 -2\nB\tstring\tx\\ty\nC\tlong\t3\nCATSettings end 3\n");
}

TEST_F(CATSettingRepositoryFile, ForeignOrCorruptFileLoadsEmpty) {
  const std::string contents[] = {"", "\n", "A\tint\t1\n", "CATSettings 2\nA\tint\t1\n",
                                  std::string("\xFF\xFE\0garbage", 10)};
  for (const std::string& content : contents) {
    SCOPED_TRACE(content);
    WriteFile(UserFile("FileRepository"), content);
    CATSettingRepository* repository = Reopen();
    int value = 42;
    EXPECT_EQ(repository->ReadSetting("A", &value, 1), 1);
    EXPECT_EQ(value, 42);
  }
}

TEST_F(CATSettingRepositoryFile, SkipsMalformedLinesAndKeepsTheOthers) {
  const char* const bad_lines[] = {"NoTabs",
                                   "Key\tint",
                                   "Key\tfloat\t1",
                                   "Key\tint\t",
                                   "Key\tint\t1  2",
                                   "Key\tint\t1x",
                                   "Key\tint\t-",
                                   "Key\tint\t2147483648",
                                   "Key\tlong\t-2147483649",
                                   "Key\tstring\tbad\\q",
                                   "Key\tstring\ttrail\\",
                                   "Key\tstring\t\\x4",
                                   "Key\tstring\t\\xZZ",
                                   "\tint\t1",
                                   "bad\\key\tint\t1"};
  for (const char* bad : bad_lines) {
    SCOPED_TRACE(bad);
    WriteFile(UserFile("FileRepository"), std::string("CATSettings 1\r\nBefore\tint\t1\r\n") + bad +
                                              "\nKey\tint\t5\nAfter\tstring\tz\n");
    CATSettingRepository* repository = Reopen();
    int before = 0;
    int key = 0;
    CATString after;
    EXPECT_EQ(repository->ReadSetting("Before", &before, 1), 1);
    EXPECT_EQ(before, 1);
    EXPECT_EQ(repository->ReadSetting("Key", &key, 1), 1);
    EXPECT_EQ(key, 5);  // the later good line of the same key counts
    EXPECT_EQ(repository->ReadSetting("After", &after), 1);
    EXPECT_EQ(after, "z");
  }
}

// A platform whose atomic replacements fail, as on a full disk.
class FailingReplacePlatform : public AXOPlatformWrapper {
 public:
  FailingReplacePlatform() : AXOPlatformWrapper(AXOPlatform::Get()) {}
  AXOStatus ReplaceFile(const std::string& path, const std::string&, AXOReplace) override {
    return AXOStatus(AXOStatusCode::kNoSpace, path);
  }
};

TEST_F(CATSettingRepositoryFile, FailedSaveLeavesThePreviousFile) {
  CATSettingRepository* repository = Open();
  const int first = 1;
  ASSERT_EQ(repository->WriteSetting("Key", &first, 1, 0), 1);
  ASSERT_EQ(repository->SaveRepository(), S_OK);
  const std::string saved = ReadFile(UserFile("FileRepository"));

  const int second = 2;
  ASSERT_EQ(repository->WriteSetting("Key", &second, 1, 0), 1);
  {
    FailingReplacePlatform failing;
    AXOPlatform::SetForTesting(&failing);
    EXPECT_EQ(repository->SaveRepository(), E_FAIL);
    AXOPlatform::SetForTesting(nullptr);
  }
  EXPECT_EQ(ReadFile(UserFile("FileRepository")), saved);

  EXPECT_EQ(repository->SaveRepository(), S_OK);
  int value = 0;
  EXPECT_EQ(Reopen()->ReadSetting("Key", &value, 1), 1);
  EXPECT_EQ(value, 2);
}

TEST_F(CATSettingRepositoryFile, SaveFailsWhenTheSettingsFolderCannotBeMade) {
  WriteFile(folder_ / "plain-file", "x");
  AXOPlatform::Get()->SetEnv("CATUserSettingPath",
                             (folder_ / "plain-file" / "settings").u8string().c_str());
  CATSettingRepository* repository = Open();
  const int value = 1;
  ASSERT_EQ(repository->WriteSetting("Key", &value, 1, 0), 1);
  EXPECT_EQ(repository->SaveRepository(), E_FAIL);
  EXPECT_EQ(ReadFile(folder_ / "plain-file"), "x");
}

TEST_F(CATSettingRepositoryFile, SavesToANamedFileInsteadWhenGivenOne) {
  CATSettingRepository* repository = Open();
  const int value = 1;
  ASSERT_EQ(repository->WriteSetting("Key", &value, 1, 0), 1);
  const std::filesystem::path copy = folder_ / "copy.axosettings";
  EXPECT_EQ(repository->SaveRepository(copy.u8string().c_str()), S_OK);
  EXPECT_EQ(ReadFile(copy), "CATSettings 2\nKey\tint\t1\nCATSettings end 1\n");
  EXPECT_FALSE(std::filesystem::exists(UserFile("FileRepository")));
  EXPECT_EQ(repository->SaveRepository((folder_ / "missing" / "x").u8string().c_str()), E_FAIL);
}

// The platform's user data folder stands in for the user's profile.
class UserDataFolderPlatform : public AXOPlatformWrapper {
 public:
  UserDataFolderPlatform(AXOPlatform* target, std::string folder)
      : AXOPlatformWrapper(target), folder_(std::move(folder)) {}
  AXOStatus UserDataFolder(std::string& folder) override {
    folder = folder_;
    return AXOStatus();
  }

 private:
  std::string folder_;
};

TEST_F(CATSettingRepositoryFile, WithoutTheVariableSavesBelowTheUsersDataFolder) {
  UserDataFolderPlatform platform(AXOPlatform::Get(), (folder_ / "profile").u8string());
  AXOPlatform::SetForTesting(&platform);
  AXOPlatform::Get()->SetEnv("CATUserSettingPath", nullptr);
  CATSettingRepository* repository = Open();
  const int value = 1;
  EXPECT_EQ(repository->WriteSetting("Key", &value, 1, 0), 1);
  EXPECT_EQ(repository->SaveRepository(), S_OK);
  AXOPlatform::SetForTesting(nullptr);
  EXPECT_TRUE(
      std::filesystem::exists(folder_ / "profile" / "CATSettings" / "FileRepository.axosettings"));
}

}  // namespace
