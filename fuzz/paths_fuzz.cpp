// Splitting texts and file paths. The first byte chooses the separator (an
// ASCII character), the rest is the text.
//   - The tokens of ParseString joined by the separator give the text back.
//   - GetFileExtension is the last token of the name split on ".";
//     RemoveExtensionFromFileName, "." and the text after the last "."
//     give the name back; VerifyFileExtension leaves a name that ends with
//     the dotted extension.
//   - SplitFilePath gives the start and the end of the path with at most
//     one separator between them, or two empty texts; MakeFilePath of the
//     parts begins with the directory and ends with the file name.
#include <string>

#include "AXOCorParserServices.h"
#include "AXOFuzzSupport.h"

namespace {

void CheckTokens(const CATUnicodeString& text, char separator) {
  CATListValCATUnicodeString tokens;
  tokens.Append("kept");
  AXOCorParserServices::ParseString(text, CATUnicodeString(std::string(1, separator).c_str()),
                                    tokens);
  AXO_FUZZ_CHECK(tokens[1] == "kept");
  if (text.GetLengthInChar() == 0) {
    AXO_FUZZ_CHECK(tokens.Size() == 1);
    return;
  }
  std::string joined;
  for (int i = 2; i <= tokens.Size(); ++i) {
    const std::string token = AXOFuzzBytesOf(tokens[i]);
    AXO_FUZZ_CHECK(token.find(separator) == std::string::npos);
    if (i > 2) joined += separator;
    joined += token;
  }
  AXO_FUZZ_CHECK(joined == AXOFuzzBytesOf(text));
}

void CheckExtensions(const CATUnicodeString& name) {
  const std::string bytes = AXOFuzzBytesOf(name);
  CATUnicodeString extension;
  AXOCorParserServices::GetFileExtension(name, extension);
  const std::size_t dot = bytes.rfind('.');
  AXO_FUZZ_CHECK(AXOFuzzBytesOf(extension) ==
                 (dot == std::string::npos ? bytes : bytes.substr(dot + 1)));

  CATUnicodeString stem;
  AXOCorParserServices::RemoveExtensionFromFileName(name, stem);
  AXO_FUZZ_CHECK(AXOFuzzBytesOf(stem) == (dot == std::string::npos ? bytes : bytes.substr(0, dot)));

  CATUnicodeString verified(name);
  AXOCorParserServices::VerifyFileExtension(verified, "xml");
  const std::string result = AXOFuzzBytesOf(verified);
  if (bytes.empty()) {
    AXO_FUZZ_CHECK(result.empty());
  } else {
    AXO_FUZZ_CHECK(result.size() >= 4 && result.compare(result.size() - 4, 4, ".xml") == 0);
    AXO_FUZZ_CHECK(result == bytes || result == bytes + ".xml");
  }
}

bool MakeUp(const std::string& whole, const std::string& head, const std::string& tail) {
  return head.size() + tail.size() <= whole.size() &&
         head.size() + tail.size() + 1 >= whole.size() &&
         whole.compare(0, head.size(), head) == 0 &&
         whole.compare(whole.size() - tail.size(), tail.size(), tail) == 0;
}

void CheckFilePath(const CATUnicodeString& path) {
  const std::string whole = AXOFuzzBytesOf(path);
  CATUnicodeString directory("old");
  CATUnicodeString file("old");
  AXOCorParserServices::SplitFilePath(path, directory, file);
  const std::string head = AXOFuzzBytesOf(directory);
  const std::string tail = AXOFuzzBytesOf(file);
  // The host's char texts end at a NUL byte: only the part before it is split.
  const std::string split = whole.substr(0, whole.find('\0'));
  AXO_FUZZ_CHECK(MakeUp(split, head, tail) || (head.empty() && tail.empty()));

  CATUnicodeString joined("old");
  AXOCorParserServices::MakeFilePath(directory, file, joined);
  const std::string result = AXOFuzzBytesOf(joined);
  AXO_FUZZ_CHECK(result.empty() || MakeUp(result, head, tail));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const char separator = static_cast<char>(data[0] & 0x7F);
  if (separator == '\0') return 0;
  const CATUnicodeString text(reinterpret_cast<const char*>(data) + 1, size - 1);
  CheckTokens(text, separator);
  CheckExtensions(text);
  CheckFilePath(text);
  return 0;
}
