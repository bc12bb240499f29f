// Documents that once made "axocor model" write outside the folder it was
// given, recurse without end or end with terminate: each command now ends
// with a report and a status.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "CATTestModel.h"
#include "OpenedModel.h"
#include "axocor/CommandTestRun.h"
#include "axocor/model/ModelCommandTestRun.h"

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A product document whose root product "Top" holds one instance of each
// reference, given as {instance name, "document#id"}; further top-level
// products follow as {id, their instances} pairs.
struct Product {
  std::string id;
  std::vector<std::pair<std::string, std::string>> instances;
};

std::string ProductText(const std::vector<Product>& products) {
  std::string text =
      "{\"format\": \"AXO model document\", \"version\": 2, \"type\": \"CATProduct\",\n"
      " \"containers\": [{\"kind\": \"container\", \"children\": [\n";
  for (std::size_t p = 0; p < products.size(); ++p) {
    const Product& product = products[p];
    text += std::string(p > 0 ? ",\n" : "") + "  {\"kind\": \"product\", \"id\": \"" + product.id +
            "\", \"name\": \"" + product.id + "\", \"type\": \"Product\", \"partNumber\": \"" +
            product.id + "\", \"children\": [";
    for (std::size_t i = 0; i < product.instances.size(); ++i) {
      const std::string& reference = product.instances[i].second;
      const std::size_t hash = reference.find('#');
      text += std::string(i > 0 ? ", " : "") + "\n    {\"kind\": \"product\", \"id\": \"" +
              product.id + "-" + std::to_string(i) + "\", \"name\": \"" +
              product.instances[i].first +
              "\", \"type\": \"Product\", \"reference\": {\"document\": \"" +
              reference.substr(0, hash) + "\", \"id\": \"" + reference.substr(hash + 1) + "\"}}";
    }
    text += "]}";
  }
  return text + "\n]}]}\n";
}

class ModelDocumentFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    room_ = Contents(fs::path(AXOCOR_SAMPLE_MODELS) / "Room.CATPart");
    Write("Room.CATPart", room_);
  }
  void TearDown() override { EXPECT_EQ(model_.LeakedObjects(), 0); }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_.Native(name), std::ios::binary) << text;
  }
  // The sample room with its part number `number` and `from` replaced by
  // `to` once.
  std::string RoomWith(const std::string& number, const std::string& from = "",
                       const std::string& to = "") const {
    std::string text = room_;
    for (const auto& change : {std::make_pair(std::string("\"partNumber\": \"Room\""),
                                              "\"partNumber\": \"" + number + "\""),
                               std::make_pair(from, to)}) {
      const std::size_t at = text.find(change.first);
      EXPECT_NE(at, std::string::npos) << change.first;
      if (at != std::string::npos) text.replace(at, change.first.size(), change.second);
    }
    return text;
  }
  CommandTestResult Run(const std::vector<std::string>& args) {
    return RunModelForTest(model_, args);
  }
  // Every file below the folder, as paths relative to it.
  std::vector<std::string> Files() const {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder_.Native())) {
      if (!entry.is_directory()) {
        files.push_back(fs::relative(entry.path(), folder_.Native()).generic_u8string());
      }
    }
    std::sort(files.begin(), files.end());
    return files;
  }

  std::string room_;
  CATTestModel model_;
  AXOTestTempFolder folder_;
};

TEST_F(ModelDocumentFaults, SavePartSavesEachPartNumberThatNamesAFileAndRefusesTheOthers) {
  const std::string long_number(230, 'p');
  Write("Escaped.CATPart", RoomWith("..\\\\..\\\\escaped"));
  Write("Long.CATPart", RoomWith(long_number));
  Write("Top.CATProduct", ProductText({{"Top",
                                        {{"Room.1", "Room.CATPart#product"},
                                         {"Escaped.1", "Escaped.CATPart#product"},
                                         {"Long.1", "Long.CATPart#product"}}}}));
  folder_.MakeFolder("out/a/b");
  const CommandTestResult result =
      Run({"save-part", folder_.Host("Top.CATProduct"), folder_.Host("out\\a\\b")});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out,
            "Room: saved as " + ShownPath(folder_.Host("out\\a\\b\\Room.CATPart").c_str()) +
                "\n..\\..\\escaped: refused: the part number holds a path separator\n" +
                long_number + ": saved as " +
                ShownPath(folder_.Host("out\\a\\b\\" + long_number + ".CATPart").c_str()) + "\n");
  EXPECT_NE(result.err.find("1 of 3 parts not saved"), std::string::npos) << result.err;
  EXPECT_EQ(Files(), (std::vector<std::string>{"Escaped.CATPart", "Long.CATPart", "Room.CATPart",
                                               "Top.CATProduct", "out/a/b/Room.CATPart",
                                               "out/a/b/" + long_number + ".CATPart"}));
}

