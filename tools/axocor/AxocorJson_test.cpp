// Every command that prints a result, run twice: as text and with --json.
// The JSON document must parse as one document and carry the figures of
// the text.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "AxocorJson.h"
#include "CATTestModel.h"
#include "axocor/CommandTestRun.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class JsonOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.WriteFile("startup/Catalogs/Structural Steel/Euro/IPE.catalog");
    folder_.WriteFile("map.csv", "HEB100,HE100B,HE 100 B\r\n");
    folder_.WriteFile("startup/IDSequenceNumbers/beams", "41");
    folder_.WriteFile("graphic/Dictionaries/AXOCustom.CATfct");
    folder_.WriteFile("std/generativeparameters/Walls.xml",
                      "<std:node><std:node type=\"includefile\"><std:strval>part.xml"
                      "</std:strval></std:node><std:node type=\"includefile\"><std:strval>"
                      "gone.xml</std:strval></std:node></std:node>");
    folder_.WriteFile("std/gvs_includes/part.xml", "<std:node/>");
    paths_ = folder_.Host("absent") + ";" + folder_.Host("startup");
    AXOPlatform* platform = AXOPlatform::Get();
    platform->SetEnv("CATStartupPath", paths_.c_str());
    platform->SetEnv("CATGraphicPath", folder_.Host("graphic/Dictionaries").c_str());
    platform->SetEnv("CATCollectionStandard", folder_.Host("std").c_str());
  }
  void TearDown() override {
    for (const char* variable : {"CATStartupPath", "CATGraphicPath", "CATCollectionStandard"}) {
      AXOPlatform::Get()->SetEnv(variable, nullptr);
    }
    EXPECT_EQ(model_.LeakedObjects(), 0);
  }

  CATTestModel model_;
  AXOTestTempFolder folder_;
  std::string paths_;
};

using Check = std::function<void(const AxocorJson& json, const std::vector<std::string>& text)>;

