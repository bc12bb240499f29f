// Writing whole document files (reading them: CATModelFileRead.cpp); the
// fields of their objects are in CATModelFileFields.cpp.
#include "CATModelFile.h"

#include <array>
#include <cstring>
#include <vector>

#include "CATModelFileFields.h"

const char kCATModelFileFormat[] = "AXO model document";

namespace {

// Asks for the memory of `node` ahead of its writing. The objects of a
// large document lie apart in memory and are out of the cache by the time
// a save comes to them; each child is asked for a few children ahead. The
// bytes that follow the node are asked for too: in a document read from a
// file they mostly hold its name, which the reader made just after the
// node (a save of 100,000 such objects takes a fifth less time with them).
// Asking for memory never faults, whatever lies there.
void Prefetch(const CATModelNode* node) {
  constexpr std::size_t kFollowing = 192;
  const char* bytes = reinterpret_cast<const char*>(node);
  for (std::size_t at = 0; at < sizeof(CATModelNode) + kFollowing; at += 64) {
    __builtin_prefetch(bytes + at);
  }
}

// Writes the objects of one file: each object's fields as its kind has
// them, the list of a kind's fields made at its first object.
class NodeWriter {
 public:
  NodeWriter(const CATUnicodeString& storageName, CATModelFileOut& out)
      : writing_(storageName), out_(out) {}

  void Write(CATModelNode& node, int depth) {
    if (depth > kCATModelFileMaxDepth) {
      throw CATModelFileFault{"the tree is deeper than " + std::to_string(kCATModelFileMaxDepth) +
                              " levels"};
    }
    out_.BeginObject();
    out_.Key("kind");
    const char* const kind = CATModelKindInfoOf(node.Kind()).fileName;
    out_.Text(kind, std::strlen(kind));
    for (const CATModelFileField* field : FieldsOf(node.Kind())) {
      field->write(writing_, node, out_);
    }
    if (!node.Children().empty()) {
      out_.Key("children");
      out_.BeginArray();
      const std::vector<CATModelNode*>& children = node.Children();
      constexpr std::size_t kAhead = 2;
      for (std::size_t i = 0; i < children.size() && i < kAhead; ++i) Prefetch(children[i]);
      for (std::size_t i = 0; i < children.size(); ++i) {
        if (i + kAhead < children.size()) Prefetch(children[i + kAhead]);
        Write(*children[i], depth + 1);
      }
      out_.EndArray();
    }
    out_.EndObject();
  }

 private:
  const std::vector<const CATModelFileField*>& FieldsOf(CATModelKind kind) {
    std::vector<const CATModelFileField*>& fields = fields_[static_cast<unsigned>(kind)];
    if (fields.empty()) {
      const CATModelFileField* const end = CATModelFileFieldsEnd();
      for (const CATModelFileField* field = CATModelFileFieldsBegin(); field != end; ++field) {
        if (CATModelCarries(*field, kind)) fields.push_back(field);
      }
    }
    return fields;
  }

  const CATModelFileWriting writing_;
  CATModelFileOut& out_;
  std::array<std::vector<const CATModelFileField*>, kCATModelMaxKinds> fields_;
};

// Calls `visit` on every node of the document, in the order of the tree.
template <typename Visit>
void VisitNodes(const CATModelDocument& document, Visit visit) {
  std::vector<CATModelNode*> pending(document.Containers().rbegin(), document.Containers().rend());
  while (!pending.empty()) {
    CATModelNode* node = pending.back();
    pending.pop_back();
    visit(node);
    pending.insert(pending.end(), node->Children().rbegin(), node->Children().rend());
  }
}

}  // namespace

bool CATModelWriteFile(CATModelDocument& document, const CATUnicodeString& storageName,
                       std::string& bytes, std::string& fault) {
  bytes.clear();
  // Room for what the file held last, and some growth; else for objects of
  // a few fields, untouched memory where they have fewer.
  bytes.reserve(document.stored ? 4096 + document.stored->size + document.stored->size / 8
                                : 4096 + 512 * static_cast<size_t>(CATModelCountObjects(document)));
  try {
    CATModelFileOut out(bytes);
    NodeWriter writer(storageName, out);
    out.BeginObject();
    out.Key("format");
    out.Text(kCATModelFileFormat);
    out.Key("version");
    out.Integer(kCATModelFileVersion);
    out.Key("type");
    out.Text(CATModelFileWriting::Text(document.Type()));
    int count = 0;
    const CATInterfaceEntry* interfaces = CATModelDocumentInterfaces(document.Type(), count);
    CATModelWriteWithout(document, interfaces, count, out);
    out.Key("containers");
    out.BeginArray();
    for (CATModelNode* container : document.Containers()) writer.Write(*container, 1);
    out.EndArray();
    out.EndObject();
  } catch (const CATModelFileFault& error) {
    fault = error.message;
    return false;
  }
  bytes += '\n';
  return true;
}

std::vector<CATUnicodeString> CATModelReferencedDocuments(const CATModelDocument& document) {
  std::vector<CATUnicodeString> names;
  const auto add = [&](const CATModelLink& link) {
    if (link.Document().GetLengthInChar() == 0) return;
    for (const CATUnicodeString& name : names) {
      if (name == link.Document()) return;
    }
    names.push_back(link.Document());
  };
  VisitNodes(document, [&](CATModelNode* node) { node->VisitLinks(add); });
  return names;
}

int CATModelCountObjects(const CATModelDocument& document) {
  int count = 0;
  VisitNodes(document, [&](CATModelNode*) { ++count; });
  return count;
}
