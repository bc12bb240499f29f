#include "CATSettingRepository.h"

#include <gtest/gtest.h>

#include <limits>

#include "CATSettingInfo.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"

namespace {

class CATSettingRepositoryTest : public CATSettingTestFolder {
 protected:
  CATSettingRepository* Open(const char* name = "TestRepository") {
    return CATSettingRepository::GetRepository(name, 0, 1, nullptr);
  }
};

TEST_F(CATSettingRepositoryTest, GivesOneObjectPerNameForTheWholeProcess) {
  CATSettingRepository* first = Open("Alpha");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Open("Alpha"), first);
  EXPECT_NE(Open("alpha"), first);
  EXPECT_STREQ(first->GetName(), "Alpha");
  CATSettingRepositoryTesting::ResetAll();
  EXPECT_EQ(Open("Alpha"), first);
}

TEST_F(CATSettingRepositoryTest, RefusesNamesThatAreNotPlainFileNamesAndOtherAccess) {
  struct Case {
    const char* name;
    int reserved;
    int access;
  } const cases[] = {{nullptr, 0, 1}, {"", 0, 1},     {".hidden", 0, 1}, {"..", 0, 1},
                     {"a/b", 0, 1},   {"a\\b", 0, 1}, {"a b", 0, 1},     {"c:x", 0, 1},
                     {"Good", 1, 1},  {"Good", 0, 0}, {"Good", 0, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name != nullptr ? c.name : "(null)");
    SCOPED_TRACE(c.reserved * 10 + c.access);
    EXPECT_EQ(CATSettingRepository::GetRepository(c.name, c.reserved, c.access, nullptr), nullptr);
  }
  EXPECT_NE(Open("A.b-c_1"), nullptr);
  EXPECT_EQ(Open(std::string(201, 'x').c_str()), nullptr);
}

TEST_F(CATSettingRepositoryTest, KeysNeverWrittenLeaveThePresetAndCountAsRead) {
  CATSettingRepository* repository = Open();
  int integers[3] = {42, 43, 44};
  EXPECT_EQ(repository->ReadSetting("Missing", integers, 1), 1);
  EXPECT_EQ(repository->ReadSetting("Missing", integers, 3), 3);
  EXPECT_EQ(integers[0], 42);
  EXPECT_EQ(integers[2], 44);
  long unit = 7;
  EXPECT_EQ(repository->ReadSetting("Missing", &unit, 1), 1);
  EXPECT_EQ(unit, 7);
  CATString option("Detailed");
  EXPECT_EQ(repository->ReadSetting("Missing", &option), 1);
  EXPECT_EQ(option, "Detailed");
  CATUnicodeString name("preset");
  EXPECT_EQ(repository->ReadSetting("Missing", &name), 1);
  EXPECT_EQ(name, "preset");
}

TEST_F(CATSettingRepositoryTest, StrictRepositoryReportsKeysNeverWrittenAsMissing) {
  CATSettingRepositoryTesting::SetStrictReads("TestRepository", true);
  CATSettingRepository* repository = Open();
  int value = 42;
  long unit = 7;
  CATString text("keep");
  EXPECT_EQ(repository->ReadSetting("Missing", &value, 1), 0);
  EXPECT_EQ(repository->ReadSetting("Missing", &unit, 1), 0);
  EXPECT_EQ(repository->ReadSetting("Missing", &text), 0);
  EXPECT_EQ(value, 42);
  EXPECT_EQ(unit, 7);
  EXPECT_EQ(text, "keep");
  const int stored = 5;
  ASSERT_EQ(repository->WriteSetting("Present", &stored, 1, 0), 1);
  EXPECT_EQ(repository->ReadSetting("Present", &value, 1), 1);
  EXPECT_EQ(value, 5);
}

