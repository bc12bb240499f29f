#include "CATSettingFormat.h"

#include <cstdlib>
#include <limits>

namespace {

// The header of files written with an end marker, and of those written
// before, which may lack one (or have it: the marker came before the
// version that requires it).
const char kHeader[] = "CATSettings 2";
const char kUnmarkedHeader[] = "CATSettings 1";
// The last line: "CATSettings end <number of entry lines>". Older readers
// skip it as a line without fields.
const char kEndMarker[] = "CATSettings end ";
// Every line that starts so is written by the format itself: a key that
// starts so has its first letter escaped.
const char kFormatLine[] = "CATSettings";

struct TypeName {
  CATSettingInfo::Type type;
  const char* name;
};
const TypeName kTypeNames[] = {{CATSettingInfo::TypeInteger, "int"},
                               {CATSettingInfo::TypeLong, "long"},
                               {CATSettingInfo::TypeString, "string"},
                               {CATSettingInfo::TypeUnicode, "unicode"}};

const char* NameOfType(CATSettingInfo::Type type) {
  for (const TypeName& t : kTypeNames) {
    if (t.type == type) return t.name;
  }
  return nullptr;
}

bool TypeOfName(const std::string& name, CATSettingInfo::Type& type) {
  for (const TypeName& t : kTypeNames) {
    if (name == t.name) {
      type = t.type;
      return true;
    }
  }
  return false;
}

void AppendEscaped(const std::string& bytes, std::string& out) {
  static const char kHex[] = "0123456789ABCDEF";
  for (char c : bytes) {
    const unsigned char u = static_cast<unsigned char>(c);
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        if (u < 0x20 || u == 0x7F) {
          out += "\\x";
          out += kHex[u >> 4];
          out += kHex[u & 0x0F];
        } else {
          out += c;
        }
    }
  }
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool Unescape(const std::string& field, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      out += field[i];
      continue;
    }
    if (++i == field.size()) return false;
    switch (field[i]) {
      case '\\':
        out += '\\';
        break;
      case 't':
        out += '\t';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 'x': {
        if (i + 2 >= field.size()) return false;
        const int high = HexDigit(field[i + 1]);
        const int low = HexDigit(field[i + 2]);
        if (high < 0 || low < 0) return false;
        out += static_cast<char>(high * 16 + low);
        i += 2;
        break;
      }
      default:
        return false;
    }
  }
  return true;
}

// One decimal 32-bit integer: an optional "-" and digits, nothing else.
bool ParseNumber(const std::string& text, std::int32_t& value) {
  std::size_t i = text.empty() || text[0] != '-' ? 0 : 1;
  if (i == text.size() || text.size() - i > 10) return false;
  long long result = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    result = result * 10 + (text[i] - '0');
  }
  if (text[0] == '-') result = -result;
  if (result < std::numeric_limits<std::int32_t>::min() ||
      result > std::numeric_limits<std::int32_t>::max()) {
    return false;
  }
  value = static_cast<std::int32_t>(result);
  return true;
}

bool ParseNumbers(const std::string& field, std::vector<std::int32_t>& numbers) {
  std::size_t begin = 0;
  while (true) {
    std::size_t end = field.find(' ', begin);
    if (end == std::string::npos) end = field.size();
    std::int32_t value = 0;
    if (!ParseNumber(field.substr(begin, end - begin), value)) return false;
    numbers.push_back(value);
    if (end == field.size()) return true;
    begin = end + 1;
  }
}

// Reads "<key> TAB <type> TAB <value>"; false when malformed.
bool ParseLine(const std::string& line, std::string& key, CATSettingValue& value) {
  const std::size_t first_tab = line.find('\t');
  if (first_tab == std::string::npos) return false;
  const std::size_t second_tab = line.find('\t', first_tab + 1);
  if (second_tab == std::string::npos) return false;
  if (!Unescape(line.substr(0, first_tab), key) || key.empty()) return false;
  if (!TypeOfName(line.substr(first_tab + 1, second_tab - first_tab - 1), value.type)) {
    return false;
  }
  const std::string field = line.substr(second_tab + 1);
  if (value.IsNumber()) return ParseNumbers(field, value.numbers);
  return Unescape(field, value.text);
}

// A text that is not whole: no settings from it.
bool Refuse(CATSettingMap& settings) {
  settings.clear();
  return false;
}

}  // namespace

std::string CATFormatSettings(const CATSettingMap& settings) {
  std::string out = kHeader;
  out += '\n';
  std::size_t entries = 0;
  for (const auto& entry : settings) {
    const char* type_name = NameOfType(entry.second.type);
    if (type_name == nullptr) continue;  // nothing stored under the key
    // "\x43" for the "C": the line cannot be taken for the header or the
    // end marker, and every reader of the escapes reads the key back.
    const bool format_like = entry.first.compare(0, sizeof kFormatLine - 1, kFormatLine) == 0;
    if (format_like) out += "\\x43";
    AppendEscaped(format_like ? entry.first.substr(1) : entry.first, out);
    out += '\t';
    out += type_name;
    out += '\t';
    if (entry.second.IsNumber()) {
      for (std::size_t i = 0; i < entry.second.numbers.size(); ++i) {
        if (i > 0) out += ' ';
        out += std::to_string(entry.second.numbers[i]);
      }
    } else {
      AppendEscaped(entry.second.text, out);
    }
    out += '\n';
    ++entries;
  }
  return out + kEndMarker + std::to_string(entries) + '\n';
}

namespace {

// True when `line` is an end marker: the marker's words and a count of
// decimal digits, with `count` set. A key line, which holds tabs, never is.
bool IsEndMarker(const std::string& line, std::string& count) {
  if (line.compare(0, sizeof kEndMarker - 1, kEndMarker) != 0) return false;
  count = line.substr(sizeof kEndMarker - 1);
  return !count.empty() && count.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

bool CATParseSettings(const std::string& text, CATSettingMap& settings) {
  settings.clear();
  std::size_t begin = 0;
  bool header_seen = false;
  bool marker_required = false;
  bool end_seen = false;
  bool last_complete = true;  // the last line holding anything is whole
  std::size_t entries = 0;
  while (begin < text.size()) {
    if (end_seen) return Refuse(settings);  // anything after the end marker
    std::size_t end = text.find('\n', begin);
    if (end == std::string::npos) return Refuse(settings);  // cut inside a line
    std::string line = text.substr(begin, end - begin);
    begin = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!header_seen) {
      if (line != kHeader && line != kUnmarkedHeader) return false;
      marker_required = line == kHeader;
      header_seen = true;
      continue;
    }
    std::string count;
    if (IsEndMarker(line, count)) {
      if (count != std::to_string(entries)) return Refuse(settings);
      end_seen = true;
      continue;
    }
    ++entries;
    std::string key;
    CATSettingValue value;
    const bool parsed = ParseLine(line, key, value);
    if (parsed) settings[key] = value;
    if (!line.empty()) last_complete = parsed;
  }
  if (!header_seen) return false;
  if (end_seen) return true;
  return !marker_required && last_complete ? true : Refuse(settings);
}
