#include "CATUnicodeString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

// Texts used below: ‘Türrahmen’ and ‘Ø12’ in UTF-8.
const char kDoorFrame[] = "T\xC3\xBCrrahmen";
const char kDiameter[] =
    "\xC3\x98"
    "12";

TEST(CATUnicodeStringTest, CountsCharactersNotBytes) {
  CATUnicodeString frame(kDoorFrame);
  EXPECT_EQ(frame.GetLengthInChar(), 9);
  EXPECT_EQ(frame.GetLengthInByte(), 10);
  EXPECT_EQ(frame.SearchSubString("rahmen"), 3);
  EXPECT_STREQ(frame.SubString(0, 2).ConvertToChar(), "T\xC3\xBC");
  CATUnicodeString diameter(kDiameter);
  EXPECT_EQ(diameter.GetLengthInChar(), 3);
  EXPECT_STREQ(diameter.SubString(1, 2).ConvertToChar(), "12");
}

TEST(CATUnicodeStringTest, CharFormStaysValidUntilTheTextChanges) {
  CATUnicodeString text("a text long enough to live outside the string object itself");
  const char* first = text.ConvertToChar();
  const char* second = text.ConvertToChar();
  EXPECT_EQ(first, second);
  EXPECT_STREQ(first, "a text long enough to live outside the string object itself");
  text.Append("!");
  EXPECT_STREQ(text.ConvertToChar(),
               "a text long enough to live outside the string object itself!");
}

// Every change made to a copy leaves the text it was copied from, and the
// char form that text handed out, as they were; a change may take its
// argument from the text itself.
TEST(CATUnicodeStringTest, ACopyChangesAlone) {
  const char kLong[] = "a text long enough to live outside the string object itself";
  struct Change {
    const char* what;
    void (*apply)(CATUnicodeString&);
    const char* expect;
  };
  const Change changes[] = {
      {"Append", [](CATUnicodeString& s) { s.Append("!"); }, "!"},
      {"Append itself", [](CATUnicodeString& s) { s.Append(s); }, "twice"},
      {"ReplaceSubString", [](CATUnicodeString& s) { s.ReplaceSubString(0, 1, "A"); }, "A"},
      {"ReplaceSubString by itself", [](CATUnicodeString& s) { s.ReplaceSubString(0, 0, s); },
       "twice"},
      {"ReplaceAll", [](CATUnicodeString& s) { s.ReplaceAll("t", "T"); }, "T"},
      {"ReplaceAll of itself", [](CATUnicodeString& s) { s.ReplaceAll(s, "x"); }, "x"},
      {"ToUpper", [](CATUnicodeString& s) { s.ToUpper(); }, "A TEXT"},
      {"BuildFromNum", [](CATUnicodeString& s) { s.BuildFromNum(7); }, "7"},
      {"BuildFromWChar", [](CATUnicodeString& s) { s.BuildFromWChar(L"w"); }, "w"},
      {"assigned", [](CATUnicodeString& s) { s = "other"; }, "other"},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    const CATUnicodeString original(kLong);
    const char* handed_out = original.ConvertToChar();
    CATUnicodeString copy(original);
    EXPECT_EQ(copy.ConvertToChar(), handed_out) << "a copy shares the char form";
    change.apply(copy);
    EXPECT_EQ(original.ConvertToChar(), handed_out);
    EXPECT_STREQ(handed_out, kLong);
    const std::string changed = copy.ConvertToChar();
    if (std::strcmp(change.expect, "twice") == 0) {
      EXPECT_EQ(changed, std::string(kLong) + kLong);
    } else {
      EXPECT_NE(changed.find(change.expect), std::string::npos) << changed;
    }
    EXPECT_EQ(copy.GetLengthInByte(), static_cast<int>(changed.size()));
    EXPECT_FALSE(copy == original);
  }
}

