#ifndef AxocorCompletionTable_h
#define AxocorCompletionTable_h

// What the completion scripts complete, read from the registered commands,
// as tables that each shell's script (AxocorCompletionScripts.h) walks the
// same way:
//
//   path = "axocor", n = 0
//   for each word before the one completed:
//     if it is the value of the option before it: pass over it
//     else if "path word" is in `commands`: path = "path word", n = 0
//     else if "path word" is in `valued`: the next word is its value
//     else if the word does not begin with "-": n = n + 1 (a positional)
//   key = "path OPTION" when the word completed is the value of OPTION,
//         "path -" when it begins with "-", else "path n", or "path -"
//         when there is no case "path n"
//
// and the case of that key says what to offer: files, folders, or words.
// "help" leads to the groups and commands as they do ("axocor help model").

#include <string>
#include <vector>

#include "AxocorArguments.h"

namespace CLI {
class App;
}  // namespace CLI

struct AxocorCompletionCase {
  std::string key;
  // kFile or kFolder: complete a path; else offer `words`.
  AxocorValueKind kind = AxocorValueKind::kText;
  std::vector<std::string> words;
};

struct AxocorCompletionTable {
  std::vector<std::string> commands;  // "axocor model", "axocor model show", "axocor help"
  std::vector<std::string> valued;    // "axocor model dump -o": options followed by a value
  std::vector<AxocorCompletionCase> cases;
};

// The table of `app` (the tool with every group registered) and the
// commands below it.
AxocorCompletionTable CompletionTableOf(const CLI::App& app);

#endif  // AxocorCompletionTable_h
