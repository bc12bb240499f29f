#include "ModelTree.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "AXOCorGeomServices.h"
#include "AXOIAttLogical.h"
#include "AxocorEscapedText.h"
#include "CATAdopt.h"
#include "CATDocument.h"
#include "CATIAlias.h"
#include "CATIBodyRequest.h"
#include "CATICatalogChapter.h"
#include "CATICatalogDescription.h"
#include "CATICkeParm.h"
#include "CATIContainer.h"
#include "CATIDescendants.h"
#include "CATIDocId.h"
#include "CATILinkableObject.h"
#include "CATIMovable.h"
#include "CATIPrdObjectPublisher.h"
#include "CATIProduct.h"
#include "CATIPrtPart.h"
#include "CATISpecAttrAccess.h"
#include "CATISpecUpdate.h"
#include "CATInit.h"
#include "ModelLookup.h"
#include "OpenedModel.h"
#include "model/AXOCorPlacement.h"

namespace {

std::string Text(const CATUnicodeString& text) {
  return text.ConvertToChar();
}

std::string DateText(const CATTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.GetYear(), time.GetMonth(),
                time.GetDay(), time.GetHour(), time.GetMinute(), time.GetSecond());
  return text;
}

// The position of a placed instance; null for the identity.
AxocorJson PositionJson(const CATIProduct_var& instance) {
  const CATIMovable_var movable(instance);
  if (!movable) return nullptr;
  const CATMathTransformation position = movable->GetPosition();
  if (position == CATMathTransformation()) return nullptr;
  double rotation[9], translation[3];
  position.GetCoef(rotation, translation);
  AxocorJson rows = AxocorJson::array();
  for (int i = 0; i < 3; ++i)
    rows.push_back({rotation[3 * i], rotation[3 * i + 1], rotation[3 * i + 2]});
  return {{"translation", {translation[0], translation[1], translation[2]}}, {"rotation", rows}};
}

class TreeWalk {
 public:
  // With `documentsOnly` the walk only meets the documents: features give
  // no node (null), and their boxes, stamps and names are not asked for.
  explicit TreeWalk(bool documentsOnly = false) : documents_only_(documentsOnly) {}

  AxocorJson Tree(CATDocument* first, const ModelFaultsOf& faults) {
    Meet(first);
    AxocorJson documents = AxocorJson::array();
    for (size_t i = 0; i < documents_.size(); ++i) {
      documents.push_back(Document(documents_[i], faults));
    }
    return {{"documents", std::move(documents)}};
  }

  AxocorJson Object(const CATBaseUnknown_var& object) {
    const CATIProduct_var product(object);
    return !!product ? Product(product) : Feature(object);
  }

  const std::vector<CATDocument*>& Met() const { return documents_; }

 private:
  // Notes a document to walk, once.
  void Meet(CATDocument* document) {
    if (document == nullptr) return;  // not open
    for (CATDocument* known : documents_) {
      if (known == document) return;
    }
    documents_.push_back(document);
  }
  void MeetDocumentOf(const CATBaseUnknown_var& object) {
    const CATILinkableObject_var linkable(object);
    if (!!linkable) Meet(linkable->GetDocument());
  }
  void MeetLinkedDocuments(const CATBaseUnknown_var& object) {
    const CATISpecAttrAccess_var access(object);
    if (!access) return;
    const std::unique_ptr<CATListValCATBaseUnknown_var> linked(
        access->ListLinkedObjects(IID_CATBaseUnknown, 0, 0));
    for (int i = 1; linked != nullptr && i <= linked->Size(); ++i) MeetDocumentOf((*linked)[i]);
  }

  AxocorJson Document(CATDocument* document, const ModelFaultsOf& faults) {
    CATUnicodeString type;
    CATIDocId* id = nullptr;
    if (SUCCEEDED(document->GetDocId(&id))) {
      id->GetType(type);
      id->Release();
    }
    AxocorJson objects = AxocorJson::array();
    const CATInit_var init(document);
    const CATIContainer_var container =
        CATAdoptHandle<CATIContainer>(!init ? nullptr : init->GetRootContainer("CATIContainer"));
    CATListValCATBaseUnknown_var members;
    if (!!container) container->ListMembersHere(nullptr, members);
    for (int i = 1; i <= members.Size(); ++i) objects.push_back(Object(members[i]));
    AxocorJson broken = AxocorJson::array();
    if (faults) {
      for (const std::string& fault : faults(document)) broken.push_back(fault);
    }
    return {{"path", ShownPath(document->StorageName())},
            {"type", Text(type)},
            {"objects", std::move(objects)},
            {"broken", std::move(broken)}};
  }

  // The nodes of the direct children of `object`, an array (of nulls when
  // only documents are met).
  AxocorJson Children(const CATBaseUnknown_var& object) {
    AxocorJson list = AxocorJson::array();
    const CATIDescendants_var descendants(object);
    if (!descendants) return list;
    CATListValCATISpecObject_var children;
    descendants->GetDirectChildren(nullptr, children);
    for (int i = 1; i <= children.Size(); ++i) list.push_back(Object(children[i]));
    return list;
  }

