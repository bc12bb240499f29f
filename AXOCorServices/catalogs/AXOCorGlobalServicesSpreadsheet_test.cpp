#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "AXOPlatformTesting.h"
#include "catalogs/AXOCorBracedGuid.h"

namespace {

// Classes made up for the tests.
const char kSheetClass[] = "{0D6B5E3A-71C2-4F88-9A15-3B7E2C90D401}";
const char kCurrentClass[] = "{0D6B5E3A-71C2-4F88-9A15-3B7E2C90D402}";

// Registers a spreadsheet application in the classes root (on POSIX the
// in-memory one, on Windows the real registry) and removes it again.
class GetDefaultExcelExtentionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AXOGuidFields ignored;
    std::string value;
    if (Platform()->ClassIdFromProgId("Excel.Sheet", ignored).ok() ||
        Platform()->ReadClassesRootDefaultValue("Excel.Sheet\\CurVer", value).code() !=
            AXOStatusCode::kNotFound) {
      GTEST_SKIP() << "this machine has a spreadsheet application registered; left alone";
    }
    if (!Registry().WriteClassesRootKey("AXOTestProbe", nullptr).ok()) {
      GTEST_SKIP() << "the classes root cannot be written here";
    }
    Registry().DeleteClassesRootTree("AXOTestProbe");
    cleanup_ = true;
  }
  void TearDown() override {
    if (cleanup_) Unregister();
  }

  static void Unregister() {
    const std::string keys[] = {"Excel.Sheet", "Excel.Sheet.12",
                                std::string("CLSID\\") + kSheetClass,
                                std::string("CLSID\\") + kCurrentClass};
    for (const std::string& key : keys) {
      EXPECT_TRUE(Registry().DeleteClassesRootTree(key).ok()) << key;
    }
  }

  static AXOPlatform* Platform() { return AXOPlatform::Get(); }
  static AXOPlatformTesting& Registry() { return AXOPlatformTesting::Get(); }
  static void Write(const std::string& key, const char* value) {
    const AXOStatus status = Registry().WriteClassesRootKey(key, value);
    ASSERT_TRUE(status.ok()) << status.ToString();
  }
  // "Excel.Sheet" with its class, and that class's default extensions.
  static void RegisterSheet(const char* extensions) {
    Write("Excel.Sheet\\CLSID", kSheetClass);
    Write(std::string("CLSID\\") + kSheetClass + "\\DefaultExtension", extensions);
  }
  // A current version "Excel.Sheet.12" with a class of its own.
  static void RegisterCurrentVersion(const char* extensions) {
    Write("Excel.Sheet\\CurVer", "Excel.Sheet.12");
    Write("Excel.Sheet.12\\CLSID", kCurrentClass);
    Write(std::string("CLSID\\") + kCurrentClass + "\\DefaultExtension", extensions);
  }
  static std::string Extension(const char* kind, const char* preset = ".keep") {
    CATUnicodeString extension(preset);
    EXPECT_EQ(S_OK, AXOCorGlobalServices::GetDefaultExcelExtention(extension, kind));
    return extension.ConvertToChar();
  }

  bool cleanup_ = false;
};

// Old templates are ".xls" without asking the registry.
TEST_F(GetDefaultExcelExtentionTest, WithoutRegistrationOnlyOldTemplatesGetAnExtension) {
  const struct {
    const char* kind;
    const char* expected;
  } cases[] = {
      {"xlt", ".xls"}, {"XLT", ".xls"}, {"", ".keep"}, {"xltx", ".keep"}, {"xltm", ".keep"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(c.expected, Extension(c.kind));
  }
}

TEST_F(GetDefaultExcelExtentionTest, DecidesByTheCurrentVersionsDefaultExtension) {
  RegisterSheet(".xls");
  const struct {
    const char* extensions;
    const char* kind;
    const char* expected;
  } cases[] = {
      {".xlsx", "xltm", ".xlsm"}, {".xlsx", "XLTM", ".xlsm"},
      {".xlsx", "xltx", ".xlsx"}, {".xlsx", "", ".xlsx"},
      {".xlsx", "xlt", ".xls"},   {".xlsx;.xlsm;.xlsb", "xltx", ".xlsx"},
      {".xls", "xltm", ".xls"},   {".xls", "", ".xls"},
      {".XLSX", "xltx", ".xls"},  // the letter case counts
      {"", "xltx", ".xls"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.extensions) + " / '" + c.kind + "'");
    RegisterCurrentVersion(c.extensions);
    EXPECT_EQ(c.expected, Extension(c.kind));
  }
}

