#include "AXOArcGuid.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <set>
#include <string>

#include "AXOPlatform.h"

namespace {

_GUID MakeGuid(std::uint32_t d1, std::uint16_t d2, std::uint16_t d3,
               std::initializer_list<int> d4) {
  _GUID guid = {d1, d2, d3, {}};
  int i = 0;
  for (int byte : d4) guid.Data4[i++] = static_cast<std::uint8_t>(byte);
  return guid;
}

const _GUID kZero = {};
const _GUID kSample =
    MakeGuid(0x01234567, 0x89AB, 0xCDEF, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF});

TEST(AXOArcGuid, KnownGuidsHaveKnownTexts) {
  struct {
    _GUID guid;
    const char* braced;
    const char* compressed;
  } cases[] = {
      {kZero, "{00000000-0000-0000-0000-000000000000}", "0000000000000000000000"},
      {MakeGuid(0xFFFFFFFF, 0xFFFF, 0xFFFF, {255, 255, 255, 255, 255, 255, 255, 255}),
       "{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}", "3$$$$$$$$$$$$$$$$$$$$$"},
      {kSample, "{01234567-89AB-CDEF-0123-456789ABCDEF}", "018qLdYQlDxm4ZHMU9gytl"},
      {MakeGuid(0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}), "{00000000-0000-0000-0000-000000000001}",
       "0000000000000000000001"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.braced);
    const AXOArcGuid guid(c.guid);
    EXPECT_STREQ(guid.GetString(), c.braced);
    EXPECT_STREQ(guid.GetCompressedString(), c.compressed);
    EXPECT_EQ(AXOArcGuid::GetGuidFromCompressedString(c.compressed), c.guid);
    EXPECT_EQ(AXOArcGuid(c.braced).GetGuid(), c.guid);
  }
}

TEST(AXOArcGuid, RandomGuidsRoundTripThroughBothTexts) {
  std::mt19937_64 random(20240501);
  for (int i = 0; i < 2000; ++i) {
    _GUID original;
    const std::uint64_t high = random();
    const std::uint64_t low = random();
    original.Data1 = static_cast<std::uint32_t>(high >> 32);
    original.Data2 = static_cast<std::uint16_t>(high >> 16);
    original.Data3 = static_cast<std::uint16_t>(high);
    for (int b = 0; b < 8; ++b) original.Data4[b] = static_cast<std::uint8_t>(low >> (8 * b));
    const AXOArcGuid guid(original);
    const std::string compressed = guid.GetCompressedString();
    SCOPED_TRACE(compressed);
    ASSERT_EQ(compressed.size(), 22u);
    ASSERT_NE(std::strchr("0123", compressed[0]), nullptr);
    EXPECT_EQ(AXOArcGuid::GetGuidFromCompressedString(compressed.c_str()), original);
    EXPECT_EQ(AXOArcGuid(guid.GetString()).GetGuid(), original);
  }
}

TEST(AXOArcGuid, DecoderRejectsMalformedTextWithTheZeroGuid) {
  const char* rejects[] = {
      "018qLdYQlDxm4ZHMU9gyt",    // 21 characters
      "018qLdYQlDxm4ZHMU9gytlx",  // 23 characters
      "018qLdYQlDxm-ZHMU9gytl",   // "-" is not a digit
      "018qLdYQlDxm ZHMU9gytl",   // nor is a blank
      "018qLdYQlDxm4ZHMU9gyt\xC3", "", nullptr,
  };
  for (const char* text : rejects) {
    SCOPED_TRACE(text != nullptr ? text : "(null)");
    EXPECT_EQ(AXOArcGuid::GetGuidFromCompressedString(text), kZero);
  }
}

TEST(AXOArcGuid, DecoderAcceptsExactlyTheAlphabetAtEveryPosition) {
  const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
  const std::string sample = "018qLdYQlDxm4ZHMU9gytl";
  for (std::size_t position = 0; position < sample.size(); ++position) {
    for (int byte = 1; byte < 256; ++byte) {
      std::string text = sample;
      text[position] = static_cast<char>(byte);
      const std::size_t digit = alphabet.find(static_cast<char>(byte));
      SCOPED_TRACE(testing::Message() << "byte " << byte << " at " << position);
      const _GUID decoded = AXOArcGuid::GetGuidFromCompressedString(text.c_str());
      if (digit == std::string::npos) {
        EXPECT_EQ(decoded, kZero);
      } else if (position > 0 || digit < 4) {
        // A valid digit decodes to the GUID that compresses back to the text.
        EXPECT_STREQ(AXOArcGuid(decoded).GetCompressedString(), text.c_str());
      }
    }
  }
}