TEST_F(JsonOutput, CarriesTheFiguresOfTheText) {
  const std::string catalog = std::string(AXOCOR_SAMPLE_MODELS) + "/Sections.catalog";
  const std::string braced = "{01234567-89AB-CDEF-0123-456789ABCDEF}";
  const struct {
    void (*group)(CLI::App&);
    std::vector<std::string> args;
    int status;
    Check check;
  } cases[] = {
      {RegisterGuidCommands,
       {"guid", "compress", braced},
       0,
       [&](const AxocorJson& json, const std::vector<std::string>& text) {
         EXPECT_EQ(json["braced"], braced);
         EXPECT_EQ(json["compressed"], text.at(0));
       }},
      {RegisterGuidCommands,
       {"guid", "expand", "018qLdYQlDxm4ZHMU9gytl"},
       0,
       [&](const AxocorJson& json, const std::vector<std::string>& text) {
         EXPECT_EQ(json["braced"], text.at(0));
         EXPECT_EQ(json["compressed"], "018qLdYQlDxm4ZHMU9gytl");
       }},
      {RegisterGuidCommands,
       {"guid", "new", "-n", "3"},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         ASSERT_EQ(json["guids"].size(), text.size());
         for (const AxocorJson& guid : json["guids"]) {
           EXPECT_EQ(guid["braced"].get<std::string>().size(), 38u);
           EXPECT_EQ(guid["compressed"].get<std::string>().size(), 22u);
         }
       }},
      {RegisterGuidCommands,
       {"guid", "new", "--compressed"},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         EXPECT_EQ(json["guids"][0].size(), 1u);
         EXPECT_EQ(json["guids"][0]["compressed"].get<std::string>().size(), text.at(0).size());
       }},
      {RegisterUnitCommands,
       {"units"},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         ASSERT_EQ(json["magnitudes"].size(), text.size());
         for (std::size_t i = 0; i < text.size(); ++i) {
           const AxocorJson& magnitude = json["magnitudes"][i];
           EXPECT_EQ(text[i].rfind(magnitude["magnitude"].get<std::string>() + "  ", 0), 0u);
           const std::string unit = magnitude["currentUnit"]["name"];
           EXPECT_EQ(text[i].substr(text[i].size() - unit.size()), unit);
         }
       }},
      {RegisterUnitCommands,
       {"units", "LENGTH"},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         ASSERT_EQ(json["units"].size(), text.size());
         for (std::size_t i = 0; i < text.size(); ++i) {
           const AxocorJson& unit = json["units"][i];
           // The symbol, blanks that align the columns, the name.
           const std::string symbol = unit["symbol"];
           EXPECT_EQ(text[i].rfind(symbol + "  ", 0), 0u);
           EXPECT_EQ(text[i]
                         .substr(text[i].find_first_not_of(' ', symbol.size()))
                         .rfind(unit["name"].get<std::string>(), 0),
                     0u);
           EXPECT_EQ(unit["current"].get<bool>(), text[i].find("(current)") != std::string::npos);
         }
         EXPECT_EQ(json["currentUnit"]["symbol"], "mm");
       }},
      {RegisterUnitCommands,
       {"units", "LENGTH", "Foot"},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         EXPECT_EQ(json["unit"]["symbol"].get<std::string>() + "  " +
                       json["unit"]["name"].get<std::string>(),
                   text.at(0));
       }},
      {RegisterCatalogCommands,
       {"catalogs", "show", catalog},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         std::size_t line = 0;
         for (const AxocorJson& chapter : json["chapters"]) {
           EXPECT_EQ(text.at(line++).rfind("chapter " + chapter["path"].get<std::string>(), 0), 0u);
           for (const AxocorJson& sub : chapter["subChapters"]) {
             EXPECT_EQ(text.at(line++), "  sub-chapter \"" + sub["description"].get<std::string>() +
                                            "\" -> " + sub["chapter"].get<std::string>());
           }
           for (const AxocorJson& entry : chapter["entries"]) {
             std::string expected = "  entry \"" + entry["entry"].get<std::string>() + "\"";
             for (const auto& [keyword, value] : entry["values"].items()) {
               expected += "  " + keyword + ": " + value.get<std::string>();
             }
             EXPECT_EQ(text.at(line++), expected);
           }
         }
         EXPECT_EQ(line, text.size());
       }},
      {RegisterCatalogCommands,
       {"catalogs", "entry", catalog, "IPE 200"},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         EXPECT_EQ(text.at(0), "entry \"" + json["entry"].get<std::string>() + "\" in chapter " +
                                   json["chapter"].get<std::string>());
         std::size_t line = 1;
         for (const auto& [keyword, value] : json["values"].items()) {
           EXPECT_EQ(text.at(line++), "  " + keyword + ": " + value.get<std::string>());
         }
       }},
      {RegisterCatalogCommands,
       {"catalogs", "steel"},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         EXPECT_EQ(json["steelCatalogs"], AxocorJson(text));
       }},
      {RegisterCatalogCommands,
       {"catalogs", "find", "IPE", "Structural Steel\\Euro"},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         EXPECT_EQ(json["path"], text.at(0));
       }},
      {RegisterEnvCommands,
       {"env", "list", "CATStartupPath"},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         ASSERT_EQ(json["directories"].size(), text.size());
         for (std::size_t i = 0; i < text.size(); ++i) {
           const AxocorJson& directory = json["directories"][i];
           const std::string path = directory["path"];
           EXPECT_EQ(text[i], directory["exists"].get<bool>() ? path : path + "\t(missing)");
         }
       }},
      {RegisterEnvCommands,
       {"env", "find", "CATStartupPath", "Catalogs\\Structural Steel\\Euro\\IPE.catalog"},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         EXPECT_EQ(json["path"], text.at(0));
       }},
      {RegisterMapCommands,
       {"map", "export", folder_.Host("map.csv"), "HEB100", "IPE80"},
       1,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         ASSERT_EQ(json["translations"].size(), text.size());
         EXPECT_EQ(text.at(0),
                   "HEB100\t" + json["translations"][0]["translation"].get<std::string>());
         EXPECT_EQ(text.at(1), "IPE80\t(not in map)");
         EXPECT_TRUE(json["translations"][1]["translation"].is_null());
       }},
      // Each run reserves: the text's number first, then the document's.
      {RegisterCounterCommands,
       {"counter", "beams", "-n", "3"},
       0,
       [&](const AxocorJson& json, const std::vector<std::string>& text) {
         EXPECT_EQ(json["first"].get<std::int64_t>(), std::stoll(text.at(0)) + 3);
         EXPECT_EQ(json["last"].get<std::int64_t>(), json["first"].get<std::int64_t>() + 2);
         EXPECT_EQ(json["count"], 3);
         EXPECT_EQ(AXOTestReadFile(folder_.Native("startup/IDSequenceNumbers/beams")),
                   std::to_string(json["last"].get<std::int64_t>()));
       }},
      {RegisterDictionaryCommands,
       {"dictionaries", "--ordered"},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         EXPECT_EQ(json["dictionaries"], AxocorJson(text));
         EXPECT_TRUE(json["ordered"].get<bool>());
       }},
      {RegisterGvsCommands,
       {"gvs", "list"},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         EXPECT_EQ(json["styleSheets"], AxocorJson(text));
         EXPECT_EQ(json["styleSheets"], AxocorJson::array({"Walls"}));
       }},
      {RegisterGvsCommands,
       {"gvs", "includes", folder_.Host("std/generativeparameters/Walls.xml")},
       1,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         ASSERT_EQ(json["includes"].size(), text.size());
         for (std::size_t i = 0; i < text.size(); ++i) {
           const AxocorJson& include = json["includes"][i];
           const std::string path = include["path"].is_null() ? "(in no gvs_includes folder)"
                                                              : include["path"].get<std::string>();
           EXPECT_EQ(text[i], include["state"].get<std::string>() + "\t" + path);
         }
         EXPECT_EQ(json["includes"][1]["state"], "not found");
         EXPECT_EQ(json["failed"], 1);
         EXPECT_TRUE(json["complete"].get<bool>());
       }},
      {RegisterDateCommands,
       {"date", "2024-03-15", "14:30:05"},
       0,
       [](const AxocorJson& json, const std::vector<std::string>& text) {
         EXPECT_EQ(json["localTime"], text.at(0));
         EXPECT_EQ(json["text"], "2024-03-15 14:30:05");
       }},
  };
  for (const auto& c : cases) {
    std::string line;
    for (const std::string& arg : c.args) line += arg + " ";
    SCOPED_TRACE(line);
    const CommandTestResult text = RunCommandForTest(c.group, c.args);
    std::vector<std::string> args = c.args;
    args.push_back("--json");
    const CommandTestResult json = RunCommandForTest(c.group, args);
    EXPECT_EQ(text.status, c.status) << text.err;
    EXPECT_EQ(json.status, c.status) << json.err;
    // parse() takes exactly one document: trailing text is an error.
    const AxocorJson document = AxocorJson::parse(json.out, nullptr, false);
    ASSERT_FALSE(document.is_discarded()) << json.out;
    c.check(document, Lines(text.out));
  }
}