  AxocorJson Feature(const CATBaseUnknown_var& object) {
    if (documents_only_) {
      MeetLinkedDocuments(object);
      Children(object);
      return nullptr;
    }
    const CATICkeParm_var parameter(object);
    if (!!parameter) {
      return {{"kind", "parameter"},
              {"name", NameOf(object)},
              {"value", Text(parameter->Value()->AsString())}};
    }
    const CATICatalogChapter_var chapter(object);
    if (!!chapter) return Chapter(chapter);
    const bool part = !!CATIPrtPart_var(object);
    const bool body = !part && !!CATIBodyRequest_var(object);
    AxocorJson node{{"kind", part                           ? "part"
                             : body                         ? "body"
                             : !!AXOIAttLogical_var(object) ? "logical"
                                                            : "feature"},
                    {"name", NameOf(object)}};
    const CATISpecObject_var feature(object);
    if (!!feature) {
      const CATUnicodeString type = feature->GetType();
      if (type.GetLengthInChar() > 0) node["type"] = Text(type);
      node["timeStamp"] = DateText(AXOCorGeomServices::GetTimeStamp(feature));
    }
    const CATISpecUpdate_var update(object);
    if (!!update) node["updateStamp"] = update->GetUpdateStamp();
    CATMathBox box;
    if ((part || body) && SUCCEEDED(AXOCorGeomServices::GetBoundingBox(object, box))) {
      node["box"] = BoxJson(box);
    }
    if (AXOCorRepresentationIsHidden(object)) node["hidden"] = true;
    MeetLinkedDocuments(object);
    AxocorJson children = Children(object);
    if (!children.empty()) node["children"] = std::move(children);
    return node;
  }

  // A chapter of a catalog, with its descriptions: entries, and
  // sub-chapters with the chapter each refers to.
  AxocorJson Chapter(const CATICatalogChapter_var& chapter) {
    AxocorJson node{{"kind", "chapter"}, {"name", NameOf(chapter)}};
    AxocorJson list = AxocorJson::array();
    const std::unique_ptr<CATListValCATICatalogDescription_var> descriptions(
        chapter->ListDescriptions());
    for (int i = 1; descriptions != nullptr && i <= descriptions->Size(); ++i) {
      const CATICatalogDescription_var& description = (*descriptions)[i];
      if (!description) continue;
      if (description->GetDescriptionKind() != CATCatalogChapterKind) {
        list.push_back({{"kind", "entry"}, {"name", NameOf(description)}});
        continue;
      }
      const CATICatalogChapter_var referenced =
          CATAdoptHandle<CATICatalogChapter>(description->GetReferencedChapter());
      AxocorJson sub{{"kind", "sub-chapter"}, {"name", NameOf(description)}};
      if (!referenced) {
        sub["broken"] = "refers to no chapter";
      } else {
        sub["chapter"] = NameOf(referenced);
      }
      list.push_back(std::move(sub));
    }
    if (!list.empty()) node["children"] = std::move(list);
    return node;
  }

  AxocorJson Product(const CATIProduct_var& product) {
    if (product->IsReference() != S_OK) {
      AxocorJson node{{"kind", "instance"}, {"name", NameOf(product)}};
      const CATIProduct_var reference = product->GetReferenceProduct();
      if (!reference) {
        node["broken"] = "of a product that cannot be reached";
        return node;
      }
      const CATILinkableObject_var linkable(reference);
      CATDocument* document = !linkable ? nullptr : linkable->GetDocument();
      node["of"] = NameOf(reference);
      if (document != nullptr) node["in"] = ShownPath(document->StorageName());
      AxocorJson position = PositionJson(product);
      if (!position.is_null()) node["position"] = std::move(position);
      Meet(document);
      return node;
    }
    AxocorJson node{{"kind", "product"},
                    {"name", NameOf(product)},
                    {"partNumber", Text(product->GetPartNumber())}};
    MeetLinkedDocuments(product);
    AxocorJson list = AxocorJson::array();
    const std::unique_ptr<CATListValCATBaseUnknown_var> children(product->GetChildren());
    for (int i = 1; children != nullptr && i <= children->Size(); ++i) {
      list.push_back(Object((*children)[i]));
    }
    const CATIPrdObjectPublisher_var publisher(product);
    CATListValCATUnicodeString names;
    if (!!publisher) publisher->ListPublications(names);
    for (int i = 1; i <= names.Size(); ++i) {
      CATBaseUnknown_var published;
      publisher->GetPublication(names[i], published);
      AxocorJson publication{{"kind", "publication"}, {"name", Text(names[i])}};
      if (!published) {
        publication["broken"] = "an object whose document is not open";
      } else {
        publication["object"] = NameOf(published);
      }
      list.push_back(std::move(publication));
      MeetDocumentOf(published);
    }
    if (!list.empty()) node["children"] = std::move(list);
    return node;
  }

  const bool documents_only_;
  std::vector<CATDocument*> documents_;
};

std::string Quoted(const AxocorJson& text) {
  return "\"" + text.get<std::string>() + "\"";
}

