#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AxocorCommands.h"
#include "CATCkeDictionaryTesting.h"
#include "CATTestModel.h"
#include "axocor/CommandTestRun.h"

namespace {

TEST(UnitCommands, ListTheUnitsOrFindOneAndNameWhatIsMissing) {
  const struct {
    const char* what;
    void (*setUp)();
    std::vector<std::string> args;
    const char* out;
    const char* error;  // null: the command succeeds
  } cases[] = {
      {"lengths",
       [] {},
       {"LENGTH"},
       "mm  Millimeter  (current)\ncm  Centimeter\nm   Meter\nin  Inch\nft  Foot\n",
       nullptr},
      {"the chosen unit is marked",
       [] { CATCkeDictionaryTesting::SetCurrentUnit("ANGLE", "Radian"); },
       {"ANGLE"},
       "deg  Degree\nrad  Radian  (current)\n",
       nullptr},
      {"the columns line up whatever the widths, counted in characters",
       [] {
         CATCkeDictionaryTesting::AddMagnitude("TEMPERATURE", true);
         CATCkeDictionaryTesting::AddUnit("TEMPERATURE", "K", "Kelvin");
         CATCkeDictionaryTesting::AddUnit("TEMPERATURE",
                                          "\xC2\xB0"
                                          "C",
                                          "Celsius");
         CATCkeDictionaryTesting::AddUnit("TEMPERATURE", "", "Rankine scale");
         CATCkeDictionaryTesting::SetCurrentUnit("TEMPERATURE", "Kelvin");
       },
       {"TEMPERATURE"},
       "K       Kelvin         (current)\n\xC2\xB0"
       "C      Celsius\n(none)  Rankine scale\n",
       nullptr},
      {"a unit without symbol, other elements, no current unit",
       [] {
         CATCkeDictionaryTesting::AddMagnitude("MASS", true);
         CATCkeDictionaryTesting::AddNonUnit("MASS", true);
         CATCkeDictionaryTesting::AddNonUnit("MASS", false);
         CATCkeDictionaryTesting::AddUnit("MASS", "", "Plain");
       },
       {"MASS"},
       "(none)  Plain\nno current unit\n",
       nullptr},
      {"by symbol", [] {}, {"LENGTH", "ft"}, "ft  Foot\n", nullptr},
      {"by name", [] {}, {"LENGTH", "Foot"}, "ft  Foot\n", nullptr},
      {"letter case counts",
       [] {},
       {"LENGTH", "FT"},
       "",
       "no unit of LENGTH has the symbol or name 'FT'"},
      {"an empty unit text", [] {}, {"LENGTH", ""}, "", "no unit of LENGTH"},
      {"a magnitude's name is exact", [] {}, {"Length"}, "", "no magnitude 'Length'"},
      {"unknown magnitude, unit asked", [] {}, {"NOPE", "ft"}, "", "no magnitude 'NOPE'"},
      {"no dictionary",
       [] { CATCkeDictionaryTesting::SetDictionaryAvailable(false); },
       {"LENGTH"},
       "",
       "offers no parameter dictionary"},
  };
  CATTestModel model;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.setUp();
    std::vector<std::string> args{"units"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CommandTestResult run = RunCommandForTest(RegisterUnitCommands, args);
    CATCkeDictionaryTesting::Reset();
    EXPECT_EQ(run.out, c.out);
    if (c.error == nullptr) {
      EXPECT_EQ(run.status, 0) << run.err;
      continue;
    }
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("axocor: error: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
  }
  EXPECT_EQ(model.LeakedObjects(), 0);
}

}  // namespace
