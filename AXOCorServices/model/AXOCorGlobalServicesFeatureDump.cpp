// A readable dump of a feature: its components with their attribute keys,
// then the objects it is linked to, written as text from the walk of
// AXOCorFeatureDumpWalk.h.
#include <iostream>
#include <string>
#include <string_view>
#include <utility>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "foundations/AXOCorNativeFiles.h"
#include "foundations/AXOCorTextLines.h"
#include "model/AXOCorFeatureDumpWalk.h"

namespace {

const char kContentStart[] = "------------------ content  ---------------------";
const char kContentEnd[] = "----------------- end content  -----------------";
const char kParentStart[] = "------------------ parent  ---------------------";
const char kParentEnd[] = "----------------- end parent  -----------------";

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
class FeatureDump : public AXOCorFeatureDumpReader {
 public:
  FeatureDump(std::ostream* lines, std::string& text) : lines_(lines), text_(text) {}

  void Feature(int depth, const CATUnicodeString& name, const CATUnicodeString& type,
               const CATUnicodeString& supertype) override {
    if (depth == 0) Line(kContentStart);
    AppendRepeated(text_, "--", depth);
    text_ += "name: ";
    AppendText(text_, name);
    text_ += " type: ";
    AppendText(text_, type);
    text_ += " Supertype: ";
    AppendText(text_, supertype);
    EndLine();
  }

  void Attributes(int depth) override {
    AppendRepeated(text_, "  ", depth);
    Line("Attributes :");
  }

  void Attribute(int depth, const CATUnicodeString& name, const char* kind, const char* elementKind,
                 const char* quality) override {
    AppendRepeated(text_, "  ", depth);
    text_ += "Name: ";
    AppendText(text_, name);
    text_ += " Type: ";
    text_ += kind;
    if (elementKind != nullptr) {
      text_ += '(';
      text_ += elementKind;
      text_ += ')';
    }
    text_ += " Quality: ";
    text_ += quality;
    EndLine();
  }

  void EndFeature(int depth) override {
    if (depth == 0) Line(kContentEnd);
  }

  void Links() override { Line(kParentStart); }

  void Link(const CATUnicodeString& name, const CATUnicodeString& type) override {
    text_ += "Name: ";
    AppendText(text_, name);
    text_ += "  Type: ";
    AppendText(text_, type);
    EndLine();
  }

  void EndLinks() override { Line(kParentEnd); }

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

  std::ostream* lines_;
  std::string& text_;
};

}  // namespace

void AXOCorGlobalServices::PrintAllLinks(const CATISpecObject_var& feature,
                                         const CATUnicodeString* fileName) {
  if (!feature) return;
  if (fileName == nullptr) {
    std::string line;
    FeatureDump dump(&std::cout, line);
    AXOCorWalkFeatureDump(feature, dump);
    return;
  }
  // The file is replaced whole: a dump that fails or is killed half-way
  // leaves the file as it was. It is a text file of the system (standard
  // output, a text stream, turns line ends so by itself).
  std::string text = std::move(KeptFileBuffer());
  text.clear();
  FeatureDump dump(nullptr, text);
  AXOCorWalkFeatureDump(feature, dump);
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
