// A readable dump of a feature: its components with their attribute keys,
// then the objects it is linked to.
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "CATISpecAttrAccess.h"
#include "CATISpecAttrKey.h"
#include "foundations/AXOCorNativeFiles.h"
#include "foundations/AXOCorTextLines.h"
#include "model/AXOCorFeatureTree.h"

namespace {

const char kContentStart[] = "------------------ content  ---------------------";
const char kContentEnd[] = "----------------- end content  -----------------";
const char kParentStart[] = "------------------ parent  ---------------------";
const char kParentEnd[] = "----------------- end parent  -----------------";

struct CodeText {
  int code;
  const char* text;
};

// tk_list is named so only as the kind of a list's elements: a list key
// itself adds its element kind.
const CodeText kKinds[] = {
    {tk_double, "tk_double"}, {tk_boolean, "tk_boolean"},       {tk_octet, "tk_octet"},
    {tk_string, "tk_string"}, {tk_specobject, "tk_specobject"}, {tk_external, "tk_external"},
    {tk_list, "tk_list"},     {tk_component, "tk_component"},   {tk_integer, "tk_integer"},
};
const CodeText kQualities[] = {{sp_NEUTRAL, "sp_NEUTRAL"}, {sp_IN, "sp_IN"}, {sp_OUT, "sp_OUT"}};

template <int N>
const char* TextOf(const CodeText (&table)[N], int code, const char* other) {
  for (const CodeText& entry : table) {
    if (entry.code == code) return entry.text;
  }
  return other;
}

std::string KindText(const CATISpecAttrKey_var& key) {
  const int kind = key->GetType();
  if (kind != tk_list) return TextOf(kKinds, kind, "undefine");
  return std::string("tk_list(") + TextOf(kKinds, key->GetListType(), "undefine") + ")";
}

std::string Text(const CATUnicodeString& text) {
  return text.ConvertToChar();
}

std::string Repeat(const char* piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

class FeatureDump {
 public:
  explicit FeatureDump(std::ostream& out) : out_(out) {}

  void Write(const CATISpecObject_var& feature) {
    WriteContent(feature, 0);
    WriteParents(feature);
  }

 private:
  // Each line is flushed, so that a dump cut short by a fault shows how far
  // it got.
  void Line(const std::string& text) { out_ << text << std::endl; }

  void WriteContent(const CATISpecObject_var& feature, int depth) {
    if (depth == 0) Line(kContentStart);
    CATUnicodeString name;
    AXOCorNameOf(feature, name);
    Line(Repeat("--", depth) + "name: " + Text(name) + " type: " + Text(feature->GetType()) +
         " Supertype: " + Text(feature->GetSuperType()));
    WriteAttributes(feature, depth);
    const std::unique_ptr<CATListValCATBaseUnknown_var> components(feature->GetComponents());
    for (int i = 1; components != nullptr && i <= components->Size(); ++i) {
      const CATISpecObject_var component((*components)[i]);
      if (!!component) WriteContent(component, depth + 1);
    }
    if (depth == 0) Line(kContentEnd);
  }

  void WriteAttributes(const CATISpecObject_var& feature, int depth) {
    const CATISpecAttrAccess_var access(feature);
    if (!access) return;
    CATListValCATISpecAttrKey_var keys;
    access->ListAttrKeys(keys);
    if (keys.Size() == 0) return;
    const std::string indent = Repeat("  ", depth);
    Line(indent + "Attributes :");
    for (int i = 1; i <= keys.Size(); ++i) {
      const CATISpecAttrKey_var& key = keys[i];
      if (!key) continue;
      Line(indent + "Name: " + Text(key->GetName()) + " Type: " + KindText(key) +
           " Quality: " + TextOf(kQualities, access->GetQuality(key), ""));
    }
  }

  void WriteParents(const CATISpecObject_var& feature) {
    const CATISpecAttrAccess_var access(feature);
    if (!access) return;
    const std::unique_ptr<CATListValCATBaseUnknown_var> linked(
        access->ListLinkedObjects(IID_CATISpecObject, 0, 0));
    if (linked == nullptr || linked->Size() == 0) return;
    Line(kParentStart);
    for (int i = 1; i <= linked->Size(); ++i) {
      const CATISpecObject_var object((*linked)[i]);
      CATUnicodeString name;
      if (!object || !AXOCorNameOf(object, name)) continue;
      Line("Name: " + Text(name) + "  Type: " + Text(object->GetType()));
    }
    Line(kParentEnd);
  }

  std::ostream& out_;
};

}  // namespace

void AXOCorGlobalServices::PrintAllLinks(const CATISpecObject_var& feature,
                                         const CATUnicodeString* fileName) {
  if (!feature) return;
  if (fileName == nullptr) {
    FeatureDump(std::cout).Write(feature);
    return;
  }
  // The file is replaced whole: a dump that fails or is killed half-way
  // leaves the file as it was. It is a text file of the system (standard
  // output, a text stream, turns line ends so by itself).
  std::ostringstream dump;
  FeatureDump(dump).Write(feature);
  std::string text;
  AXOCorAppendTextLines(text, dump.str(), AXOPlatform::TextLineEnd());
  AXOPlatform::Get()->ReplaceFileAtomically(AXONativePath(*fileName), text);
}
