// "axocor date": reads a date and time as the library reads users' texts,
// in the user's regional settings, and prints it.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "AXOCorParserServices.h"
#include "AXOPlatform.h"
#include "AxocorCommands.h"
#include "AxocorJson.h"
#include "CATTime.h"

void RegisterDateCommands(CLI::App& app) {
  CLI::App* command = &app;
  command->description(
      "Read a date, or a date and time, written in the user's regional settings and print it "
      "as local time (YYYY-MM-DD hh:mm:ss)");
  auto words = std::make_shared<std::vector<std::string>>();
  command->add_option("TEXT", *words, "The text; several words are joined by blanks")->required();
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->footer(
      "Examples (regional settings en_US):\n"
      "  axocor date 3/15/2024 2:30 PM    (2024-03-15 14:30:00)\n"
      "  axocor date \"March 15, 2024\"     (2024-03-15 00:00:00)\n");
  command->callback([=] {
    std::string text;
    for (const std::string& word : *words) text += (text.empty() ? "" : " ") + word;
    CATUnicodeString input(text.c_str());
    CATTime time;
    if (!AXOCorParserServices::AXOParseDateTime(input, time)) {
      // The platform's own reading says when no date text can be read at
      // all: its date module cannot be loaded.
      AXOCalendarTime fields;
      const AXOStatus read = AXOPlatform::Get()->ParseUserDateTime(text, fields);
      if (read.code() == AXOStatusCode::kNotFound)
        AxocorFail("no date can be read: " + read.reason());
      AxocorFail("'" + text + "' is not a date (and time) of the regional settings " +
                 AXOPlatform::Get()->UserDateLocale() + ", or lies before 1900");
    }
    char line[64];
    std::snprintf(line, sizeof line, "%04d-%02d-%02d %02d:%02d:%02d", time.GetYear(),
                  time.GetMonth(), time.GetDay(), time.GetHour(), time.GetMinute(),
                  time.GetSecond());
    if (*json) {
      PrintJson(
          {{"text", text}, {"locale", AXOPlatform::Get()->UserDateLocale()}, {"localTime", line}});
    } else {
      std::cout << line << "\n";
    }
  });
}