// Every command that prints a result offers --json; those whose output is
// a text of another format (XML, SVG) do not.
TEST_F(JsonOutput, EveryCommandWithAResultOffersIt) {
  const struct {
    void (*group)(CLI::App&);
    std::vector<std::string> command;
    bool json;
  } cases[] = {
      {RegisterGuidCommands, {"guid", "new"}, true},
      {RegisterGuidCommands, {"guid", "compress"}, true},
      {RegisterGuidCommands, {"guid", "expand"}, true},
      {RegisterEnvCommands, {"env", "list"}, true},
      {RegisterEnvCommands, {"env", "find"}, true},
      {RegisterDoctorCommand, {"doctor"}, true},
      {RegisterGvsCommands, {"gvs", "includes"}, true},
      {RegisterGvsCommands, {"gvs", "list"}, true},
      {RegisterGvsCommands, {"gvs", "expand"}, false},
      {RegisterCounterCommands, {"counter"}, true},
      {RegisterDateCommands, {"date"}, true},
      {RegisterMapCommands, {"map", "export"}, true},
      {RegisterMapCommands, {"map", "import"}, true},
      {RegisterDictionaryCommands, {"dictionaries"}, true},
      {RegisterSettingsCommands, {"settings", "show"}, true},
      {RegisterSettingsCommands, {"settings", "set"}, true},
      {RegisterSettingsCommands, {"settings", "reset"}, true},
      {RegisterCatalogCommands, {"catalogs", "steel"}, true},
      {RegisterCatalogCommands, {"catalogs", "find"}, true},
      {RegisterCatalogCommands, {"catalogs", "show"}, true},
      {RegisterCatalogCommands, {"catalogs", "entry"}, true},
      {RegisterUnitCommands, {"units"}, true},
      {RegisterModelCommands, {"model", "show"}, true},
      {RegisterModelCommands, {"model", "check"}, true},
      {RegisterModelCommands, {"model", "box"}, true},
      {RegisterModelCommands, {"model", "dump"}, true},
      {RegisterModelCommands, {"model", "children"}, true},
      {RegisterModelCommands, {"model", "unique-name"}, true},
      {RegisterModelCommands, {"model", "publish"}, true},
      {RegisterModelCommands, {"model", "save-part"}, true},
      {RegisterModelCommands, {"model", "plan"}, false},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.command;
    SCOPED_TRACE(args.back());
    args.push_back("--help");
    const CommandTestResult help = RunCommandForTest(c.group, args);
    EXPECT_EQ(help.status, 0) << help.err;
    EXPECT_EQ(help.out.find("--json") != std::string::npos, c.json) << help.out;
  }
}

}  // namespace