TEST_F(CATSettingRepositoryTest, ReadsBackEachFormAndTheSiblingForm) {
  CATSettingRepository* repository = Open();
  const int integer = -12;
  const long unit = 3;
  const int many[3] = {1, 2, 3};
  const CATString choice("Surfacic");
  const CATUnicodeString file("c:\\maps\\caf\xC3\xA9.csv");
  ASSERT_EQ(repository->WriteSetting("Integer", &integer, 1, 0), 1);
  ASSERT_EQ(repository->WriteSetting("Unit", &unit, 1, 0), 1);
  ASSERT_EQ(repository->WriteSetting("Many", many, 3, 0), 3);
  ASSERT_EQ(repository->WriteSetting("Choice", &choice, 0), 1);
  ASSERT_EQ(repository->WriteSetting("File", &file, 0), 1);

  int as_int = 0;
  long as_long = 0;
  EXPECT_EQ(repository->ReadSetting("Integer", &as_long, 1), 1);
  EXPECT_EQ(as_long, -12);
  EXPECT_EQ(repository->ReadSetting("Unit", &as_int, 1), 1);
  EXPECT_EQ(as_int, 3);

  int two[2] = {0, 0};
  EXPECT_EQ(repository->ReadSetting("Many", two, 2), 2);
  EXPECT_EQ(two[1], 2);
  int five[5] = {9, 9, 9, 9, 9};
  EXPECT_EQ(repository->ReadSetting("Many", five, 5), 3);
  EXPECT_EQ(five[2], 3);
  EXPECT_EQ(five[3], 9);

  CATUnicodeString choice_as_unicode;
  CATString file_as_chars;
  EXPECT_EQ(repository->ReadSetting("Choice", &choice_as_unicode), 1);
  EXPECT_EQ(choice_as_unicode, "Surfacic");
  EXPECT_EQ(repository->ReadSetting("File", &file_as_chars), 1);
  EXPECT_EQ(file_as_chars, "c:\\maps\\caf\xC3\xA9.csv");
}

TEST_F(CATSettingRepositoryTest, DoesNotReadAValueOfTheOtherKind) {
  CATSettingRepository* repository = Open();
  const int number = 1;
  const CATString text("one");
  ASSERT_EQ(repository->WriteSetting("Number", &number, 1, 0), 1);
  ASSERT_EQ(repository->WriteSetting("Text", &text, 0), 1);
  CATString as_text("preset");
  CATUnicodeString as_unicode("preset");
  int as_number = 77;
  long as_long = 77;
  EXPECT_EQ(repository->ReadSetting("Number", &as_text), 0);
  EXPECT_EQ(repository->ReadSetting("Number", &as_unicode), 0);
  EXPECT_EQ(repository->ReadSetting("Text", &as_number, 1), 0);
  EXPECT_EQ(repository->ReadSetting("Text", &as_long, 1), 0);
  EXPECT_EQ(as_text, "preset");
  EXPECT_EQ(as_unicode, "preset");
  EXPECT_EQ(as_number, 77);
  EXPECT_EQ(as_long, 77);
}

TEST_F(CATSettingRepositoryTest, RejectsInvalidArgumentsAndStoresNothing) {
  CATSettingRepository* repository = Open();
  int value = 1;
  const CATString text("x");
  EXPECT_EQ(repository->WriteSetting(nullptr, &value, 1, 0), -1);
  EXPECT_EQ(repository->WriteSetting("", &value, 1, 0), -1);
  EXPECT_EQ(repository->WriteSetting("Key", static_cast<const int*>(nullptr), 1, 0), -1);
  EXPECT_EQ(repository->WriteSetting("Key", &value, 0, 0), -1);
  EXPECT_EQ(repository->WriteSetting("Key", &value, 1, 1), -1);
  EXPECT_EQ(repository->WriteSetting("Key", &text, 1), -1);
  EXPECT_EQ(repository->WriteSetting("Key", static_cast<const CATString*>(nullptr), 0), -1);
  EXPECT_EQ(repository->ReadSetting(nullptr, &value, 1), -1);
  EXPECT_EQ(repository->ReadSetting("Key", &value, 0), -1);
  EXPECT_EQ(repository->ReadSetting("Key", static_cast<CATUnicodeString*>(nullptr)), -1);

  CATSettingInfo info;
  EXPECT_EQ(repository->GetInfo("Key", &info, 0), 0);
  EXPECT_EQ(info.GetType(), CATSettingInfo::TypeNone);
  EXPECT_EQ(repository->GetInfo("Key", nullptr, 0), -1);
  EXPECT_EQ(repository->GetInfo(nullptr, &info, 0), -1);
  EXPECT_EQ(repository->GetInfo("Key", &info, 1), -1);
}

