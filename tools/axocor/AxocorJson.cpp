// The tool's one way of writing JSON.
#include "AxocorJson.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <utility>

#include "AxocorEscapedText.h"

std::shared_ptr<bool> AddJsonFlag(CLI::App& command) {
  auto json = std::make_shared<bool>(false);
  command.add_flag("--json", *json, "Print the result as one JSON document, for scripts");
  return json;
}

std::string JsonText(const AxocorJson& document) {
  return document.dump(-1, ' ', false, AxocorJson::error_handler_t::replace) + "\n";
}

void PrintJson(const AxocorJson& document) {
  std::cout << JsonText(document);
}

void PrintNames(const CATListValCATUnicodeString& names, bool json, AxocorJson document,
                const std::string& key) {
  AxocorJson list = AxocorJson::array();
  for (int i = 1; i <= names.Size(); ++i) {
    if (json) {
      list.push_back(names[i].ConvertToChar());
    } else {
      std::cout << AxocorEscapedText(names[i].ConvertToChar()) << "\n";
    }
  }
  if (!json) return;
  document[key] = std::move(list);
  PrintJson(document);
}
