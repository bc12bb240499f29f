// Writing whole document files (reading them: CATModelFileRead.cpp); the
// fields of their objects are in CATModelFileFields.cpp.
#include "CATModelFile.h"

#include <cstring>
#include <vector>

#include "CATModelFileFields.h"

const char kCATModelFileFormat[] = "AXO model document";

namespace {

void WriteNode(const CATModelFileWriting& writing, CATModelNode& node, int depth,
               CATModelFileOut& out) {
  if (depth > kCATModelFileMaxDepth) {
    throw CATModelFileFault{"the tree is deeper than " + std::to_string(kCATModelFileMaxDepth) +
                            " levels"};
  }
  out.BeginObject();
  out.Key("kind");
  const char* const kind = CATModelKindInfoOf(node.Kind()).fileName;
  out.Text(kind, std::strlen(kind));
  const unsigned bit = CATModelKindBit(node.Kind());
  const CATModelFileField* const end = CATModelFileFieldsEnd();
  for (const CATModelFileField* field = CATModelFileFieldsBegin(); field != end; ++field) {
    if ((field->kinds & bit) != 0) field->write(writing, node, out);
  }
  if (!node.Children().empty()) {
    out.Key("children");
    out.BeginArray();
    for (CATModelNode* child : node.Children()) WriteNode(writing, *child, depth + 1, out);
    out.EndArray();
  }
  out.EndObject();
}

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
  const CATModelFileWriting writing(storageName);
  bytes.clear();
  // Room for what the file held last, and some growth; else for objects of
  // a few fields, untouched memory where they have fewer.
  bytes.reserve(document.stored ? 4096 + document.stored->size + document.stored->size / 8
                                : 4096 + 512 * static_cast<size_t>(CATModelCountObjects(document)));
  CATModelFileOut out(bytes);
  try {
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
    for (CATModelNode* container : document.Containers()) WriteNode(writing, *container, 1, out);
    out.EndArray();
    out.EndObject();
    bytes += '\n';
    return true;
  } catch (const CATModelFileFault& error) {
    fault = error.message;
  }
  return false;
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
