// A readable dump of a feature: its components with their attribute keys,
// then the objects it is linked to.
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

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

void AppendText(std::string& out, const CATUnicodeString& text) {
  out += text.ConvertToChar();
}

void AppendRepeated(std::string& out, const char* piece, int times) {
  for (int i = 0; i < times; ++i) out += piece;
}

// The buffer of the last dump written to a file, kept with its capacity
// (as much as the largest dump needed, for the thread's life): the next
// dump of a large part writes into memory the process has already, instead
// of growing a new buffer, which costs a copy at every doubling and fresh
// pages from the system. Taken out while in use, so that a dump ended by an
// exception or one made within another never shares it.
std::string& KeptFileBuffer() {
  static thread_local std::string kept;
  return kept;
}

// Writes the dump's lines, each ended by a line feed, into `text`. With a
// stream given, each line goes to it at once and is flushed, so that a dump
// cut short by a fault shows how far it got; without one `text` keeps every
// line for the caller.
class FeatureDump {
 public:
  FeatureDump(std::ostream* lines, std::string& text) : lines_(lines), text_(text) {}

  void Write(const CATISpecObject_var& feature) {
    WriteContent(feature, 0);
    WriteParents(feature);
  }

 private:
  // Ends the line written into the buffer.
  void EndLine() {
    text_ += '\n';
    if (lines_ == nullptr) return;
    *lines_ << text_ << std::flush;
    text_.clear();
  }

  void Line(const char* text) {
    text_ += text;
    EndLine();
  }

  void WriteContent(const CATISpecObject_var& feature, int depth) {
    if (depth == 0) Line(kContentStart);
    CATUnicodeString name;
    AXOCorNameOf(feature, name);
    AppendRepeated(text_, "--", depth);
    text_ += "name: ";
    AppendText(text_, name);
    text_ += " type: ";
    AppendText(text_, feature->GetType());
    text_ += " Supertype: ";
    AppendText(text_, feature->GetSuperType());
    EndLine();
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
    AppendRepeated(text_, "  ", depth);
    Line("Attributes :");
    for (int i = 1; i <= keys.Size(); ++i) {
      const CATISpecAttrKey_var& key = keys[i];
      if (!key) continue;
      AppendRepeated(text_, "  ", depth);
      text_ += "Name: ";
      AppendText(text_, key->GetName());
      text_ += " Type: ";
      AppendKind(key);
      text_ += " Quality: ";
      text_ += TextOf(kQualities, access->GetQuality(key), "");
      EndLine();
    }
  }

  void AppendKind(const CATISpecAttrKey_var& key) {
    const int kind = key->GetType();
    if (kind != tk_list) {
      text_ += TextOf(kKinds, kind, "undefine");
      return;
    }
    text_ += "tk_list(";
    text_ += TextOf(kKinds, key->GetListType(), "undefine");
    text_ += ')';
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
      text_ += "Name: ";
      AppendText(text_, name);
      text_ += "  Type: ";
      AppendText(text_, object->GetType());
      EndLine();
    }
    Line(kParentEnd);
  }

  std::ostream* lines_;
  std::string& text_;
};

}  // namespace

void AXOCorGlobalServices::PrintAllLinks(const CATISpecObject_var& feature,
                                         const CATUnicodeString* fileName) {
  if (!feature) return;
  if (fileName == nullptr) {
    std::string line;
    FeatureDump(&std::cout, line).Write(feature);
    return;
  }
  // The file is replaced whole: a dump that fails or is killed half-way
  // leaves the file as it was. It is a text file of the system (standard
  // output, a text stream, turns line ends so by itself).
  std::string text = std::move(KeptFileBuffer());
  text.clear();
  FeatureDump(nullptr, text).Write(feature);
  const std::string native = AXONativePath(*fileName);
  const std::string_view line_end = AXOPlatform::TextLineEnd();
  if (line_end == "\n") {
    AXOPlatform::Get()->ReplaceFile(native, text, AXOReplace::kAlways);
  } else {
    std::string lines;
    lines.reserve(text.size() + text.size() / 16);
    AXOCorAppendTextLines(lines, text, line_end);
    AXOPlatform::Get()->ReplaceFile(native, lines, AXOReplace::kAlways);
  }
  KeptFileBuffer() = std::move(text);
}
