#ifndef CATTestPrinters_h
#define CATTestPrinters_h

// Contract: the stand-in's own header; none of it is the host's.

#ifdef CAT_HOST_API_ONLY
#error "a header of the stand-in's own, not of the host"
#endif

// GoogleTest printers for the host's values, so that a failing assertion
// shows what it compared:
//
//   CATUnicodeString   "Wall.1"
//   CATMathPoint       (0, 0, 200)
//   CATMathBox         empty, or [0, 5000] x [0, 4000] x [0, 200]
//   CATTime            2026-12-07 06:03:39 (the local clock's fields)
//   handles (X_var)    null, feature 'Wall.1', or the class of an object
//                      of no model kind (CATCkeUnit)
//
// GoogleTest finds the PrintTo functions by argument-dependent lookup in
// every test that includes this header. HRESULT is an integer type, so its
// results are compared by assertions of their own, which print the code's
// name and value:
//
//   EXPECT_HRESULT_EQ(S_OK, CATDocumentServices::SaveAs(*doc, path));
//     // Expected: S_OK (0x00000000)
//     //   Actual: E_FAIL (0x80004005), from CATDocumentServices::SaveAs(...)
//
// and the leak check lists what is still referenced:
//
//   EXPECT_NO_LEAKS(model);  // in place of EXPECT_EQ(model.LeakedObjects(), 0)
//     // model leaves 1 object alive:
//     //   feature 'Wall.1' of body 'Level 1' (1 reference), holding
//     //   attribute key 'Height', parameter 'Height'
//
// An object that only a leaked one still holds (a feature's parameters,
// its body, the body's domains and cells) is named on its holder's line.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "CATTestModel.h"
#include "CATTestTexts.h"

inline void PrintTo(const CATUnicodeString& text, std::ostream* out) {
  *out << CATTestText(text);
}
inline void PrintTo(const CATMathPoint& point, std::ostream* out) {
  *out << CATTestText(point);
}
inline void PrintTo(const CATMathBox& box, std::ostream* out) {
  *out << CATTestText(box);
}
inline void PrintTo(const CATTime& time, std::ostream* out) {
  *out << CATTestText(time);
}
template <class I>
void PrintTo(const CATHandle<I>& handle, std::ostream* out) {
  *out << CATTestObjectText(static_cast<I*>(handle));
}

// ---- Assertions -------------------------------------------------------------------

inline ::testing::AssertionResult CATTestHResultEqual(const char* expectedText,
                                                      const char* actualText, HRESULT expected,
                                                      HRESULT actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "Expected: " << CATTestHResultText(expected, expectedText)
                                       << "\n  Actual: " << CATTestHResultText(actual, actualText);
}

inline ::testing::AssertionResult CATTestNoLeaks(const char* modelText, CATTestModel& model) {
  const std::vector<CATTestLeak> leaks = model.Leaks();
  if (leaks.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << modelText << " leaves " << leaks.size() << (leaks.size() == 1 ? " object" : " objects")
         << " alive:\n"
         << CATTestLeaksText(leaks);
}

#define EXPECT_HRESULT_EQ(expected, actual) \
  EXPECT_PRED_FORMAT2(CATTestHResultEqual, expected, actual)
#define ASSERT_HRESULT_EQ(expected, actual) \
  ASSERT_PRED_FORMAT2(CATTestHResultEqual, expected, actual)
// Closes the model's documents (as LeakedObjects does) and fails, listing
// them, when objects made since the model was made are still alive.
#define EXPECT_NO_LEAKS(model) EXPECT_PRED_FORMAT1(CATTestNoLeaks, model)

#endif  // CATTestPrinters_h