TEST_F(ModelDocumentFaults, APartCollectionStopsAtAProductThatHoldsItself) {
  Write("Loop.CATProduct",
        ProductText(
            {{"Top", {{"Self.1", "Loop.CATProduct#Top"}, {"Middle.1", "Loop.CATProduct#Middle"}}},
             {"Middle", {{"Room.1", "Room.CATPart#product"}, {"Back.1", "Loop.CATProduct#Top"}}}}));
  folder_.MakeFolder("out");
  const CommandTestResult saved =
      Run({"save-part", folder_.Host("Loop.CATProduct"), folder_.Host("out")});
  EXPECT_EQ(saved.status, 1);
  EXPECT_EQ(saved.out,
            "Room: saved as " + ShownPath(folder_.Host("out\\Room.CATPart").c_str()) + "\n");
  EXPECT_NE(saved.err.find("a product holds an instance of itself, not followed: \"Top\" -> "
                           "\"Top\"\n"),
            std::string::npos)
      << saved.err;
  EXPECT_NE(saved.err.find("not followed: \"Top\" -> \"Middle\" -> \"Top\"\n"), std::string::npos)
      << saved.err;
  for (const char* command : {"show", "box", "check", "children"}) {
    SCOPED_TRACE(command);
    const CommandTestResult result = Run({command, folder_.Host("Loop.CATProduct")});
    EXPECT_LE(result.status, 1) << result.err;
  }
}

TEST_F(ModelDocumentFaults, SavePartGoesThroughASharedProductOnce) {
  // Each level holds two instances of the next: 2^40 paths lead to the room.
  std::vector<Product> chain;
  const int depth = 40;
  for (int level = 0; level < depth; ++level) {
    const std::string next = "Chain.CATProduct#L" + std::to_string(level + 1);
    chain.push_back({"L" + std::to_string(level), {{"A", next}, {"B", next}}});
  }
  chain.push_back({"L" + std::to_string(depth), {{"Room.1", "Room.CATPart#product"}}});
  Write("Chain.CATProduct", ProductText(chain));
  const CommandTestResult result = Run({"save-part", folder_.Host("Chain.CATProduct"), ""});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "Room: updated, not saved\n");
}

TEST_F(ModelDocumentFaults, AnExceptionFromAnUpdateIsReportedAndTheOtherPartsAreSaved) {
  Write("Boom.CATPart", RoomWith("Boom", "\"id\": \"room\",",
                                 "\"id\": \"room\", \"update\": {\"throws\": \"boom\"},"));
  Write("Top.CATProduct",
        ProductText(
            {{"Top", {{"Boom.1", "Boom.CATPart#product"}, {"Room.1", "Room.CATPart#product"}}}}));
  folder_.MakeFolder("out");
  const CommandTestResult result =
      Run({"save-part", folder_.Host("Top.CATProduct"), folder_.Host("out")});
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("axocor: error: updating part \"Boom\" raised: boom\n"),
            std::string::npos)
      << result.err;
  EXPECT_NE(result.err.find("1 of 2 parts not saved"), std::string::npos) << result.err;
  EXPECT_EQ(result.out,
            "Room: saved as " + ShownPath(folder_.Host("out\\Room.CATPart").c_str()) + "\n");
  EXPECT_FALSE(fs::exists(folder_.Native("out/Boom.CATPart")));
}

// "dump -o" writes through a link to the file it leads to, and takes a name
// as long as the file system allows.
TEST_F(ModelDocumentFaults, DumpWritesThroughALinkAndToANameAtTheLimit) {
  const std::string room = folder_.Host("Room.CATPart");
  const CommandTestResult printed = Run({"dump", room, "Level 1\\Wall.1"});
  ASSERT_EQ(printed.status, 0) << printed.err;
  const std::string long_name(251, 'd');
  struct Target {
    std::string name;     // given to -o
    std::string written;  // the file that holds the dump
  };
  std::vector<Target> targets{{long_name + ".txt", long_name + ".txt"}};
  std::error_code no_links;
  fs::create_symlink(folder_.Native("target.txt"), folder_.Native("link.txt"), no_links);
  std::ofstream(folder_.Native("target.txt")) << "old";
  if (!no_links) targets.push_back({"link.txt", "target.txt"});
  for (const Target& target : targets) {
    SCOPED_TRACE(target.name);
    const CommandTestResult result =
        Run({"dump", room, "Level 1\\Wall.1", "-o", folder_.Host(target.name)});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(Contents(folder_.Native(target.written)), AsSystemTextFile(printed.out));
  }
  if (!no_links) {
    EXPECT_TRUE(fs::is_symlink(folder_.Native("link.txt")));
  }
}

}  // namespace
