// The completion scripts against the tool's own help: what the PowerShell
// script offers (no PowerShell runs here) is checked against the commands,
// options and argument kinds that "--help" shows. The bash, zsh and fish
// scripts run in their shells in the program's tests
// (AxocorProgramTests.cmake).
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "AxocorCommands.h"
#include "AxocorRun.h"
#include "axocor/CommandTestRun.h"

namespace {

const std::vector<AxocorGroup> kGroups = {{"guid", RegisterGuidCommands},
                                          {"doctor", RegisterDoctorCommand},
                                          {"settings", RegisterSettingsCommands},
                                          {"catalogs", RegisterCatalogCommands},
                                          {"model", RegisterModelCommands}};

// The quoted items of `text` ('a', 'b c'), in their order.
std::vector<std::string> Quoted(const std::string& text) {
  std::vector<std::string> items;
  for (std::size_t open = text.find('\''); open != std::string::npos;) {
    const std::size_t close = text.find('\'', open + 1);
    items.push_back(text.substr(open + 1, close - open - 1));
    open = text.find('\'', close + 1);
  }
  return items;
}

// The lists of the PowerShell script: "$name = @(...)" lines, and the
// entries "'key' = @(...)" of its $words table.
struct PowerShellTables {
  std::map<std::string, std::vector<std::string>> lists;
  std::map<std::string, std::vector<std::string>> words;
};

PowerShellTables TablesOf(const std::string& script) {
  PowerShellTables tables;
  std::istringstream lines(script);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t equals = line.find(" = @(");
    if (equals == std::string::npos) continue;
    const std::string name = line.substr(0, equals);
    const std::string items = line.substr(equals + 5);
    if (name.rfind("  $", 0) == 0) {
      tables.lists[name.substr(3)] = Quoted(items);
    } else {
      tables.words[Quoted(name).at(0)] = Quoted(items);
    }
  }
  return tables;
}

// What "--help" shows of a command: its commands, options, and the type
// of each option and positional ("FILE", "TEXT:{dxf,ifc}"), in order.
struct Help {
  std::vector<std::string> commands;
  std::vector<std::string> options;
  std::vector<std::pair<std::vector<std::string>, std::string>> valued;  // names, type
  std::vector<std::string> positionals;                                  // types
};

Help HelpOf(const std::string& path) {
  std::vector<std::string> args;
  std::istringstream words(path);
  std::string word;
  words >> word;  // "axocor"
  while (words >> word) args.push_back(word);
  args.push_back("--help");
  const CommandTestResult run = RunToolForTest(kGroups, args);
  EXPECT_EQ(run.status, 0) << path;
  Help help;
  std::istringstream lines(run.out);
  std::string line;
  std::string section;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == ':' && line[0] != ' ') section = line;
    if (line.size() < 3 || line.compare(0, 2, "  ") != 0 || line[2] == ' ') continue;
    std::istringstream fields(line.substr(2, line.find("  ", 2) - 2));
    std::string names;
    std::string type;
    fields >> names >> type;
    if (section == "Subcommands:") {
      help.commands.push_back(names);
    } else if (section == "Positionals:") {
      help.positionals.push_back(type);
    } else if (section == "Options:") {
      std::vector<std::string> split;
      std::istringstream parts(names);
      std::string part;
      while (std::getline(parts, part, ',')) split.push_back(part);
      help.options.insert(help.options.end(), split.begin(), split.end());
      if (!type.empty() && type != "Excludes:") help.valued.push_back({split, type});
    }
  }
  return help;
}

// The words of a type "TEXT:{a,b}"; empty for another.
std::vector<std::string> WordsOfType(const std::string& type) {
  const std::size_t open = type.find(":{");
  if (open == std::string::npos) return {};
  std::vector<std::string> words;
  std::istringstream list(type.substr(open + 2, type.find('}') - open - 2));
  std::string word;
  while (std::getline(list, word, ',')) words.push_back(word);
  return words;
}

bool IsPath(const std::string& type) {
  return type.rfind("FILE", 0) == 0 || type.rfind("FOLDER", 0) == 0;
}

