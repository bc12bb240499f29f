#ifndef AXOCorParserServicesGVSTestFixture_h
#define AXOCorParserServicesGVSTestFixture_h

// A style-sheet installation for tests: a temporary folder with the two
// standard collection folders "std" (CATCollectionStandard) and "default"
// (CATDefaultCollectionStandard), and a drive root "drives" for "d:\..."
// paths.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AXOCorParserServices.h"
#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "AXOTestTexts.h"

class GvsTest : public ::testing::Test {
 public:
  // An include node naming `name`, its mark spelled `mark`.
  static std::string IncludeNode(const std::string& name, const std::string& mark = "includefile") {
    return "<std:node name=\"inc\" type=\"" + mark + "\"><std:strval>" + name +
           "</std:strval></std:node>";
  }
  // A style-sheet file whose root node holds `content`.
  static std::string SheetFile(const std::string& content) {
    return "<?xml version=\"1.0\"?>\n<std:node name=\"root\" xmlns:std=\"urn:gvs\">" + content +
           "</std:node>\n";
  }

 protected:
  void SetUp() override {
    AXOPlatform::Get()->SetEnv("CATCollectionStandard", dir_.Host("std").c_str());
    AXOPlatform::Get()->SetEnv("CATDefaultCollectionStandard", dir_.Host("default").c_str());
    AXOPlatform::Get()->SetDriveRoot(dir_.Native("drives").u8string());
  }
  void TearDown() override {
    AXOPlatform::Get()->SetEnv("CATCollectionStandard", nullptr);
    AXOPlatform::Get()->SetEnv("CATDefaultCollectionStandard", nullptr);
    AXOPlatform::Get()->SetDriveRoot("");
  }

  // Writes an include file under "<collection>\gvs_includes\" with a root
  // that holds `content`; returns its host path.
  std::string WriteInclude(const std::string& name, const std::string& content,
                           const std::string& collection = "std") {
    const std::string relative = collection + "/gvs_includes/" + name;
    dir_.WriteFile(relative, SheetFile(content));
    return dir_.Host(relative);
  }
  // Writes the style sheet "sheet.xml" as given; returns its host path.
  std::string WriteSheet(const std::string& bytes) {
    dir_.WriteFile("sheet.xml", bytes);
    return dir_.Host("sheet.xml");
  }

  // A host path with a drive letter to `relative` in the test folder: the
  // folder's own path where it has a drive letter, else `driveForm`, a path
  // on drive "d:", which maps to the folder "drives/d".
  std::string DrivePath(const std::string& relative, const std::string& driveForm) const {
    const std::string own = dir_.Host(relative);
    return own.find(':') != std::string::npos ? own : driveForm;
  }
  static std::string Lower(const std::string& text) {
    CATUnicodeString lower(text.c_str());
    lower.ToLower();
    return lower.ConvertToChar();
  }

  // The expansion of the style sheet at `path`, or "<failed>".
  static std::string Expand(const std::string& path) {
    CATUnicodeString expanded("<failed>");
    if (!AXOCorParserServices::ExpandIncludesInGVS(path.c_str(), expanded)) {
      EXPECT_EQ(expanded, "<failed>") << "output changed on failure";
    }
    return expanded.ConvertToChar();
  }
  // The includes listed for the style sheet at `path`, appended to a list
  // that holds an entry of the caller's.
  static std::vector<std::string> Includes(const std::string& path) {
    CATListValCATUnicodeString includes;
    includes.Append("kept");
    AXOCorParserServices::GetIncludesInGVS(path.c_str(), includes);
    std::vector<std::string> paths = AXOTestTexts(includes);
    EXPECT_EQ(paths.front(), "kept") << "the caller's entry kept";
    paths.erase(paths.begin());
    return paths;
  }

  AXOTestTempFolder dir_;
};

#endif  // AXOCorParserServicesGVSTestFixture_h
