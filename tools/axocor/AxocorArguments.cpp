// The kinds of argument values, kept in the option's type name as the help
// shows it: "FILE", "FOLDER", and a set of words after a colon, "TEXT:{a,b}".
#include "AxocorArguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "AxocorNearNames.h"

namespace {

const char kFile[] = "FILE";
const char kFolder[] = "FOLDER";

// True when `typeName` is `kind`, alone or before the descriptions of
// checks (":...").
bool IsOfKind(const std::string& typeName, const std::string& kind) {
  return typeName.compare(0, kind.size(), kind) == 0 &&
         (typeName.size() == kind.size() || typeName[kind.size()] == ':');
}

}  // namespace

CLI::Option* TakesFile(CLI::Option* option) {
  return option->type_name(kFile);
}

CLI::Option* TakesFolder(CLI::Option* option) {
  return option->type_name(kFolder);
}

CLI::Option* TakesOneOf(CLI::Option* option, const std::vector<std::string>& words) {
  std::string listed;
  for (const std::string& word : words) listed += (listed.empty() ? "" : ",") + word;
  const auto check = [words](std::string& value) -> std::string {
    if (std::find(words.begin(), words.end(), value) != words.end()) return "";
    std::string known;
    for (const std::string& word : words) known += (known.empty() ? "" : ", ") + word;
    return "'" + value + "' is not one of " + known + DidYouMean(NearNames(value, words));
  };
  return option->check(CLI::Validator(check, "{" + listed + "}"));
}

AxocorValueKind ValueKindOf(const CLI::Option& option) {
  if (option.get_expected_max() == 0) return AxocorValueKind::kText;
  const std::string typeName = option.get_type_name();
  if (IsOfKind(typeName, kFile)) return AxocorValueKind::kFile;
  if (IsOfKind(typeName, kFolder)) return AxocorValueKind::kFolder;
  return typeName.find(":{") != std::string::npos ? AxocorValueKind::kWord : AxocorValueKind::kText;
}

std::vector<std::string> WordsOf(const CLI::Option& option) {
  if (ValueKindOf(option) != AxocorValueKind::kWord) return {};
  const std::string typeName = option.get_type_name();
  const std::size_t open = typeName.find(":{") + 2;
  const std::size_t close = typeName.find('}', open);
  std::vector<std::string> words;
  std::string word;
  for (const char c : typeName.substr(open, close - open) + ",") {
    if (c != ',') {
      word += c;
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  return words;
}
