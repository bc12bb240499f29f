// The five HTML operations on any piece of text. Each result is the text
// strictly between two marks found by plain searches over the whole piece
// (Q1, Q2: first and last quotation mark; H: first "#"; G: first ">"; L:
// last "<"), or "" where a mark is missing or the two are the wrong way
// round. The marks are ASCII, so byte positions in the UTF-8 text give the
// same pieces as the host's character positions.
#include <string>

#include "AXOCorParserServices.h"
#include "AXOFuzzSupport.h"

namespace {

constexpr std::size_t kNone = std::string::npos;

std::string Between(const std::string& text, std::size_t a, std::size_t b) {
  const long long from = a == kNone ? -1 : static_cast<long long>(a);
  const long long to = b == kNone ? -1 : static_cast<long long>(b);
  if (to <= from) return "";
  return text.substr(static_cast<std::size_t>(from + 1), static_cast<std::size_t>(to - from - 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const CATUnicodeString html(reinterpret_cast<const char*>(data), size);
  const std::string text = AXOFuzzBytesOf(html);
  const std::size_t q1 = text.find('"');
  const std::size_t q2 = text.rfind('"');
  const std::size_t h = text.find('#');

  AXO_FUZZ_CHECK(AXOFuzzBytesOf(AXOCorParserServices::GetNameFromHtml(html)) ==
                 Between(text, text.find('>'), text.rfind('<')));
  AXO_FUZZ_CHECK(AXOFuzzBytesOf(AXOCorParserServices::GetFullLinkFromHtml(html)) ==
                 (q1 == kNone ? "" : Between(text, q1, q2)));
  AXO_FUZZ_CHECK(AXOFuzzBytesOf(AXOCorParserServices::GetLinkFromHtml(html)) ==
                 (q1 == kNone ? "" : Between(text, q1, h != kNone ? h : q2)));
  AXO_FUZZ_CHECK(AXOFuzzBytesOf(AXOCorParserServices::GetLocationFromHtml(html)) ==
                 (h == kNone ? "" : Between(text, h, q2)));
  const bool base = text.find("<base href=\"") != kNone && text.find("\">") != kNone &&
                    text.find("<base href=\">") == kNone;
  AXO_FUZZ_CHECK(AXOFuzzBytesOf(AXOCorParserServices::GetParsedBaseAddress(html)) ==
                 (base ? Between(text, q1, q2) : ""));
  return 0;
}
