// The tool's one way of writing JSON.
#include "AxocorJson.h"

#include <CLI/CLI.hpp>
#include <iostream>

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
