#include "CATError.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "CATAdopt.h"
#include "CATComponent.h"

// Guarded blocks: host errors raised in the stand-in library are caught in
// the caller (another module: under Windows another DLL), other exceptions
// pass through, and handles built on the way are released either way.

namespace {

class HostError : public ::testing::Test {
 protected:
  void SetUp() override { live_before_ = CATBaseUnknown::LiveObjectCount(); }
  void TearDown() override { EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_before_); }

  long live_before_ = 0;
};

class CATTestSketchError : public CATError {
 public:
  using CATError::CATError;
};

// What a guarded block around `raise` saw: the message of a caught
// CATError, or "passed: <what>" for an exception that went past it.
template <class Raise>
std::string Guard(Raise raise) {
  try {
    CATTry {
      // A handle that the error must release on its way out.
      CATBaseUnknown_var held = CATAdoptHandle<CATBaseUnknown>(new CATBaseUnknown());
      raise();
    }
    CATCatch(CATError, error) {
      const std::string text = error->GetNLSMessage().ConvertToChar();
      Flush(error);
      return text;
    }
    CATEndTry;
  } catch (const std::exception& other) {
    return std::string("passed: ") + other.what();
  }
  return "nothing raised";
}

TEST_F(HostError, GuardedBlocksCatchHostErrorsOnlyAndReleaseOnTheWay) {
  EXPECT_EQ(Guard([] { CATThrow(new CATError("bad sketch")); }), "bad sketch");
  EXPECT_EQ(Guard([] { CATThrow(new CATTestSketchError("derived")); }), "derived");
  EXPECT_EQ(Guard([] { CATThrow(nullptr); }), "");
  EXPECT_EQ(Guard([] { throw std::runtime_error("not a host error"); }),
            "passed: not a host error");
  EXPECT_EQ(Guard([] {}), "nothing raised");
}

TEST_F(HostError, InnerBlockCatchesAndOuterGoesOn) {
  std::string seen;
  CATTry {
    CATTry {
      CATThrow(new CATError("inner"));
    }
    CATCatch(CATError, error) {
      seen += error->GetNLSMessage().ConvertToChar();
      Flush(error);
    }
    CATEndTry;
    seen += ", after";
    CATThrow(new CATError("outer"));
  }
  CATCatch(CATError, error) {
    seen += std::string(", ") + error->GetNLSMessage().ConvertToChar();
    Flush(error);
  }
  CATEndTry;
  EXPECT_EQ(seen, "inner, after, outer");
}

TEST_F(HostError, AnErrorCaughtByItsOwnClassOnlyAndRaisedAgain) {
  std::string seen;
  CATTry {
    CATTry {
      CATThrow(new CATError("plain"));
    }
    CATCatch(CATTestSketchError, error) {
      seen = "wrong block";
      Flush(error);
    }
    CATEndTry;
  }
  CATCatch(CATError, error) {
    EXPECT_STREQ(error->IsA(), "CATError");
    EXPECT_EQ(error->IsAKindOf("CATBaseUnknown"), 1);
    // Raised again, it keeps its one reference.
    try {
      CATThrow(error);
    } catch (CATError* again) {
      EXPECT_EQ(again, error);
      seen = again->GetNLSMessage().ConvertToChar();
      Flush(again);
    }
  }
  CATEndTry;
  EXPECT_EQ(seen, "plain");
}

}  // namespace