TEST_F(CATSettingRepositoryTest, RefusesALongThatDoesNotFitIn32Bits) {
  if (sizeof(long) <= 4) GTEST_SKIP() << "every long fits in 32 bits here";
  CATSettingRepository* repository = Open();
  const long values[2] = {1, std::numeric_limits<long>::max()};
  EXPECT_EQ(repository->WriteSetting("Unit", values, 2, 0), -1);
  long read = 5;
  EXPECT_EQ(repository->ReadSetting("Unit", &read, 1), 1);
  EXPECT_EQ(read, 5);  // nothing was stored
}

TEST_F(CATSettingRepositoryTest, RefusedReadsAndWritesLeaveEverythingAsItWas) {
  CATSettingRepository* repository = Open();
  const int stored = 10;
  ASSERT_EQ(repository->WriteSetting("Key", &stored, 1, 0), 1);
  CATSettingRepositoryTesting::RefuseReads("TestRepository", "Key", true);
  CATSettingRepositoryTesting::RefuseWrites("TestRepository", "Key", true);

  int value = 3;
  CATSettingInfo info;
  EXPECT_EQ(repository->ReadSetting("Key", &value, 1), 0);
  EXPECT_EQ(value, 3);
  EXPECT_EQ(repository->GetInfo("Key", &info, 0), 1);
  EXPECT_EQ(info.GetKey(), "");
  const int other = 20;
  EXPECT_EQ(repository->WriteSetting("Key", &other, 1, 0), 0);

  CATSettingRepositoryTesting::RefuseReads("TestRepository", "Key", false);
  EXPECT_EQ(repository->ReadSetting("Key", &value, 1), 1);
  EXPECT_EQ(value, 10);
  EXPECT_EQ(repository->ReadSetting("OtherKey", &value, 1), 1);
}

TEST_F(CATSettingRepositoryTest, OverstatedReadsCopyAsUsualAndRefusedCommitsKeepTheReference) {
  CATSettingRepository* repository = Open();
  const int stored = 10;
  ASSERT_EQ(repository->WriteSetting("Key", &stored, 1, 0), 1);
  CATSettingRepositoryTesting::OverstateReads("TestRepository", "Key", true);
  CATSettingRepositoryTesting::RefuseCommits("TestRepository", true);
  int value = 3;
  CATString text("kept");
  EXPECT_EQ(repository->ReadSetting("Key", &value, 1), 2);
  EXPECT_EQ(value, 10);
  EXPECT_EQ(repository->ReadSetting("Key", &text), 0);  // a failed read stays 0
  EXPECT_EQ(repository->ReadSetting("Other", &value, 1), 1);
  EXPECT_EQ(repository->Commit(), E_FAIL);
  EXPECT_EQ(repository->Rollback(), S_OK);
  value = 0;
  EXPECT_EQ(repository->ReadSetting("Key", &value, 1), 2);
  EXPECT_EQ(value, 0);  // the write was not committed: the key is gone
}

TEST_F(CATSettingRepositoryTest, UnavailableRepositoryIsNotGivenButEarlierPointersStayValid) {
  CATSettingRepository* before = Open();
  CATSettingRepositoryTesting::SetUnavailable("TestRepository", true);
  EXPECT_EQ(Open(), nullptr);
  EXPECT_NE(Open("Other"), nullptr);
  const int value = 1;
  EXPECT_EQ(before->WriteSetting("Key", &value, 1, 0), 1);
  CATSettingRepositoryTesting::SetUnavailable("TestRepository", false);
  EXPECT_EQ(Open(), before);
}

TEST_F(CATSettingRepositoryTest, InfoGivesTypeCountAndChangeSinceTheLastCommit) {
  CATSettingRepository* repository = Open();
  CATSettingInfo info;
  ASSERT_EQ(repository->GetInfo("Many", &info, 0), 0);
  EXPECT_EQ(info.GetKey(), "Many");
  EXPECT_EQ(info.GetType(), CATSettingInfo::TypeNone);
  EXPECT_EQ(info.GetCount(), 0);
  EXPECT_EQ(info.IsModified(), 0);

  const long many[4] = {1, 2, 3, 4};
  ASSERT_EQ(repository->WriteSetting("Many", many, 4, 0), 4);
  ASSERT_EQ(repository->GetInfo("Many", &info, 0), 0);
  EXPECT_EQ(info.GetType(), CATSettingInfo::TypeLong);
  EXPECT_EQ(info.GetCount(), 4);
  EXPECT_EQ(info.IsModified(), 1);

  ASSERT_EQ(repository->Commit(), S_OK);
  ASSERT_EQ(repository->GetInfo("Many", &info, 0), 0);
  EXPECT_EQ(info.IsModified(), 0);

  const CATUnicodeString text("t");
  ASSERT_EQ(repository->WriteSetting("Many", &text, 0), 1);
  ASSERT_EQ(repository->GetInfo("Many", &info, 0), 0);
  EXPECT_EQ(info.GetType(), CATSettingInfo::TypeUnicode);
  EXPECT_EQ(info.GetCount(), 1);
  EXPECT_EQ(info.IsModified(), 1);

  CATSettingInfo copy;
  copy = info;
  EXPECT_EQ(copy.GetKey(), "Many");
  EXPECT_EQ(copy.GetType(), CATSettingInfo::TypeUnicode);
}

