#include "translatorsettings/AXOTrsSettingDescription.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "CATMathConstant.h"

namespace {

using axo_settings::Kind;
using axo_settings::Setting;
using axo_settings::SettingOf;

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::kInteger:
      return "integer";
    case Kind::kUnit:
      return "unit";
    case Kind::kChoice:
      return "choice";
    case Kind::kLength:
      return "length";
    case Kind::kAngle:
      return "angle";
    case Kind::kFileName:
      return "file";
    case Kind::kCatalogName:
      return "catalog";
  }
  return "?";
}

// One line a setting: key, kind, default, what it takes, why it refuses.
std::string Lines(const axo_settings::Translator& translator) {
  std::string lines = std::string(translator.name) + " " + translator.repository + "\n";
  for (const Setting& s : translator) {
    const bool number = s.kind == Kind::kInteger || s.kind == Kind::kUnit;
    lines += std::string(s.key) + " " + KindName(s.kind) + " " +
             (number ? std::to_string(s.defaultNumber) : "'" + std::string(s.defaultText) + "'") +
             " | " + axo_settings::Form(s) + " | " + axo_settings::Refusal(s, 60) + "\n";
  }
  return lines;
}

// The one place that pins the settings themselves: keys in the order of
// the interfaces, defaults and rules, and what people are told of them.
TEST(AXOTrsSettingDescription, DescribesEverySettingOfBothTranslators) {
  EXPECT_EQ(Lines(axo_settings::kDxf),
            "dxf AXODxfUnitTypeElt\n"
            "UnitOfDxfFile unit 0 | an integer from 0 to 4"
            " | not a unit (0 mm, 1 cm, 2 m, 3 in, 4 ft)\n"
            "ImportLayerToComp integer 0 | an integer | \n"
            "FilePerSolid integer 0 | an integer | \n"
            "FilePerSurfaceMesh integer 0 | an integer | \n"
            "ImportAsPartCGR integer 0 | an integer | \n"
            "CLDLimit integer 5000 | an integer | \n");
  EXPECT_EQ(Lines(axo_settings::kIfc),
            "ifc AXOIfcExport\n"
            "CGRLimit integer 500 | an integer of 0 or more | below 0\n"
            "ExportAllBodiesSets integer 0 | an integer | \n"
            "ExportStdPropSets integer 1 | an integer | \n"
            "ExportAllPackages integer 1 | an integer | \n"
            "ExportMapFileName file '' | any text | \n"
            "JoinLimit integer 50 | an integer of 1 or more | below 1\n"
            "DisjoinLimit integer 1000 | an integer above JoinLimit | not above JoinLimit (60)\n"
            "ImportPSet integer 1 | an integer | \n"
            "SagFactor length '5.0cm' | a length of 0 or more with its unit, such as 5.0cm"
            " | a negative length\n"
            "Angle angle '15.0deg' | an angle from 0 to 360deg with its unit, such as 15deg"
            " | outside 0 to 360 degrees\n"
            "Representation choice 'BRep' | BRep or Triangulated"
            " | neither 'BRep' nor 'Triangulated' (letter case counts)\n"
            "ExportOption choice 'Detailed' | Detailed or Surfacic"
            " | neither 'Detailed' nor 'Surfacic' (letter case counts)\n"
            "BEPerPart choice 'Multiple' | Single or Multiple"
            " | neither 'Single' nor 'Multiple' (letter case counts)\n"
            "MaxBEPerPart integer 200 | an integer of 1 or more | below 1\n"
            "SectionCatalogName catalog '' | any text | \n"
            "ImportMapFileName file '' | any text | \n"
            "ExportSpaceBoundaries integer 0 | an integer | \n"
            "ExportGeoSetsAndBodies integer 0 | an integer | \n"
            "ExportXRefs integer 0 | an integer | \n"
            "ExportSATFiles integer 0 | an integer | \n"
            "BrepOptNormalsOrientation integer 0 | an integer | \n"
            "BrepOptMergeVertices integer 0 | an integer | \n"
            "BrepOptDecimateTriangles integer 0 | an integer | \n");
}

TEST(AXOTrsSettingDescription, IntegerRulesHoldAtTheirEdges) {
  const struct {
    const axo_settings::Translator* translator;
    const char* key;
    int value;
    int bound;
    bool within;
    bool setterAccepts;
  } cases[] = {
      {&axo_settings::kIfc, "DisjoinLimit", 61, 60, true, true},
      // Above a bound of INT_MAX there is nothing, and no overflow.
      {&axo_settings::kIfc, "DisjoinLimit", INT_MAX, INT_MAX, false, false},
      {&axo_settings::kIfc, "DisjoinLimit", INT_MIN + 1, INT_MIN, true, true},
      {&axo_settings::kIfc, "ImportPSet", INT_MIN, 0, true, true},
      // The unit's range is the tools': the setter takes any value.
      {&axo_settings::kDxf, "UnitOfDxfFile", 4, 0, true, true},
      {&axo_settings::kDxf, "UnitOfDxfFile", 5, 0, false, true},
      {&axo_settings::kDxf, "UnitOfDxfFile", -1, 0, false, true},
      // A key that is not described meets no rule.
      {&axo_settings::kIfc, "NoSuchKey", 0, 0, false, false},
      {&axo_settings::kDxf, "CGRLimit", 500, 0, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.key << " " << c.value << " above " << c.bound);
    const Setting& setting = SettingOf(*c.translator, c.key);
    EXPECT_EQ(axo_settings::WithinRule(setting, c.value, c.bound), c.within);
    EXPECT_EQ(axo_settings::SetterAccepts(setting, c.value, c.bound), c.setterAccepts);
  }
  EXPECT_STREQ(SettingOf(axo_settings::kIfc, "NoSuchKey").key, "");
  EXPECT_EQ(axo_settings::Find(axo_settings::kIfc, "joinlimit"), nullptr);
}

TEST(AXOTrsSettingDescription, WordsAndMeasuresAreTakenExactly) {
  const Setting& option = SettingOf(axo_settings::kIfc, "ExportOption");
  const Setting& sag = SettingOf(axo_settings::kIfc, "SagFactor");
  const Setting& angle = SettingOf(axo_settings::kIfc, "Angle");
  const struct {
    const char* word;
    bool accepted;
  } words[] = {{"Surfacic", true},
               {"Detailed", true},
               {"surfacic", false},
               {"Surfacic ", false},
               {"", false}};
  for (const auto& c : words) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(axo_settings::AcceptsWord(option, c.word), c.accepted);
  }
  // A word followed by a NUL is another word.
  EXPECT_FALSE(axo_settings::AcceptsWord(option, std::string_view("Detailed\0", 9)));
  EXPECT_FALSE(axo_settings::AcceptsWord(sag, "Detailed"));

  const struct {
    const Setting* setting;
    double value;
    bool accepted;
  } measures[] = {
      {&sag, -1e-12, false},         {&sag, 0.0, true},
      {&sag, 1e300, true},           {&angle, -1e-12, false},
      {&angle, CAT2PI, true},        {&angle, std::nextafter(CAT2PI, 7.0), false},
      {&angle, std::nan(""), false},
  };
  for (const auto& c : measures) {
    SCOPED_TRACE(testing::Message() << c.setting->key << " " << c.value);
    EXPECT_EQ(axo_settings::AcceptsMeasure(*c.setting, c.value), c.accepted);
  }
}

}  // namespace
