// Uses the installed library through its public headers only: a GUID
// through its compressed form and back, a text split into tokens, and a
// model of the host built with the installed builder, whose update raises
// a host error caught here.
#include <cstdio>
#include <cstring>
#include <string>

#include "AXOArcGuid.h"
#include "AXOCorParserServices.h"
#include "CATError.h"
#include "CATISpecObject.h"
#include "CATListOfCATUnicodeString.h"
#include "CATTestModel.h"
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

  CATTestModel model;
  {
    const CATTestDocument room = model.PartDocument("c:\\Parts\\Room.CATPart");
    const CATTestNode wall =
        model.Feature(room.Part(), "Wall.1", "Wall").UpdateRaises("bad sketch");
    const CATISpecObject_var feature = wall;
    Check(!!feature && feature->GetType() == "Wall", "a feature of the built model");
    std::string message;
    CATTry {
      feature->Update(CATIDomain_var());
    }
    CATCatch(CATError, error) {
      message = error->GetNLSMessage().ConvertToChar();
      Flush(error);
    }
    CATEndTry;
    Check(message == "bad sketch", "the host error raised by the update is caught");
  }
  Check(model.LeakedObjects() == 0, "no reference left behind");

  std::printf("consumer: GUID %s compressed %s, %d tokens\n", braced.c_str(), compressed.c_str(),
              tokens.Size());
  std::printf("consumer: %s\n", failures == 0 ? "ok" : "FAILED");
  return failures == 0 ? 0 : 1;
}
