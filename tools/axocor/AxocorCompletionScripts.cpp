// The completion scripts: the walk of AxocorCompletionTable.h written in
// each shell's language, with the table's entries as its patterns and
// lists.
#include "AxocorCompletionScripts.h"

namespace {

// The items of `items`, each between `open` and `close`, joined by
// `separator`.
std::string Joined(const std::vector<std::string>& items, const std::string& open,
                   const std::string& close, const std::string& separator) {
  std::string joined;
  for (const std::string& item : items) {
    joined += (joined.empty() ? "" : separator) + open + item + close;
  }
  return joined;
}

// The keys of the cases of `kind`.
std::vector<std::string> KeysOf(const AxocorCompletionTable& table, AxocorValueKind kind) {
  std::vector<std::string> keys;
  for (const AxocorCompletionCase& c : table.cases) {
    if (c.kind == kind) keys.push_back(c.key);
  }
  return keys;
}

// `before` + `patterns` + `after`, or nothing when there are no patterns.
std::string Arm(const std::string& before, const std::string& patterns, const std::string& after) {
  return patterns.empty() ? "" : before + patterns + after;
}

bool IsPath(AxocorValueKind kind) {
  return kind == AxocorValueKind::kFile || kind == AxocorValueKind::kFolder;
}

}  // namespace

std::string BashCompletionScript(const AxocorCompletionTable& table) {
  std::string cases;
  for (const AxocorCompletionCase& c : table.cases) {
    cases += "    \"" + c.key + "\") ";
    if (c.kind == AxocorValueKind::kFile) {
      cases += "kind=file";
    } else if (c.kind == AxocorValueKind::kFolder) {
      cases += "kind=folder";
    } else {
      cases += "words=\"" + Joined(c.words, "", "", " ") + "\"";
    }
    cases += " ;;\n";
  }
  return "# Completion of axocor's commands, options and arguments (axocor completion bash).\n"
         "_axocor_case() {\n"
         "  case \"$1\" in\n" +
         cases +
         "    *) return 1 ;;\n"
         "  esac\n"
         "}\n"
         "_axocor() {\n"
         "  local cur=${COMP_WORDS[COMP_CWORD]} path=axocor pending= word i n=0 kind= words=\n"
         "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
         "    word=${COMP_WORDS[i]}\n"
         "    if [[ -n $pending ]]; then\n"
         "      pending=\n"
         "      continue\n"
         "    fi\n"
         "    case \"$path $word\" in\n" +
         Arm("      ", Joined(table.commands, "\"", "\"", " | "),
             ") path=\"$path $word\" n=0 ;;\n") +
         Arm("      ", Joined(table.valued, "\"", "\"", " | "), ") pending=$word ;;\n") +
         "      *) [[ $word == -* ]] || n=$((n + 1)) ;;\n"
         "    esac\n"
         "  done\n"
         "  if [[ -n $pending ]]; then\n"
         "    _axocor_case \"$path $pending\"\n"
         "  elif [[ $cur == -* ]]; then\n"
         "    _axocor_case \"$path -\"\n"
         "  else\n"
         "    _axocor_case \"$path $n\" || _axocor_case \"$path -\"\n"
         "  fi\n"
         "  if [[ -n $kind ]]; then\n"
         "    type compopt &>/dev/null && compopt -o filenames 2>/dev/null\n"
         "    local IFS=$'\\n'\n"
         "    if [[ $kind == file ]]; then\n"
         "      COMPREPLY=($(compgen -f -- \"$cur\"))\n"
         "    else\n"
         "      COMPREPLY=($(compgen -d -- \"$cur\"))\n"
         "    fi\n"
         "  else\n"
         "    COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
         "  fi\n"
         "}\n"
         "complete -F _axocor axocor\n";
}

std::string ZshCompletionScript(const AxocorCompletionTable& table) {
  // bashcompinit needs compinit's compdef, which a .zshrc may not have loaded.
  return "(( ${+functions[compdef]} )) || { autoload -U +X compinit && compinit -i; }\n"
         "autoload -U +X bashcompinit && bashcompinit\n" +
         BashCompletionScript(table);
}

