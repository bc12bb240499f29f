// Lines and tags of style-sheet text, as the doctor reports them.
#include "DoctorStyleSheetText.h"

#include "DoctorFiles.h"

namespace axocor::doctor {

namespace {

constexpr std::string_view kValueOpen = "<std:strval>";
constexpr std::string_view kValueClose = "</std:strval>";
constexpr std::string_view kNodeOpen = "<std:node";
constexpr std::string_view kNodeClose = "</std:node";

int LineAt(std::string_view text, std::size_t offset) {
  int line = 1;
  for (std::size_t i = 0; i < offset && i < text.size(); ++i) line += text[i] == '\n';
  return line;
}

}  // namespace

bool IsNameAcrossTags(const std::string& name) {
  return name.find_first_of("<>\n") != std::string::npos;
}

bool FindUnclosedValue(std::string_view text, const std::string& name, UnclosedValue& found) {
  // The library matches tags in lower case; letters beyond ASCII are left
  // as they are, which can only miss a name, never find a wrong one.
  const std::string lower = ToLower(std::string(text));
  const std::size_t at = lower.find(std::string(kValueOpen) + name + std::string(kValueClose));
  if (at == std::string::npos) return false;
  const std::size_t valueEnd = text.find_first_of("<\r\n", at + kValueOpen.size());
  std::string written(text.substr(at, valueEnd - at));
  written.erase(written.find_last_not_of(" \t") + 1);
  found.line = LineAt(text, at);
  found.written = written;
  found.closingLine = LineAt(text, at + kValueOpen.size() + name.size());
  return true;
}

std::string WhyCutShort(std::string_view text) {
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  if (last == std::string_view::npos) return "";
  if (text[last] != '>') {
    const std::size_t tag = text.rfind('<', last);
    if (tag != std::string_view::npos && text.find('>', tag) == std::string_view::npos) {
      return "it ends inside the tag \"" + std::string(text.substr(tag, last + 1 - tag)) +
             "\" on line " + std::to_string(LineAt(text, tag));
    }
  }
  const std::size_t root = text.find(kNodeOpen);
  const std::size_t child = root == std::string_view::npos ? root : text.find(kNodeOpen, root + 1);
  if (child != std::string_view::npos && text.find(kNodeClose, child) == std::string_view::npos) {
    return "its root node, open since line " + std::to_string(LineAt(text, root)) +
           ", is never closed";
  }
  return "";
}

}  // namespace axocor::doctor
