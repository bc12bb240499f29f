// Uses the installed library through its public headers only: a GUID
// through its compressed form and back, and a text split into tokens.
#include <cstdio>
#include <cstring>
#include <string>

#include "AXOArcGuid.h"
#include "AXOCorParserServices.h"
#include "CATListOfCATUnicodeString.h"
#include "CATUnicodeString.h"

namespace {

int failures = 0;

void Check(bool ok, const char* what) {
  if (!ok) {
    std::printf("consumer: FAILED: %s\n", what);
    ++failures;
  }
}

}  // namespace

int main() {
  const AXOArcGuid guid;
  const std::string braced = guid.GetString();
  const std::string compressed = guid.GetCompressedString();
  Check(braced.size() == 38, "braced GUID text has 38 characters");
  Check(compressed.size() == 22, "compressed GUID text has 22 characters");
  Check(AXOArcGuid::GetGuidFromCompressedString(compressed.c_str()) == guid.GetGuid(),
        "compressed text expands to the same GUID");
  Check(AXOArcGuid(braced.c_str()).GetGuid() == guid.GetGuid(),
        "braced text reads back as the same GUID");

  CATListValCATUnicodeString tokens;
  AXOCorParserServices::ParseString("c:\\data;d:\\more;e:\\last", ";", tokens);
  Check(tokens.Size() == 3, "three directories in the path list");
  if (tokens.Size() == 3) {
    Check(tokens[2] == CATUnicodeString("d:\\more"), "second directory");
  }

  std::printf("consumer: GUID %s compressed %s, %d tokens\n", braced.c_str(), compressed.c_str(),
              tokens.Size());
  std::printf("consumer: %s\n", failures == 0 ? "ok" : "FAILED");
  return failures == 0 ? 0 : 1;
}