std::string FishCompletionScript(const AxocorCompletionTable& table) {
  std::string cases;
  for (const AxocorCompletionCase& c : table.cases) {
    cases += "        case '" + c.key + "'\n            ";
    if (c.kind == AxocorValueKind::kFile) {
      cases += "__fish_complete_path (commandline -ct)\n";
    } else if (c.kind == AxocorValueKind::kFolder) {
      cases += "__fish_complete_directories (commandline -ct)\n";
    } else {
      cases += "printf '%s\\n' " + Joined(c.words, "'", "'", " ") + "\n";
    }
  }
  return "# Completion of axocor's commands, options and arguments (axocor completion fish).\n"
         "function __axocor_case\n"
         "    switch $argv[1]\n" +
         cases +
         "        case '*'\n"
         "            return 1\n"
         "    end\n"
         "end\n"
         "function __axocor_complete\n"
         "    set -l path axocor\n"
         "    set -l pending ''\n"
         "    set -l n 0\n"
         "    set -l cur (commandline -ct)\n"
         "    set -l words (commandline -opc)\n"
         "    set -e words[1]\n"
         "    for word in $words\n"
         "        if test -n \"$pending\"\n"
         "            set pending ''\n"
         "            continue\n"
         "        end\n"
         "        switch \"$path $word\"\n" +
         Arm("            case ", Joined(table.commands, "'", "'", " "),
             "\n                set path \"$path $word\"\n                set n 0\n") +
         Arm("            case ", Joined(table.valued, "'", "'", " "),
             "\n                set pending $word\n") +
         "            case '*'\n"
         "                string match -q -- '-*' $word; or set n (math $n + 1)\n"
         "        end\n"
         "    end\n"
         "    if test -n \"$pending\"\n"
         "        __axocor_case \"$path $pending\"\n"
         "    else if string match -q -- '-*' $cur\n"
         "        __axocor_case \"$path -\"\n"
         "    else\n"
         "        __axocor_case \"$path $n\"; or __axocor_case \"$path -\"\n"
         "    end\n"
         "end\n"
         "complete -c axocor -f -a '(__axocor_complete)'\n";
}

std::string PowerShellCompletionScript(const AxocorCompletionTable& table) {
  std::string words;
  for (const AxocorCompletionCase& c : table.cases) {
    if (IsPath(c.kind)) continue;
    words += "    '" + c.key + "' = @(" + Joined(c.words, "'", "'", ", ") + ")\n";
  }
  std::vector<std::string> paths = KeysOf(table, AxocorValueKind::kFile);
  for (const std::string& key : KeysOf(table, AxocorValueKind::kFolder)) paths.push_back(key);
  return "# Completion of axocor's commands, options and arguments (axocor completion "
         "powershell).\n"
         "Register-ArgumentCompleter -Native -CommandName axocor, axocor.exe -ScriptBlock {\n"
         "  param($wordToComplete, $commandAst, $cursorPosition)\n"
         "  $commands = @(" +
         Joined(table.commands, "'", "'", ", ") +
         ")\n"
         "  $valued = @(" +
         Joined(table.valued, "'", "'", ", ") +
         ")\n"
         "  $paths = @(" +
         Joined(paths, "'", "'", ", ") +
         ")\n"
         "  $words = @{\n" +
         words +
         "  }\n"
         "  $before = @($commandAst.CommandElements |\n"
         "    Where-Object { $_.Extent.EndOffset -lt $cursorPosition } |\n"
         "    Select-Object -Skip 1 | ForEach-Object { $_.Extent.Text })\n"
         "  $path = 'axocor'\n"
         "  $pending = ''\n"
         "  $n = 0\n"
         "  foreach ($word in $before) {\n"
         "    if ($pending) { $pending = ''; continue }\n"
         "    if ($commands -contains \"$path $word\") { $path = \"$path $word\"; $n = 0 }\n"
         "    elseif ($valued -contains \"$path $word\") { $pending = $word }\n"
         "    elseif (-not $word.StartsWith('-')) { $n++ }\n"
         "  }\n"
         "  if ($pending) { $key = \"$path $pending\" }\n"
         "  elseif ($wordToComplete.StartsWith('-')) { $key = \"$path -\" }\n"
         "  elseif ($paths -contains \"$path $n\" -or $words.ContainsKey(\"$path $n\")) {\n"
         "    $key = \"$path $n\"\n"
         "  }\n"
         "  else { $key = \"$path -\" }\n"
         "  # A file or a folder: nothing here, and PowerShell completes the path.\n"
         "  if ($paths -contains $key -or -not $words.ContainsKey($key)) { return }\n"
         "  $words[$key] |\n"
         "    Where-Object { $_.StartsWith($wordToComplete, [StringComparison]::OrdinalIgnoreCase) "
         "} |\n"
         "    ForEach-Object {\n"
         "      [System.Management.Automation.CompletionResult]::new($_, $_, 'ParameterValue', "
         "$_)\n"
         "    }\n"
         "}\n";
}
