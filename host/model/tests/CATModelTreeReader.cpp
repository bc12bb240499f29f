// The reader of document files that parsed the whole file into a json tree
// before making the model: the oracle that CATModelFileRead.cpp, which
// reads as the parser goes, is compared with.
#include "CATModelTreeReader.h"

#include <map>

#include "CATAdopt.h"
#include "CATModelFile.h"
#include "CATModelFileFields.h"

namespace {

std::string Item(const std::string& where, size_t index) {
  return where + "[" + std::to_string(index) + "]";
}

// Reads the trees of one file, keeping where each id was given.
class TreeReader {
 public:
  explicit TreeReader(const CATModelFileReading& reading) : reading_(reading) {}

  // A new node with one reference for the caller: a container when
  // `depth` is 1, an object below.
  CATModelNode* ReadNode(const CATJson& value, const std::string& where, int depth) {
    if (depth > kCATModelFileMaxDepth) {
      reading_.Fail(where,
                    "nested deeper than " + std::to_string(kCATModelFileMaxDepth) + " levels");
    }
    const CATJson::object_t& fields = reading_.Object(value, where);
    const auto kind_field = fields.find("kind");
    if (kind_field == fields.end()) reading_.Fail(where, "an object has a \"kind\"");
    const std::string kind_name =
        CATModelFileWriting::Text(reading_.Text(kind_field->second, where + ".kind"));
    const CATModelKindInfo* kind = CATModelFindKind(kind_name);
    if (kind == nullptr) {
      reading_.Fail(where + ".kind",
                    "unknown kind '" + kind_name + "' (known: " + CATModelKnownKinds() + ")");
    }
    if ((depth == 1) != CATModelIsContainer(kind->kind)) {
      reading_.Fail(where + ".kind", depth == 1 ? "expected a container at the top"
                                                : "a container lies only at the top");
    }
    CATOwned<CATModelNode> node(new CATModelNode(kind->kind));
    const CATJson* children = nullptr;
    for (const auto& field : fields) {
      const std::string place = where + "." + field.first;
      if (field.first == "kind") continue;
      if (field.first == "children") {
        children = &field.second;
        continue;
      }
      const CATModelFileField* entry = CATModelFindFileField(field.first, kind->kind);
      if (entry == nullptr && !CATModelIsFileField(field.first)) {
        reading_.Fail(place, "unknown field");
      }
      if (entry == nullptr) reading_.Fail(place, std::string("not a field of a ") + kind->fileName);
      entry->read(reading_, field.second, *node, place);
    }
    if (!node->id.empty()) {
      const auto first = ids_.emplace(node->id, where);
      if (!first.second) {
        reading_.Fail(where + ".id", "'" + node->id + "' is the id of " + first.first->second);
      }
    }
    if (children != nullptr) {
      const CATJson::array_t& list = reading_.Array(*children, where + ".children");
      for (size_t i = 0; i < list.size(); ++i) {
        CATOwned<CATModelNode> child(ReadNode(list[i], Item(where + ".children", i), depth + 1));
        node->AppendChild(child.get());
      }
    }
    return node.release();
  }

 private:
  const CATModelFileReading& reading_;
  std::map<std::string, std::string> ids_;  // id => where it was given
};

void GiveIds(CATModelDocument& document, CATModelNode* node) {
  if (node->id.empty()) {
    node->id = document.NewId();
    document.IndexSubtree(node);
  }
  for (CATModelNode* child : node->Children()) GiveIds(document, child);
}

CATModelDocument* ReadDocument(const CATJson& root, const CATModelFileReading& reading) {
  const std::string not_a_document =
      std::string("not a document file (its \"format\" is not \"") + kCATModelFileFormat + "\")";
  if (!root.is_object()) reading.Fail("", not_a_document);
  const CATJson::object_t& fields = root.get_ref<const CATJson::object_t&>();
  const auto format = fields.find("format");
  if (format == fields.end() || format->second != kCATModelFileFormat) {
    reading.Fail("", not_a_document);
  }
  const auto version = fields.find("version");
  if (version == fields.end()) reading.Fail("", "the file has no \"version\"");
  const int number = reading.Integer(version->second, "version");
  if (number < 1) reading.Fail("version", "expected 1 or more");
  if (number > kCATModelFileVersion) {
    reading.Fail("", "version " + std::to_string(number) + " is newer than " +
                         std::to_string(kCATModelFileVersion) + ", the newest this program reads");
  }
  const auto type = fields.find("type");
  if (type == fields.end()) reading.Fail("", "the file has no \"type\"");
  const CATUnicodeString type_text = reading.Text(type->second, "type");
  if (type_text.GetLengthInChar() == 0) reading.Fail("type", "a type is not empty");

  CATOwned<CATModelDocument> document(new CATModelDocument(type_text));
  document->SetStorageName(reading.storage);
  TreeReader trees(reading);
  for (const auto& field : fields) {
    if (field.first == "format" || field.first == "version" || field.first == "type") continue;
    if (field.first == "without") {
      int count = 0;
      const CATInterfaceEntry* interfaces = CATModelDocumentInterfaces(type_text, count);
      CATModelReadWithout(reading, field.second, *document, interfaces, count, "without");
    } else if (field.first == "containers") {
      const CATJson::array_t& containers = reading.Array(field.second, "containers");
      for (size_t i = 0; i < containers.size(); ++i) {
        CATOwned<CATModelNode> container(trees.ReadNode(containers[i], Item("containers", i), 1));
        document->AppendContainer(container.get());
      }
    } else {
      reading.Fail(field.first, "unknown field");
    }
  }
  for (CATModelNode* container : document->Containers()) GiveIds(*document, container);
  return document.release();
}

}  // namespace

CATModelDocument* CATModelReadTree(const std::string& bytes, const CATUnicodeString& storageName,
                                   std::string& fault) {
  const CATModelFileReading reading(storageName);
  try {
    return ReadDocument(CATJson::parse(bytes), reading);
  } catch (const CATJson::exception& error) {  // parse_error, a number out of range
    fault = CATModelParseFault(error);
  } catch (const CATModelFileFault& error) {
    fault = error.message;
  }
  return nullptr;
}