// The line of an object, without its indent.
std::string ObjectLine(const AxocorJson& node) {
  const std::string kind = node["kind"].get<std::string>();
  std::string line = kind + " " + Quoted(node["name"]);
  if (kind == "parameter") return line + " = " + node["value"].get<std::string>();
  if (kind == "sub-chapter" && node.contains("chapter")) {
    return line + " -> chapter " + Quoted(node["chapter"]);
  }
  if (kind == "publication") {
    return line + " -> " +
           (node.contains("object") ? Quoted(node["object"])
                                    : std::string("an object whose document is not open"));
  }
  if (node.contains("broken")) return line + "  broken: " + node["broken"].get<std::string>();
  if (node.contains("partNumber")) line += "  part number " + node["partNumber"].get<std::string>();
  if (node.contains("of")) line += "  of " + Quoted(node["of"]);
  if (node.contains("in")) line += " in " + node["in"].get<std::string>();
  if (node.contains("position")) {
    const AxocorJson& position = node["position"];
    line += "  at";
    for (const AxocorJson& value : position["translation"]) {
      line += " " + CoordinateText(value.get<double>());
    }
    line += "  rotation";
    const char* separator = "";
    for (const AxocorJson& row : position["rotation"]) {
      line += separator;
      for (const AxocorJson& value : row) line += " " + CoordinateText(value.get<double>());
      separator = " /";
    }
  }
  if (node.contains("type")) line += "  type " + node["type"].get<std::string>();
  if (node.contains("timeStamp")) line += "  time stamp " + node["timeStamp"].get<std::string>();
  if (node.contains("updateStamp")) {
    line += "  update stamp " + std::to_string(node["updateStamp"].get<int>());
  }
  if (node.contains("box")) line += "  box " + BoxText(node["box"]);
  if (node.contains("hidden")) line += "  hidden";
  return line;
}

// Prints `lines` below a line: `indent` before each, and with `drawn` the
// branch that leads to it.
class TreeText {
 public:
  TreeText(std::ostream& out, bool drawn) : out_(out), drawn_(drawn) {}

  void Object(const AxocorJson& node, const std::string& indent, bool last) {
    Line(indent, last, ObjectLine(node));
    if (!node.contains("children")) return;
    const AxocorJson& children = node["children"];
    for (size_t i = 0; i < children.size(); ++i) {
      Object(children[i], Below(indent, last), i + 1 == children.size());
    }
  }

  void Document(const AxocorJson& document) {
    out_ << "document " << AxocorEscapedText(document["path"].get<std::string>()) << " ("
         << AxocorEscapedText(document["type"].get<std::string>()) << ")\n";
    const AxocorJson& objects = document["objects"];
    const AxocorJson& broken = document["broken"];
    for (size_t i = 0; i < objects.size(); ++i) {
      Object(objects[i], "", i + 1 == objects.size() && broken.empty());
    }
    for (size_t i = 0; i < broken.size(); ++i) {
      Line("", i + 1 == broken.size(), "broken: " + broken[i].get<std::string>());
    }
  }

 private:
  // A line of names and values that the document's file holds: escaped.
  void Line(const std::string& indent, bool last, const std::string& text) {
    out_ << indent << (!drawn_ ? "  " : last ? "└── " : "├── ") << AxocorEscapedText(text) << "\n";
  }
  std::string Below(const std::string& indent, bool last) const {
    return indent + (!drawn_ ? "  " : last ? "    " : "│   ");
  }

  std::ostream& out_;
  const bool drawn_;
};

}  // namespace

AxocorJson BoxJson(const CATMathBox& box) {
  double limits[6];
  if (FAILED(box.GetLimits(limits[0], limits[1], limits[2], limits[3], limits[4], limits[5]))) {
    return nullptr;
  }
  return {{"x", {limits[0] + 0.0, limits[1] + 0.0}},
          {"y", {limits[2] + 0.0, limits[3] + 0.0}},
          {"z", {limits[4] + 0.0, limits[5] + 0.0}}};
}

std::string BoxText(const AxocorJson& box) {
  if (box.is_null()) return "empty";
  std::string text;
  for (const char* axis : {"x", "y", "z"}) {
    text += std::string(text.empty() ? "" : "  ") + axis + " " +
            CoordinateText(box[axis][0].get<double>()) + " .. " +
            CoordinateText(box[axis][1].get<double>());
  }
  return text;
}

AxocorJson ModelTreeOf(CATDocument* document, const ModelFaultsOf& faults,
                       std::vector<CATDocument*>& documents) {
  TreeWalk walk;
  AxocorJson tree = walk.Tree(document, faults);
  documents = walk.Met();
  return tree;
}

AxocorJson ModelObjectOf(const CATBaseUnknown_var& object) {
  return TreeWalk().Object(object);
}

void PrintModelTree(const AxocorJson& tree, std::ostream& out, bool drawn) {
  TreeText text(out, drawn);
  if (!tree.contains("documents")) {
    text.Object(tree, "", true);
    return;
  }
  for (const AxocorJson& document : tree["documents"]) text.Document(document);
}

std::vector<CATDocument*> ModelDocuments(CATDocument* document) {
  TreeWalk walk(true);
  walk.Tree(document, nullptr);
  return walk.Met();
}
