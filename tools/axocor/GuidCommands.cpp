// "axocor guid": new GUIDs and the conversions between the braced and the
// compressed text forms.
//
// The library's conversions accept more than they should for a user-facing
// tool (the braced constructor does not check the digits, the decoder maps
// bad text to the zero GUID), so the texts are checked strictly here first.
#include <CLI/CLI.hpp>
#include <cstring>
#include <iostream>
#include <string>

#include "AXOArcGuid.h"
#include "AxocorCommands.h"
#include "AxocorJson.h"

namespace {

const char kCompressedDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
const char kBracedLayout[] = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";

std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Fails unless `text` has the layout {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
// with a hexadecimal digit (either case) at each X.
void CheckBraced(const std::string& text) {
  const std::size_t length = std::strlen(kBracedLayout);
  if (text.size() != length) {
    AxocorFail(Quoted(text) + " has " + std::to_string(text.size()) +
               " characters; a braced GUID has " + std::to_string(length) + ": " + kBracedLayout);
  }
  for (std::size_t i = 0; i < length; ++i) {
    const char expected = kBracedLayout[i];
    const bool fits = expected == 'X' ? IsHexDigit(text[i]) : text[i] == expected;
    if (!fits) {
      const std::string wanted =
          expected == 'X' ? std::string("a hexadecimal digit") : Quoted(std::string(1, expected));
      AxocorFail(Quoted(text) + ": character " + std::to_string(i + 1) + " is " +
                 Quoted(std::string(1, text[i])) + " where " + wanted + " belongs (" +
                 kBracedLayout + ")");
    }
  }
}

// Fails unless `text` is 22 digits of the compressed alphabet whose first
// digit is 0 to 3 (larger ones would not fit in 128 bits).
void CheckCompressed(const std::string& text) {
  if (text.size() != 22) {
    AxocorFail(Quoted(text) + " has " + std::to_string(text.size()) +
               " characters; a compressed GUID has 22");
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\0' || std::strchr(kCompressedDigits, text[i]) == nullptr) {
      AxocorFail(Quoted(text) + ": character " + std::to_string(i + 1) + " is " +
                 Quoted(std::string(1, text[i])) +
                 ", which is not one of 0-9, A-Z, a-z, '_' and '$'");
    }
  }
  if (std::strchr("0123", text[0]) == nullptr) {
    AxocorFail(Quoted(text) + " is too large for a GUID: its first character must be 0, 1, 2 or 3");
  }
}

// {"braced": ..., "compressed": ...}, without the form left out.
AxocorJson Forms(const std::string& braced, const std::string& compressed, bool bracedOnly = false,
                 bool compressedOnly = false) {
  AxocorJson forms = AxocorJson::object();
  if (!compressedOnly) forms["braced"] = braced;
  if (!bracedOnly) forms["compressed"] = compressed;
  return forms;
}

void RegisterNew(CLI::App& guid) {
  CLI::App* command =
      guid.add_subcommand("new", "Print new GUIDs: braced form, then compressed form");
  auto count = std::make_shared<int>(1);
  auto braced_only = std::make_shared<bool>(false);
  auto compressed_only = std::make_shared<bool>(false);
  command->add_option("-n,--count", *count, "How many GUIDs to print (1 to 100000)")
      ->check(CLI::Range(1, 100000));
  CLI::Option* braced = command->add_flag("--braced", *braced_only, "Print the braced form only");
  command->add_flag("--compressed", *compressed_only, "Print the compressed form only")
      ->excludes(braced);
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback([=] {
    AxocorJson guids = AxocorJson::array();
    for (int i = 0; i < *count; ++i) {
      const AXOArcGuid guid;
      // Copied at once: both texts live in buffers that the next call reuses.
      const std::string braced_text = guid.GetString();
      const std::string compressed_text = guid.GetCompressedString();
      if (*json) {
        guids.push_back(Forms(braced_text, compressed_text, *braced_only, *compressed_only));
      } else if (*braced_only) {
        std::cout << braced_text << "\n";
      } else if (*compressed_only) {
        std::cout << compressed_text << "\n";
      } else {
        std::cout << braced_text << " " << compressed_text << "\n";
      }
    }
    if (*json) PrintJson({{"guids", std::move(guids)}});
  });
}

void RegisterCompress(CLI::App& guid) {
  CLI::App* command =
      guid.add_subcommand("compress", "Print the 22-character compressed form of a braced GUID");
  auto text = std::make_shared<std::string>();
  command->add_option("braced-guid", *text, "The GUID as {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}")
      ->required();
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback([=] {
    CheckBraced(*text);
    const std::string compressed = AXOArcGuid(text->c_str()).GetCompressedString();
    if (*json) {
      PrintJson(Forms(*text, compressed));
    } else {
      std::cout << compressed << "\n";
    }
  });
}

void RegisterExpand(CLI::App& guid) {
  CLI::App* command = guid.add_subcommand("expand", "Print the braced form of a compressed GUID");
  auto text = std::make_shared<std::string>();
  command->add_option("compressed-guid", *text, "The GUID as 22 characters of 0-9, A-Z, a-z, _, $")
      ->required();
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback([=] {
    CheckCompressed(*text);
    const AXOArcGuid guid(AXOArcGuid::GetGuidFromCompressedString(text->c_str()));
    const std::string braced = guid.GetString();
    if (*json) {
      PrintJson(Forms(braced, *text));
    } else {
      std::cout << braced << "\n";
    }
  });
}

}  // namespace

void RegisterGuidCommands(CLI::App& app) {
  CLI::App* guid = &app;
  guid->description("New GUIDs and their braced and compressed texts");
  guid->footer(
      "Examples:\n"
      "  axocor guid new -n 5 --compressed\n"
      "  axocor guid compress {01234567-89AB-CDEF-0123-456789ABCDEF}   (018qLdYQlDxm4ZHMU9gytl)\n"
      "  axocor guid expand 018qLdYQlDxm4ZHMU9gytl\n");
  RegisterNew(*guid);
  RegisterCompress(*guid);
  RegisterExpand(*guid);
}
