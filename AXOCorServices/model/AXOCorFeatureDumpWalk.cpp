#include "model/AXOCorFeatureDumpWalk.h"

#include <memory>

#include "CATISpecAttrAccess.h"
#include "CATISpecAttrKey.h"
#include "model/AXOCorFeatureTree.h"

namespace {

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

void WalkAttributes(const CATISpecObject_var& feature, int depth, AXOCorFeatureDumpReader& reader) {
  const CATISpecAttrAccess_var access(feature);
  if (!access) return;
  CATListValCATISpecAttrKey_var keys;
  access->ListAttrKeys(keys);
  if (keys.Size() == 0) return;
  reader.Attributes(depth);
  for (int i = 1; i <= keys.Size(); ++i) {
    const CATISpecAttrKey_var& key = keys[i];
    if (!key) continue;
    // The host is asked in the dump's order: name, kind, quality.
    const CATUnicodeString name = key->GetName();
    const int kind = key->GetType();
    const char* element =
        kind == tk_list ? TextOf(kKinds, key->GetListType(), "undefine") : nullptr;
    const char* quality = TextOf(kQualities, access->GetQuality(key), "");
    reader.Attribute(depth, name, kind == tk_list ? "tk_list" : TextOf(kKinds, kind, "undefine"),
                     element, quality);
  }
}

void WalkContent(const CATISpecObject_var& feature, int depth, AXOCorFeatureDumpReader& reader) {
  CATUnicodeString name;
  AXOCorNameOf(feature, name);
  reader.Feature(depth, name, feature->GetType(), feature->GetSuperType());
  WalkAttributes(feature, depth, reader);
  const std::unique_ptr<CATListValCATBaseUnknown_var> components(feature->GetComponents());
  for (int i = 1; components != nullptr && i <= components->Size(); ++i) {
    const CATISpecObject_var component((*components)[i]);
    if (!!component) WalkContent(component, depth + 1, reader);
  }
  reader.EndFeature(depth);
}

void WalkLinks(const CATISpecObject_var& feature, AXOCorFeatureDumpReader& reader) {
  const CATISpecAttrAccess_var access(feature);
  if (!access) return;
  const std::unique_ptr<CATListValCATBaseUnknown_var> linked(
      access->ListLinkedObjects(IID_CATISpecObject, 0, 0));
  if (linked == nullptr || linked->Size() == 0) return;
  reader.Links();
  for (int i = 1; i <= linked->Size(); ++i) {
    const CATISpecObject_var object((*linked)[i]);
    CATUnicodeString name;
    if (!object || !AXOCorNameOf(object, name)) continue;
    reader.Link(name, object->GetType());
  }
  reader.EndLinks();
}

}  // namespace

void AXOCorWalkFeatureDump(const CATISpecObject_var& feature, AXOCorFeatureDumpReader& reader) {
  WalkContent(feature, 0, reader);
  WalkLinks(feature, reader);
}