// Copies of one text used in several threads at once make one char form.
TEST(CATUnicodeStringTest, CopiesInThreadsShareOneCharForm) {
  const CATUnicodeString original(kDoorFrame);
  std::vector<const char*> seen(8);
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < seen.size(); ++i) {
    threads.emplace_back([&original, &seen, i] {
      const CATUnicodeString copy(original);
      seen[i] = copy.ConvertToChar();
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (const char* form : seen) EXPECT_EQ(form, original.ConvertToChar());
  EXPECT_STREQ(original.ConvertToChar(), kDoorFrame);
}

TEST(CATUnicodeStringTest, InvalidUtf8BytesSurviveARoundTrip) {
  const char latin1[] = "Ma\xDF-\xFF\xC3";  // ‘Maß’ in Latin-1, a stray byte, a cut sequence
  CATUnicodeString text(latin1);
  EXPECT_EQ(text.GetLengthInChar(), 6);
  EXPECT_STREQ(text.ConvertToChar(), latin1);
  const char overlong[] = "\xC0\xAF\xED\xA0\x80";  // overlong "/" and an encoded surrogate
  EXPECT_STREQ(CATUnicodeString(overlong).ConvertToChar(), overlong);
}

TEST(CATUnicodeStringTest, SearchesForwardAndBackward) {
  const CATUnicodeString text("a.b.c");
  struct {
    const char* what;
    int start;
    int mode;
    int expect;
  } cases[] = {
      {".", 0, 1, 1},  {".", 2, 1, 3}, {".", 4, 1, -1},  {".", 0, 2, 3},
      {".", 1, 2, 3},  {".", 2, 2, 1}, {"a", 4, 2, 0},   {"c", 0, 2, 4},
      {"x", 0, 1, -1}, {"", 0, 1, -1}, {".", -1, 1, -1}, {".", 5, 2, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.what << " start " << c.start << " mode " << c.mode);
    EXPECT_EQ(text.SearchSubString(c.what, c.start, c.mode), c.expect);
  }
}

TEST(CATUnicodeStringTest, SubStringAndReplaceClipToTheText) {
  CATUnicodeString text("abcdef");
  EXPECT_STREQ(text.SubString(4, 10).ConvertToChar(), "ef");
  EXPECT_STREQ(text.SubString(6, 1).ConvertToChar(), "");
  EXPECT_STREQ(text.SubString(-1, 2).ConvertToChar(), "");
  text.ReplaceSubString(1, 2, "XYZ");
  EXPECT_STREQ(text.ConvertToChar(), "aXYZdef");
  text.ReplaceSubString(5, 99, "");
  EXPECT_STREQ(text.ConvertToChar(), "aXYZd");
  CATUnicodeString repeated("a*b**c");
  EXPECT_EQ(repeated.ReplaceAll("*", "x"), 3);
  EXPECT_STREQ(repeated.ConvertToChar(), "axbxxc");
  EXPECT_EQ(repeated.ReplaceAll("", "y"), 0);
}

TEST(CATUnicodeStringTest, StripModes) {
  const CATUnicodeString text("  a b  ");
  EXPECT_STREQ(text.Strip(CATUnicodeString::CATStripModeLeading).ConvertToChar(), "a b  ");
  EXPECT_STREQ(text.Strip(CATUnicodeString::CATStripModeTrailing).ConvertToChar(), "  a b");
  EXPECT_STREQ(text.Strip().ConvertToChar(), "a b");
  EXPECT_STREQ(text.Strip(CATUnicodeString::CATStripModeAll).ConvertToChar(), "ab");
  EXPECT_STREQ(CATUnicodeString("a\r\nb\r\n")
                   .Strip(CATUnicodeString::CATStripModeAll, CATUnicodeChar('\r'))
                   .ConvertToChar(),
               "a\nb\n");
}

TEST(CATUnicodeStringTest, LetterCaseAndCompare) {
  CATUnicodeString upper(kDoorFrame);
  upper.ToUpper();
  EXPECT_STREQ(upper.ConvertToChar(), "T\xC3\x9CRRAHMEN");
  upper.ToLower();
  EXPECT_STREQ(upper.ConvertToChar(), "t\xC3\xBCrrahmen");
  EXPECT_EQ(CATUnicodeString("Wall").Compare("Wall"), 2);
  EXPECT_EQ(CATUnicodeString("Wall").Compare("wALL"), 1);
  EXPECT_EQ(CATUnicodeString(kDoorFrame).Compare("t\xC3\x9CRRAHMEN"), 1);
  EXPECT_EQ(CATUnicodeString("Wall").Compare("Wal"), 0);
  EXPECT_EQ(CATUnicodeString("").Compare(""), 2);
}

TEST(CATUnicodeStringTest, OrdersAsMapKeys) {
  std::map<CATUnicodeString, int> map;
  map[CATUnicodeString("b")] = 2;
  map[CATUnicodeString("a")] = 1;
  map[CATUnicodeString("a")] = 3;
  ASSERT_EQ(map.size(), 2u);
  EXPECT_EQ(map.begin()->second, 3);
}

TEST(CATUnicodeStringTest, BuildFromNumFormatsLikePrintf) {
  CATUnicodeString text;
  EXPECT_GT(text.BuildFromNum(42), 0);
  EXPECT_STREQ(text.ConvertToChar(), "42");
  text.BuildFromNum(0.125, "%g");
  EXPECT_STREQ(text.ConvertToChar(), "0.125");
  text.BuildFromNum(1e-5, "%g");
  EXPECT_STREQ(text.ConvertToChar(), "1e-05");
  text.BuildFromNum(7u, "%d");
  EXPECT_STREQ(text.ConvertToChar(), "7");
  text.BuildFromNum(-1L, "%ld");
  EXPECT_STREQ(text.ConvertToChar(), "-1");
}

TEST(CATUnicodeStringTest, BuildFromNumRejectsFormatsThatDoNotFit) {
  CATUnicodeString text("kept");
  EXPECT_EQ(text.BuildFromNum(1, "%s"), 0);
  EXPECT_EQ(text.BuildFromNum(1, "%d %d"), 0);
  EXPECT_EQ(text.BuildFromNum(1, "%*d"), 0);
  EXPECT_EQ(text.BuildFromNum(1.0, "%d"), 0);
  EXPECT_EQ(text.BuildFromNum(1, nullptr), 0);
  EXPECT_STREQ(text.ConvertToChar(), "kept");
}

TEST(CATUnicodeStringTest, ConvertToNumReadsALeadingNumber) {
  int value = -7;
  EXPECT_EQ(CATUnicodeString(" 41").ConvertToNum(&value), 1);
  EXPECT_EQ(value, 41);
  EXPECT_EQ(CATUnicodeString("12abc").ConvertToNum(&value), 1);
  EXPECT_EQ(value, 12);
  value = -7;
  EXPECT_EQ(CATUnicodeString("abc").ConvertToNum(&value), 0);
  EXPECT_EQ(CATUnicodeString("").ConvertToNum(&value), 0);
  EXPECT_EQ(CATUnicodeString("99999999999").ConvertToNum(&value), 0);
  EXPECT_EQ(value, -7);
}

TEST(CATUnicodeStringTest, WideTextRoundTrips) {
  CATUnicodeString text;
  text.BuildFromWChar(L"\u00D8 12 \U0001F600");
  EXPECT_EQ(text.GetLengthInChar(), 6);
  EXPECT_EQ(text.ConvertToWChar(), std::wstring(L"\u00D8 12 \U0001F600"));
  text.BuildFromWChar(nullptr);
  EXPECT_EQ(text.GetLengthInChar(), 0);
}

TEST(CATUnicodeStringTest, ComparesWithCharTexts) {
  const CATUnicodeString text("abc");
  EXPECT_TRUE(text == "abc");
  EXPECT_TRUE("abc" == text);
  EXPECT_TRUE(text != "abd");
  EXPECT_STREQ((text + "d").ConvertToChar(), "abcd");
  EXPECT_STREQ(("<" + text + ">").ConvertToChar(), "<abc>");
  EXPECT_EQ(text[1], CATUnicodeChar('b'));
  EXPECT_EQ(text[3], CATUnicodeChar(' '));
}

}  // namespace
