#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "CATIAlias.h"
#include "CATISpecAttrAccess.h"
#include "CATModelTestFixture.h"
#include "foundations/AXOCorTextLines.h"

namespace {

class FeatureDump : public CATModelTest {
 protected:
  // What PrintAllLinks writes to standard output.
  static std::string Printed(const CATISpecObject_var& feature, const CATUnicodeString* file) {
    std::ostringstream out;
    std::streambuf* const old = std::cout.rdbuf(out.rdbuf());
    AXOCorGlobalServices::PrintAllLinks(feature, file);
    std::cout.rdbuf(old);
    return out.str();
  }
};

// `lines` as a text file of the system holds them: CR LF on Windows.
std::string InTextFile(const std::string& lines) {
  std::string text;
  AXOCorAppendTextLines(text, lines, AXOPlatform::TextLineEnd());
  return text;
}

const char kContent[] = "------------------ content  ---------------------\n";
const char kEndContent[] = "----------------- end content  -----------------\n";
const char kParent[] = "------------------ parent  ---------------------\n";
const char kEndParent[] = "----------------- end parent  -----------------\n";

TEST_F(FeatureDump, WritesComponentsIndentedByDepthThenLinkedFeatures) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const CATTestDocument other = model_.PartDocument("c:\\Parts\\Other.CATPart");
  const CATTestNode door = model_.Feature(room.Part(), "Door.1", "Door");
  const CATTestNode anon = model_.Feature(room.Part(), "Anon").Without(IID_CATIAlias);
  const CATTestNode slab = model_.Feature(other.Part(), "Slab.1", "Slab");
  CATTestNode wall = model_.Feature(room.Part(), "Wall.1")
                         .Type("Wall", "MechanicalFeature")
                         .Key("Height", tk_double, sp_IN)
                         .ListKey("Layers", tk_string, sp_OUT);
  CATTestNode window = model_.Feature(wall, "Window.1", "Window").Key("Width", tk_integer);
  model_.Feature(window, "Pane").Key("Glass", tk_boolean, static_cast<CATAttrQuality>(7));
  model_.Feature(window, "Frame").Without(IID_CATIAlias).Without(IID_CATISpecAttrAccess);
  model_.Feature(wall, "Sill").Without(IID_CATISpecObject);
  model_.Parameter(wall, "Height", CATCkeLengthKind, 2.5);
  wall.Link(door).Link(anon).Link(slab);

  EXPECT_EQ(Printed(wall, nullptr), std::string(kContent) +
                                        "name: Wall.1 type: Wall Supertype: MechanicalFeature\n"
                                        "Attributes :\n"
                                        "Name: Height Type: tk_double Quality: sp_IN\n"
                                        "Name: Layers Type: tk_list(tk_string) Quality: sp_OUT\n"
                                        "--name: Window.1 type: Window Supertype: \n"
                                        "  Attributes :\n"
                                        "  Name: Width Type: tk_integer Quality: sp_NEUTRAL\n"
                                        "----name: Pane type: Feature Supertype: \n"
                                        "    Attributes :\n"
                                        "    Name: Glass Type: tk_boolean Quality: \n"
                                        "----name:  type: Feature Supertype: \n"
                                        "--name: Height type: Parameter Supertype: \n" +
                                        kEndContent + kParent +
                                        "Name: Door.1  Type: Door\n"
                                        "Name: Slab.1  Type: Slab\n" +
                                        kEndParent);
  EXPECT_EQ(Printed(door, nullptr),
            std::string(kContent) + "name: Door.1 type: Door Supertype: \n" + kEndContent)
      << "no attributes, components or links: three lines";
}

