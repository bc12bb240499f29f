#ifndef AxocorArguments_h
#define AxocorArguments_h

// What the value of an option or positional argument is, said once where
// the argument is added: a file, a folder, or one word of a fixed list. The
// help shows it ("-o,--output FILE", "translator TEXT:{dxf,ifc}"), and the
// completion scripts (AxocorCompletion.cpp) complete files, folders or the
// words there.

#include <string>
#include <vector>

namespace CLI {
class Option;
}  // namespace CLI

enum class AxocorValueKind { kText, kFile, kFolder, kWord };

// Marks `option` as taking a file path; returns it.
CLI::Option* TakesFile(CLI::Option* option);
// Marks `option` as taking a folder path; returns it.
CLI::Option* TakesFolder(CLI::Option* option);
// Makes `option` take one of `words`, exactly: any other value is a usage
// error that names the words and the nearest of them ("'dxff' is not one
// of dxf, ifc; did you mean 'dxf'?"). Returns `option`.
CLI::Option* TakesOneOf(CLI::Option* option, const std::vector<std::string>& words);

// What `option` takes: kText for a flag or a value of no kind above; kWord
// for one checked against a set of words (TakesOneOf, CLI::IsMember).
AxocorValueKind ValueKindOf(const CLI::Option& option);
// The words of a kWord option, in their order; empty for any other option.
std::vector<std::string> WordsOf(const CLI::Option& option);

#endif  // AxocorArguments_h