TEST(AxocorCompletion, ThePowerShellScriptOffersWhatTheHelpShows) {
  const CommandTestResult run = RunToolForTest(kGroups, {"completion", "powershell"});
  ASSERT_EQ(run.status, 0) << run.err;
  PowerShellTables tables = TablesOf(run.out);
  const std::vector<std::string>& commands = tables.lists["commands"];
  const std::vector<std::string>& valued = tables.lists["valued"];
  const std::set<std::string> paths(tables.lists["paths"].begin(), tables.lists["paths"].end());
  std::vector<std::string> walked{"axocor"};
  for (const std::string& command : commands) {
    if (command.rfind("axocor help", 0) != 0) walked.push_back(command);
  }
  ASSERT_GT(walked.size(), 20u);
  for (const std::string& path : walked) {
    SCOPED_TRACE(path);
    const Help help = HelpOf(path);
    std::vector<std::string> expected = help.commands;
    if (path == "axocor") expected.insert(expected.begin(), "help");
    if (!expected.empty()) {
      EXPECT_EQ(tables.words[path + " 0"], expected);
    }
    EXPECT_EQ(tables.words[path + " -"], help.options);
    for (const auto& option : help.valued) {
      for (const std::string& name : option.first) {
        SCOPED_TRACE(name);
        const std::string key = path + " " + name;
        EXPECT_NE(std::find(valued.begin(), valued.end(), key), valued.end());
        EXPECT_EQ(paths.count(key), IsPath(option.second) ? 1u : 0u);
      }
    }
    for (std::size_t i = 0; i < help.positionals.size(); ++i) {
      const std::string key = path + " " + std::to_string(i);
      SCOPED_TRACE(key);
      EXPECT_EQ(paths.count(key), IsPath(help.positionals[i]) ? 1u : 0u);
      if (!WordsOfType(help.positionals[i]).empty()) {
        EXPECT_EQ(tables.words[key], WordsOfType(help.positionals[i]));
      }
    }
    // "help GROUP" offers the group's commands.
    if (path != "axocor" && !help.commands.empty()) {
      EXPECT_EQ(tables.words["axocor help" + path.substr(6) + " 0"], help.commands);
    }
  }
}

// The arguments a user completes most, in every script.
TEST(AxocorCompletion, EveryScriptCompletesFilesFoldersAndWordLists) {
  const struct {
    const char* key;
    const char* offer;  // "FILE", "FOLDER", or the words offered
  } cases[] = {
      {"axocor model show 0", "FILE"},
      {"axocor model dump -o", "FILE"},
      {"axocor model dump --output", "FILE"},
      {"axocor model plan -o", "FILE"},
      {"axocor model save-part 1", "FOLDER"},
      {"axocor catalogs entry 0", "FILE"},
      {"axocor doctor --root", "FOLDER"},
      {"axocor --env", "FILE"},
      {"axocor settings show 0", "dxf ifc"},
      {"axocor completion 0", "bash zsh fish powershell"},
      {"axocor help 0", "guid doctor settings catalogs model completion"},
      {"axocor help model 0", "show check dump children unique-name publish save-part box plan"},
  };
  const std::string bash = RunToolForTest(kGroups, {"completion", "bash"}).out;
  const std::string fish = RunToolForTest(kGroups, {"completion", "fish"}).out;
  const std::string powershell = RunToolForTest(kGroups, {"completion", "powershell"}).out;
  PowerShellTables tables = TablesOf(powershell);
  const std::vector<std::string>& paths = tables.lists["paths"];
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    const std::string offer = c.offer;
    const bool path = offer == "FILE" || offer == "FOLDER";
    const std::string bashArm = "\"" + std::string(c.key) + "\") " +
                                (offer == "FILE"     ? "kind=file"
                                 : offer == "FOLDER" ? "kind=folder"
                                                     : "words=\"" + offer + "\"") +
                                " ;;\n";
    EXPECT_NE(bash.find(bashArm), std::string::npos) << bashArm;
    std::string fishWords;
    for (std::istringstream words(offer); words >> std::ws && !words.eof();) {
      std::string word;
      words >> word;
      fishWords += " '" + word + "'";
    }
    const std::string fishArm = "case '" + std::string(c.key) + "'\n            " +
                                (offer == "FILE"     ? "__fish_complete_path"
                                 : offer == "FOLDER" ? "__fish_complete_directories"
                                                     : "printf '%s\\n'" + fishWords + "\n");
    EXPECT_NE(fish.find(fishArm), std::string::npos) << fishArm;
    EXPECT_EQ(std::find(paths.begin(), paths.end(), c.key) != paths.end(), path);
  }
  const CommandTestResult zsh = RunToolForTest(kGroups, {"completion", "zsh"});
  EXPECT_NE(zsh.out.find("bashcompinit\n" + bash), std::string::npos);
}

}  // namespace
