#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "CATModelFile.h"
#include "CATModelTreeReader.h"

namespace {

using Json = nlohmann::ordered_json;

// Documents of random objects, fields and member orders, and random faults
// put into them.
class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  Json Document() {
    Json document = Shuffled({{"format", "AXO model document"},
                              {"version", 1 + Below(2)},
                              {"type", Below(4) == 0 ? "CATProduct" : "CATPart"},
                              {"containers", Containers()}});
    if (Below(4) == 0) document["without"] = Json::array({"CATInit"});
    return document;
  }

  // Puts one fault into `document`: a value of another type, a member left
  // out or unknown, an id or a kind that another object has.
  void Damage(Json& document) {
    std::vector<Json*> objects;
    Collect(document, objects);
    Json& object = *objects[static_cast<size_t>(Below(static_cast<int>(objects.size())))];
    const Json values[] = {7,  "x", Json::array(), Json::object(),   nullptr,  true,
                           -1, 1.5, 2147483648u,   Json::array({1}), "window", "container"};
    std::vector<std::string> names;
    for (const auto& member : object.items()) names.push_back(member.key());
    const std::string name =
        names.empty() ? "id" : names[static_cast<size_t>(Below(static_cast<int>(names.size())))];
    switch (Below(5)) {
      case 0:
        object[name] = values[Below(static_cast<int>(std::size(values)))];
        break;
      case 1:
        object.erase(name);
        break;
      case 2:
        object[Below(2) == 0 ? "nmae" : "partNumber"] = "x";
        break;
      case 3:
        object["id"] = std::to_string(1 + Below(std::max(next_id_, 1)));
        break;
      default:
        object["kind"] = Kind(Below(3) == 0);
    }
  }

  // `document` as text, now and then cut short.
  std::string Text(const Json& document) {
    std::string text = document.dump(Below(2) == 0 ? -1 : 2);
    if (Below(10) == 0 && !text.empty())
      text.resize(static_cast<size_t>(Below(static_cast<int>(text.size()))));
    return text;
  }

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

 private:
  Json Containers() {
    Json containers = Json::array();
    for (int i = Below(3); i >= 0; --i) containers.push_back(Object(1));
    return containers;
  }

  const char* Kind(bool container) {
    static const char* const kContainers[] = {"part container", "container"};
    static const char* const kObjects[] = {"feature", "body",    "part",
                                           "product", "logical", "parameter"};
    return container ? kContainers[Below(2)] : kObjects[Below(6)];
  }

  Json Object(int depth) {
    const std::string kind = Kind(depth == 1);
    std::vector<std::pair<std::string, Json>> members{{"kind", kind}};
    if (Below(5) != 0) members.emplace_back("id", std::to_string(++next_id_));
    if (depth > 1) {
      Maybe(members, "name", "Wall." + std::to_string(Below(9)));
      Maybe(members, "type", "Wall");
      Maybe(members, "timeStamp", Below(100));
      Maybe(members, "attributes", Json::array({{{"name", "h"}, {"kind", "double"}}}));
      Maybe(members, "links",
            Json::array({{{"id", "1"}}, {{"document", "B.CATPart"}, {"id", "2"}}}));
      Maybe(members, "update", {{"raises", "no"}});
      Maybe(members, "without", Json::array({"CATIAlias"}));
    }
    if (kind == "parameter") Maybe(members, "value", Below(2) == 0 ? "50mm" : "15deg");
    if (kind == "product") {
      Maybe(members, "partNumber", "P-1");
      Maybe(members, "reference", {{"document", "Room.CATPart"}, {"id", "2"}});
      Maybe(members, "publications", Json::array({{{"name", "Face"}, {"object", {{"id", "3"}}}}}));
      Maybe(members, "connectors", Json::array({{{"id", "3"}}, {{"id", "4"}}}));
      Maybe(members, "position", {{"translation", {1, 2.5, 3}}});
    }
    if (kind == "feature" || kind == "body") {
      Maybe(members, "geometry", Json::array({Json::array({{{"vertex", {1, 2, 3}}}})}));
      Maybe(members, "hidden", Below(2) == 0);
    }
    if (depth < 4 && Below(2) == 0) {
      Json children = Json::array();
      for (int i = Below(4); i >= 0; --i) children.push_back(Object(depth + 1));
      members.emplace_back("children", children);
    }
    std::shuffle(members.begin(), members.end(), random_);
    Json object = Json::object();
    for (auto& member : members) object[member.first] = std::move(member.second);
    return object;
  }

  Json Shuffled(std::vector<std::pair<std::string, Json>> members) {
    std::shuffle(members.begin(), members.end(), random_);
    Json object = Json::object();
    for (auto& member : members) object[member.first] = std::move(member.second);
    return object;
  }

  void Maybe(std::vector<std::pair<std::string, Json>>& members, const char* name, Json value) {
    if (Below(3) == 0) members.emplace_back(name, std::move(value));
  }

  // Every object of `value`, `value` included.
  static void Collect(Json& value, std::vector<Json*>& objects) {
    if (value.is_object()) objects.push_back(&value);
    if (value.is_structured()) {
      for (Json& item : value) Collect(item, objects);
    }
  }

  std::mt19937 random_;
  int next_id_ = 0;
};

// What a reader made of `bytes`: the text of the document written again,
// or its fault.
std::string Outcome(CATModelDocument* (*read)(const std::string&, const CATUnicodeString&,
                                              std::string&),
                    const std::string& bytes) {
  const CATUnicodeString storage = "/models/A.CATPart";
  std::string fault;
  CATModelDocument* document = read(bytes, storage, fault);
  if (document == nullptr) return "refused: " + fault;
  std::string text;
  const bool written = CATModelWriteFile(*document, storage, text, fault);
  document->Release();
  return written ? text : "not written: " + fault;
}

TEST(CATModelFileRead, ReadsAsTheTreeReaderDidWithTheSameFaults) {
  int refused = 0;
  for (unsigned seed = 1; seed <= 3000; ++seed) {
    Generator generator(seed);
    Json document = generator.Document();
    for (int faults = generator.Below(4); faults > 0; --faults) generator.Damage(document);
    const std::string bytes = generator.Text(document);
    SCOPED_TRACE(bytes);
    const std::string expected = Outcome(&CATModelReadTree, bytes);
    ASSERT_EQ(Outcome(&CATModelReadFile, bytes), expected) << "seed " << seed;
    refused += expected.rfind("refused: ", 0) == 0;
  }
  // Both outcomes are common.
  EXPECT_GT(refused, 1000);
  EXPECT_LT(refused, 2500);
}

}  // namespace
