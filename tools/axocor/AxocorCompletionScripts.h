#ifndef AxocorCompletionScripts_h
#define AxocorCompletionScripts_h

// The completion scripts of "axocor completion SHELL", each made from one
// completion table (AxocorCompletionTable.h) and walking it as that header
// says.

#include <string>

#include "AxocorCompletionTable.h"

// A script for bash; zsh runs it through its bashcompinit module.
std::string BashCompletionScript(const AxocorCompletionTable& table);
std::string ZshCompletionScript(const AxocorCompletionTable& table);
std::string FishCompletionScript(const AxocorCompletionTable& table);
// A script for PowerShell (Windows PowerShell 5.1 and PowerShell 7). For a
// file or folder it offers nothing, so that PowerShell completes the path
// in its own way.
std::string PowerShellCompletionScript(const AxocorCompletionTable& table);

#endif  // AxocorCompletionScripts_h