TEST(AXOArcGuid, DecoderTakesTheFirstDigitModuloFour) {
  EXPECT_EQ(AXOArcGuid::GetGuidFromCompressedString("418qLdYQlDxm4ZHMU9gytl"), kSample);
  EXPECT_EQ(AXOArcGuid::GetGuidFromCompressedString("$$$$$$$$$$$$$$$$$$$$$$"),
            AXOArcGuid::GetGuidFromCompressedString("3$$$$$$$$$$$$$$$$$$$$$"));
}

TEST(AXOArcGuid, TextsShareOneBufferPerForm) {
  const AXOArcGuid zero(kZero);
  const AXOArcGuid sample(kSample);
  char* first = zero.GetCompressedString();
  char* second = sample.GetCompressedString();
  EXPECT_EQ(first, second);
  EXPECT_STREQ(first, "018qLdYQlDxm4ZHMU9gytl");
  char* braced_first = sample.GetString();
  char* braced_second = zero.GetString();
  EXPECT_EQ(braced_first, braced_second);
  EXPECT_STREQ(braced_first, "{00000000-0000-0000-0000-000000000000}");
  EXPECT_NE(static_cast<void*>(first), static_cast<void*>(braced_first));
}

// Each field is read up to a non-hex digit ("GG" pairs give 0); a text of
// another layout gives a fresh GUID.
TEST(AXOArcGuid, BracedConstructorReadsOnlyTheExactLayout) {
  const _GUID cut =
      MakeGuid(0x0123456, 0x89AB, 0xCDEF, {0x01, 0x00, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF});
  struct {
    const char* text;
    const _GUID* parsed;  // null: a fresh GUID
  } cases[] = {
      {"{01234567-89AB-CDEF-0123-456789ABCDEF}", &kSample},
      {"{01234567-89ab-cdef-0123-456789abcdef}", &kSample},
      {"(01234567-89AB-CDEF-0123-456789ABCDEF)", &kSample},  // the braces are not examined
      {"{0123456Z-89AB-CDEF-01GG-456789ABCDEF}", &cut},
      {"{01234567-89AB-CDEF-0123-456789ABCDE}", nullptr},  // 37 characters
      {"{01234567-89AB-CDEF-0123-456789ABCDEF}x", nullptr},
      {"{01234567+89AB-CDEF-0123-456789ABCDEF}", nullptr},
      {"{0123456789AB-CDEF-0123-456789ABCDEF-}", nullptr},
      {"", nullptr},
      {nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text != nullptr ? c.text : "(null)");
    const _GUID guid = AXOArcGuid(c.text).GetGuid();
    if (c.parsed != nullptr) {
      EXPECT_EQ(guid, *c.parsed);
    } else {
      EXPECT_NE(guid, kSample);
      EXPECT_NE(guid, kZero) << "a fresh GUID, not an empty one";
    }
  }
}

TEST(AXOArcGuid, NewGuidsDiffer) {
  std::set<std::string> seen;
  for (int i = 0; i < 100; ++i) seen.insert(AXOArcGuid().GetCompressedString());
  EXPECT_EQ(seen.size(), 100u);
}

// A platform whose GUID generator fails.
class FailingGuidPlatform : public AXOPlatformWrapper {
 public:
  FailingGuidPlatform() : AXOPlatformWrapper(AXOPlatform::Get()) {}
  AXOStatus NewGuid(AXOGuidFields&) override { return AXOStatus(AXOStatusCode::kOther, "guid"); }
};

TEST(AXOArcGuid, FailingGeneratorGivesTheZeroGuid) {
  FailingGuidPlatform failing;
  AXOPlatform::SetForTesting(&failing);
  const _GUID generated = AXOArcGuid().GetGuid();
  const _GUID unparsed = AXOArcGuid("not a GUID").GetGuid();
  const _GUID parsed = AXOArcGuid("{01234567-89AB-CDEF-0123-456789ABCDEF}").GetGuid();
  AXOPlatform::SetForTesting(nullptr);
  EXPECT_EQ(generated, kZero);
  EXPECT_EQ(unparsed, kZero);
  EXPECT_EQ(parsed, kSample);
}

}  // namespace
