#ifndef CATJsonEvents_h
#define CATJsonEvents_h

// For the tests of the quick JSON scan (CATJsonScan.h): the events that the
// scan and the JSON library's parser give for a text, each written as a
// line, so that two runs compare as lists. Doubles are written in
// hexadecimal, to the last bit.

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "CATJsonScan.h"

namespace CATJsonEvents {

class Recorder final : public nlohmann::json_sax<nlohmann::json> {
 public:
  explicit Recorder(std::vector<std::string>& events) : events_(events) {}

  bool null() override { return Add("null"); }
  bool boolean(bool value) override { return Add(value ? "true" : "false"); }
  bool number_integer(number_integer_t value) override {
    return Add("integer " + std::to_string(value));
  }
  bool number_unsigned(number_unsigned_t value) override {
    return Add("unsigned " + std::to_string(value));
  }
  bool number_float(number_float_t value, const string_t& token) override {
    char bits[64];
    std::snprintf(bits, sizeof bits, "%a", value);
    return Add("double " + std::string(bits) + " " + token);
  }
  bool string(string_t& value) override { return Add("string " + value); }
  bool binary(binary_t&) override { return Add("binary"); }
  bool start_object(std::size_t) override { return Add("{"); }
  bool key(string_t& value) override { return Add("key " + value); }
  bool end_object() override { return Add("}"); }
  bool start_array(std::size_t) override { return Add("["); }
  bool end_array() override { return Add("]"); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
    Add("error");
    return false;
  }

 private:
  bool Add(std::string event) {
    events_.push_back(std::move(event));
    return true;
  }

  std::vector<std::string>& events_;
};

// The scan's events for `text` into `events`; its answer.
inline bool Scanned(const std::string& text, std::vector<std::string>& events) {
  events.clear();
  Recorder recorder(events);
  return CATJsonScan(text, recorder);
}

// The library's events for `text`, the last "error" when it refuses it.
inline std::vector<std::string> Parsed(const std::string& text) {
  std::vector<std::string> events;
  Recorder recorder(events);
  nlohmann::json::sax_parse(text, &recorder);
  if (events.empty()) events.push_back("none");
  return events;
}

}  // namespace CATJsonEvents

#endif  // CATJsonEvents_h
