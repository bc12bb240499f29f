#ifndef AxocorJson_h
#define AxocorJson_h

// The tool's JSON output. A command that prints a result offers "--json"
// (AddJsonFlag): the result then goes to standard output as one JSON
// document, built as an ordered_json (members keep the order they are set
// in) and written by PrintJson once per run, after the command's work and
// before it fails, if it fails. Errors still go to standard error as text,
// and the exit status stays the same as without --json; a command that
// fails before it has a result prints no document.

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "CATListOfCATUnicodeString.h"

namespace CLI {
class App;
}  // namespace CLI

using AxocorJson = nlohmann::ordered_json;

// Adds "--json" to `command`; the flag reads true once parsed when given.
std::shared_ptr<bool> AddJsonFlag(CLI::App& command);

// `document` as text: compact, on one line ending in a newline. Bytes that
// are not UTF-8 become U+FFFD, so the text is always JSON.
std::string JsonText(const AxocorJson& document);

// Writes JsonText(document) to standard output.
void PrintJson(const AxocorJson& document);

// A list of names as a command prints it: one per line, escaped for the
// terminal (AxocorEscapedText.h), or, with `json`, `document` with the
// names added as an array under `key`.
void PrintNames(const CATListValCATUnicodeString& names, bool json, AxocorJson document,
                const std::string& key);

#endif  // AxocorJson_h
