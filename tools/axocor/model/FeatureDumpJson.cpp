#include "FeatureDumpJson.h"

#include <string>
#include <utility>
#include <vector>

#include "model/AXOCorFeatureDumpWalk.h"

namespace {

std::string Text(const CATUnicodeString& text) {
  return text.ConvertToChar();
}

class DumpJson : public AXOCorFeatureDumpReader {
 public:
  explicit DumpJson(AxocorJson& document) : document_(document) {}

  void Feature(int depth, const CATUnicodeString& name, const CATUnicodeString& type,
               const CATUnicodeString& supertype) override {
    AxocorJson feature = {{"name", Text(name)},
                          {"type", Text(type)},
                          {"supertype", Text(supertype)},
                          {"attributes", AxocorJson::array()},
                          {"components", AxocorJson::array()}};
    if (depth == 0) {
      document_["feature"] = std::move(feature);
      open_.assign(1, &document_["feature"]);
      return;
    }
    // The parent's components grow only once this feature has ended.
    AxocorJson& components = (*open_.back())["components"];
    components.push_back(std::move(feature));
    open_.push_back(&components.back());
  }

  void Attributes(int) override {}

  void Attribute(int, const CATUnicodeString& name, const char* kind, const char* elementKind,
                 const char* quality) override {
    AxocorJson attribute = {{"name", Text(name)}, {"type", kind}};
    if (elementKind != nullptr) attribute["elementType"] = elementKind;
    attribute["quality"] = quality;
    (*open_.back())["attributes"].push_back(std::move(attribute));
  }

  void EndFeature(int) override { open_.pop_back(); }

  void Links() override {}

  void Link(const CATUnicodeString& name, const CATUnicodeString& type) override {
    document_["links"].push_back({{"name", Text(name)}, {"type", Text(type)}});
  }

  void EndLinks() override {}

 private:
  AxocorJson& document_;
  std::vector<AxocorJson*> open_;  // the features not ended yet, the innermost last
};

}  // namespace

AxocorJson FeatureDumpJson(const CATISpecObject_var& feature) {
  AxocorJson document = {{"feature", nullptr}, {"links", AxocorJson::array()}};
  DumpJson reader(document);
  AXOCorWalkFeatureDump(feature, reader);
  return document;
}
