#ifndef AXOCOR_DOCTOR_JSON_WRITER_H
#define AXOCOR_DOCTOR_JSON_WRITER_H

// A small streaming JSON writer: objects, arrays, strings, integers and
// booleans, written compactly with one value per call. Commas and key
// quoting are handled here; the caller only keeps its Begin and End calls
// balanced and calls Key before each member of an object.

#include <string>
#include <string_view>
#include <vector>

namespace axocor::doctor {

class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The name of the next member of the enclosing object.
  void Key(std::string_view name);
  void String(std::string_view value);
  void Integer(long long value);
  void Bool(bool value);

  // The text written so far.
  const std::string& text() const { return out_; }

 private:
  void BeforeValue();

  std::string out_;
  // One entry per open object or array: true once it holds a member.
  std::vector<bool> hasMember_;
  bool afterKey_ = false;
};

// `text` as a JSON string literal, quotes included: '"', '\' and control
// characters escaped, and every byte sequence that is not valid UTF-8
// replaced by U+FFFD so that the result is valid JSON whatever the input.
std::string JsonQuote(std::string_view text);

}  // namespace axocor::doctor

#endif  // AXOCOR_DOCTOR_JSON_WRITER_H
