#include "CATHostPath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

TEST(CATHostPath, NormalFormsResolveDotsAndSeparators) {
  const struct {
    const char* in;
    const char* expected;
  } cases[] = {
      {"c:\\a\\b.CATPart", "c:\\a\\b.CATPart"},
      {"c:/a/./b/../P.CATPart", "c:\\a\\P.CATPart"},
      {"a\\\\b\\", "a\\b"},
      {"..\\..\\a", "..\\..\\a"},
      {"a\\..\\..\\b", "..\\b"},
      {"\\..\\a", "\\a"},
      {"c:\\..\\a", "c:\\a"},
      {"c:a\\b", "c:a\\b"},
      {"\\\\server\\share\\x", "\\\\server\\share\\x"},
      {"/tmp//x", "\\tmp\\x"},
      {".", ""},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(CATHostPathNormal(c.in), c.expected);
  }
}

TEST(CATHostPath, ReferencesAreResolvedFromAndWrittenRelativeToTheFolder) {
  const struct {
    const char* from;
    const char* written;
    const char* target;
  } cases[] = {
      {"c:\\a\\B.CATProduct", "P.CATPart", "c:\\a\\P.CATPart"},
      {"c:\\a\\B.CATProduct", "p\\P.CATPart", "c:\\a\\p\\P.CATPart"},
      {"c:\\a\\B.CATProduct", "d:\\P.CATPart", "d:\\P.CATPart"},
      {"c:\\a\\B.CATProduct", "c:\\b\\P.CATPart", "c:\\b\\P.CATPart"},
      {"B.CATProduct", "P.CATPart", "P.CATPart"},
      {"\\a\\B.CATProduct", "\\a\\x\\P.CATPart", "\\a\\x\\P.CATPart"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " " + c.written);
    EXPECT_EQ(CATHostPathResolve(c.from, c.written), c.target);
  }
  EXPECT_EQ(CATHostPathResolve("c:\\a\\B.CATProduct", "..\\p\\P.CATPart"), "c:\\p\\P.CATPart");
  const struct {
    const char* from;
    const char* target;
    const char* expected;
  } relative[] = {
      {"c:\\a\\B.CATProduct", "c:\\a\\P.CATPart", "P.CATPart"},
      {"c:\\a\\B.CATProduct", "c:\\a\\p\\P.CATPart", "p\\P.CATPart"},
      {"c:\\a\\B.CATProduct", "c:\\ab\\P.CATPart", "c:\\ab\\P.CATPart"},
      {"c:\\a\\B.CATProduct", "d:\\a\\P.CATPart", "d:\\a\\P.CATPart"},
      {"c:\\a\\B.CATProduct", "c:\\a", "c:\\a"},
      {"B.CATProduct", "P.CATPart", "P.CATPart"},
      {"..\\B.CATProduct", "..\\P.CATPart", "P.CATPart"},
      {"a\\B.CATProduct", "c\\P.CATPart", "..\\c\\P.CATPart"},
      {"a\\b\\B.CATProduct", "P.CATPart", "..\\..\\P.CATPart"},
      {"..\\a\\B.CATProduct", "..\\..\\P.CATPart", "..\\..\\P.CATPart"},
  };
  for (const auto& c : relative) {
    SCOPED_TRACE(std::string(c.from) + " " + c.target);
    EXPECT_EQ(CATHostPathRelative(c.from, c.target), c.expected);
    EXPECT_EQ(CATHostPathResolve(c.from, CATHostPathRelative(c.from, c.target)), c.target);
  }
  // Relative targets that no relative text reaches from there.
  EXPECT_EQ(CATHostPathRelative("..\\a\\B.CATProduct", "P.CATPart"), "");
  EXPECT_EQ(CATHostPathRelative("c:\\a\\B.CATProduct", "P.CATPart"), "");
  EXPECT_TRUE(CATHostPathIsAbsolute("c:\\x"));
  EXPECT_TRUE(CATHostPathIsAbsolute("/x"));
  EXPECT_FALSE(CATHostPathIsAbsolute("x\\c:"));
  EXPECT_FALSE(CATHostPathIsAbsolute("1:\\x"));
}

TEST(CATHostPath, NamesAreJoinedWithOneSeparator) {
  const struct {
    const char* folder;
    const char* name;
    const char* expected;
  } cases[] = {
      {"c:\\a", "P.CATPart", "c:\\a\\P.CATPart"}, {"c:\\a\\", "P.CATPart", "c:\\a\\P.CATPart"},
      {"c:/a/", "P.CATPart", "c:/a/P.CATPart"},   {"", "P.CATPart", "P.CATPart"},
      {"c:", "P.CATPart", "c:\\P.CATPart"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.folder) + " " + c.name);
    EXPECT_EQ(CATHostPathJoin(c.folder, c.name), c.expected);
  }
}

TEST(CATHostPath, NativePathsBecomeAbsoluteHostPaths) {
  const std::string here = CATHostPathOfNative(std::filesystem::current_path().u8string());
  EXPECT_TRUE(CATHostPathIsAbsolute(here)) << here;
  EXPECT_EQ(here.find('/'), std::string::npos) << here;
  EXPECT_EQ(CATHostPathOfNative("a/./b/../c/"), here + "\\a\\c");
  EXPECT_EQ(CATHostPathOfNative("."), here);
}

}  // namespace