TEST_F(FeatureDump, NamesEveryKindAndQuality) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  CATTestNode keys = model_.Feature(room.Part(), "Keys");
  const struct {
    int kind, element, quality;
    const char* text;
  } cases[] = {
      {tk_double, 0, sp_NEUTRAL, "tk_double Quality: sp_NEUTRAL"},
      {tk_boolean, 0, sp_IN, "tk_boolean Quality: sp_IN"},
      {tk_octet, 0, sp_OUT, "tk_octet Quality: sp_OUT"},
      {tk_string, 0, 3, "tk_string Quality: "},
      {tk_specobject, 0, -1, "tk_specobject Quality: "},
      {tk_external, 0, sp_NEUTRAL, "tk_external Quality: sp_NEUTRAL"},
      {tk_component, 0, sp_NEUTRAL, "tk_component Quality: sp_NEUTRAL"},
      {tk_integer, 0, sp_NEUTRAL, "tk_integer Quality: sp_NEUTRAL"},
      {tk_list, tk_integer, sp_NEUTRAL, "tk_list(tk_integer) Quality: sp_NEUTRAL"},
      {tk_list, tk_list, sp_NEUTRAL, "tk_list(tk_list) Quality: sp_NEUTRAL"},
      {tk_list, 99, sp_NEUTRAL, "tk_list(undefine) Quality: sp_NEUTRAL"},
      {tk_list, 0, sp_NEUTRAL, "tk_list(undefine) Quality: sp_NEUTRAL"},
      {0, 0, sp_NEUTRAL, "undefine Quality: sp_NEUTRAL"},
      {27, tk_integer, sp_NEUTRAL, "undefine Quality: sp_NEUTRAL"},
      {-7, 0, sp_NEUTRAL, "undefine Quality: sp_NEUTRAL"},
  };
  std::string expected =
      std::string(kContent) + "name: Keys type: Feature Supertype: \n" + "Attributes :\n";
  int index = 0;
  for (const auto& c : cases) {
    const std::string name = "k" + std::to_string(++index);
    const CATAttrQuality quality = static_cast<CATAttrQuality>(c.quality);
    if (c.kind == tk_list) {
      keys.ListKey(name.c_str(), static_cast<CATAttrKind>(c.element), quality);
    } else {
      keys.Key(name.c_str(), static_cast<CATAttrKind>(c.kind), quality);
    }
    expected += "Name: " + name + " Type: " + c.text + "\n";
  }
  EXPECT_EQ(Printed(keys, nullptr), expected + kEndContent);
}

TEST_F(FeatureDump, AFileReceivesTheDumpWholeAndStandardOutputNothing) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const CATTestNode door = model_.Feature(room.Part(), "Door.1", "Door");
  const std::string expected =
      InTextFile(std::string(kContent) + "name: Door.1 type: Door Supertype: \n" + kEndContent);
  folder_.WriteFile("dump.txt", std::string(1000, 'x'));
  const CATUnicodeString file = folder_.Host("dump.txt").c_str();
  EXPECT_EQ(Printed(door, &file), "");
  EXPECT_EQ(ReadFile(folder_.Native("dump.txt")), expected) << "replaced, not appended to";

  folder_.MakeFolder("folder");
  const struct {
    const char* what;
    std::string path;
  } unwritable[] = {
      {"a directory", folder_.Host("folder")},
      {"a missing folder", folder_.Host("missing\\dump.txt")},
      {"no path", ""},
      // Cut at its NUL, the path would name "dump.txt" itself.
      {"a NUL in the path", folder_.Host("dump.txt") + std::string("\0.new", 5)},
  };
  for (const auto& c : unwritable) {
    SCOPED_TRACE(c.what);
    const CATUnicodeString path(c.path.data(), c.path.size());
    EXPECT_EQ(Printed(door, &path), "");
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder_.Native("folder")));
  EXPECT_FALSE(std::filesystem::exists(folder_.Native("missing")));

  EXPECT_EQ(Printed(CATISpecObject_var(), nullptr), "") << "no feature";
  EXPECT_EQ(Printed(CATISpecObject_var(), &file), "");
  EXPECT_EQ(ReadFile(folder_.Native("dump.txt")), expected) << "left as it was";
}

// Dumps to files reuse one buffer: each file holds its own dump only,
// after a larger one and before one.
TEST_F(FeatureDump, SuccessiveFilesHoldOnlyTheirOwnDump) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  const CATTestNode level = model_.Feature(room.Part(), "Level 1", "Level");
  for (int i = 1; i <= 50; ++i) {
    model_.Feature(level, ("Wall." + std::to_string(i)).c_str(), "Wall")
        .Key("Height", tk_double, sp_IN);
  }
  const CATTestNode door = model_.Feature(room.Part(), "Door.1", "Door");
  const struct {
    const char* what;
    CATTestNode feature;
  } dumps[] = {
      {"large", level}, {"small after large", door}, {"large again", level}, {"small again", door}};
  int number = 0;
  for (const auto& d : dumps) {
    SCOPED_TRACE(d.what);
    const std::string name = "dump" + std::to_string(++number) + ".txt";
    const CATUnicodeString file = folder_.Host(name).c_str();
    Printed(d.feature, &file);
    EXPECT_EQ(ReadFile(folder_.Native(name)), InTextFile(Printed(d.feature, nullptr)));
  }
}

}  // namespace