TEST_F(CATSettingRepositoryTest, RollbackReturnsToTheLastCommitElseToTheLoadedFile) {
  CATSettingRepository* repository = Open();
  const int saved = 1;
  ASSERT_EQ(repository->WriteSetting("Key", &saved, 1, 0), 1);
  ASSERT_EQ(repository->SaveRepository(), S_OK);
  CATSettingRepositoryTesting::ResetAll();

  const int changed = 2;
  ASSERT_EQ(repository->WriteSetting("Key", &changed, 1, 0), 1);
  ASSERT_EQ(repository->WriteSetting("New", &changed, 1, 0), 1);
  ASSERT_EQ(repository->Rollback(), S_OK);
  int value = 0;
  EXPECT_EQ(repository->ReadSetting("Key", &value, 1), 1);
  EXPECT_EQ(value, 1);  // as loaded: nothing was committed yet
  value = -1;
  EXPECT_EQ(repository->ReadSetting("New", &value, 1), 1);
  EXPECT_EQ(value, -1);  // gone again: the preset stands

  ASSERT_EQ(repository->WriteSetting("Key", &changed, 1, 0), 1);
  ASSERT_EQ(repository->Commit(), S_OK);
  const int later = 3;
  ASSERT_EQ(repository->WriteSetting("Key", &later, 1, 0), 1);
  ASSERT_EQ(repository->Rollback(), S_OK);
  EXPECT_EQ(repository->ReadSetting("Key", &value, 1), 1);
  EXPECT_EQ(value, 2);
}

TEST_F(CATSettingRepositoryTest, ResetTakesTheAdministratorsValuesWithoutSaving) {
  const std::filesystem::path admin = UseAdminFolder("admin");
  WriteFile(admin / "TestRepository.axosettings",
            "CATSettings 1\nCLDLimit\tint\t100\nExportOption\tstring\tSurfacic\n");
  CATSettingRepository* repository = Open();
  const int user = 7;
  ASSERT_EQ(repository->WriteSetting("CLDLimit", &user, 1, 0), 1);
  ASSERT_EQ(repository->WriteSetting("UserOnly", &user, 1, 0), 1);
  ASSERT_EQ(repository->SaveRepository(), S_OK);
  const std::string saved = ReadFile(UserFile("TestRepository"));

  ASSERT_EQ(repository->ResetToAdminValues(), S_OK);
  int value = 0;
  EXPECT_EQ(repository->ReadSetting("CLDLimit", &value, 1), 1);
  EXPECT_EQ(value, 100);
  value = -1;
  EXPECT_EQ(repository->ReadSetting("UserOnly", &value, 1), 1);
  EXPECT_EQ(value, -1);
  CATString option;
  EXPECT_EQ(repository->ReadSetting("ExportOption", &option), 1);
  EXPECT_EQ(option, "Surfacic");
  EXPECT_EQ(ReadFile(UserFile("TestRepository")), saved);
}

TEST_F(CATSettingRepositoryTest, ResetWithoutAdministratorValuesForgetsTheUsersValues) {
  for (const bool admin_folder_without_file : {false, true}) {
    SCOPED_TRACE(admin_folder_without_file);
    if (admin_folder_without_file) UseAdminFolder("empty-admin");
    CATSettingRepository* repository = Open();
    const int user = 7;
    ASSERT_EQ(repository->WriteSetting("CLDLimit", &user, 1, 0), 1);
    ASSERT_EQ(repository->ResetToAdminValues(), S_OK);
    int value = 5000;
    EXPECT_EQ(repository->ReadSetting("CLDLimit", &value, 1), 1);
    EXPECT_EQ(value, 5000);
  }
}

}  // namespace