TEST_F(GetDefaultExcelExtentionTest, CurrentVersionWithoutTextUsesTheSheetClass) {
  RegisterSheet(".xlsx");
  Write("Excel.Sheet\\CurVer", nullptr);
  EXPECT_EQ(".xlsm", Extension("xltm"));
}

TEST_F(GetDefaultExcelExtentionTest, LeavesTheExtensionWhenARegistrationIsIncomplete) {
  const struct {
    const char* what;
    void (*arrange)();
  } cases[] = {
      {"no current version", [] { RegisterSheet(".xlsx"); }},
      {"current version of an unknown class",
       [] {
         RegisterSheet(".xlsx");
         Write("Excel.Sheet\\CurVer", "Excel.Sheet.99");
       }},
      {"no class for Excel.Sheet", [] { RegisterCurrentVersion(".xlsx"); }},
      {"no default extension key",
       [] {
         RegisterSheet(".xlsx");
         RegisterCurrentVersion(".xlsx");
         Registry().DeleteClassesRootTree(std::string("CLSID\\") + kCurrentClass +
                                          "\\DefaultExtension");
       }},
      {"default extension key without text",
       [] {
         RegisterSheet(".xlsx");
         RegisterCurrentVersion(".xlsx");
         Registry().DeleteClassesRootTree(std::string("CLSID\\") + kCurrentClass);
         Write(std::string("CLSID\\") + kCurrentClass + "\\DefaultExtension", nullptr);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Unregister();
    c.arrange();
    EXPECT_EQ(".keep", Extension("xltx"));
    EXPECT_EQ(".keep", Extension("xltm"));
  }
}

TEST(AXOFormatBracedGuid, WritesTheUpperCaseBracedText) {
  const GUID guids[] = {
      {0x611B25D7, 0x379F, 0x4351, {0x9D, 0x9A, 0x9C, 0xE4, 0x32, 0x17, 0xA9, 0x65}},
      {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}},
      {0x0000abcd, 0x00ef, 0x0001, {0xff, 0x0a, 1, 2, 3, 4, 5, 0xfe}},
  };
  const char* texts[] = {"{611B25D7-379F-4351-9D9A-9CE43217A965}",
                         "{00000000-0000-0000-0000-000000000000}",
                         "{0000ABCD-00EF-0001-FF0A-0102030405FE}"};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(texts[i]);
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(buffer, AXOFormatBracedGuid(&guids[i], buffer, 39));
    EXPECT_STREQ(texts[i], buffer);
    EXPECT_EQ('#', buffer[39]);  // nothing beyond the 39 characters
  }
}

TEST(AXOFormatBracedGuid, WritesNothingIntoABadBuffer) {
  const GUID guid = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
  char buffer[64];
  std::memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(nullptr, AXOFormatBracedGuid(&guid, buffer, 38));
  EXPECT_EQ(nullptr, AXOFormatBracedGuid(&guid, buffer, -1));
  EXPECT_EQ(nullptr, AXOFormatBracedGuid(nullptr, buffer, 64));
  EXPECT_EQ(nullptr, AXOFormatBracedGuid(&guid, nullptr, 64));
  EXPECT_EQ(std::string(64, '#'), std::string(buffer, sizeof buffer));
}

}  // namespace
