// The texts that the test printers and assertions print.
#include "CATTestTexts.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iterator>
#include <sstream>

#include "CATTestNaming.h"

namespace {

std::string Number(double value) {
  std::ostringstream text;
  text.precision(15);
  text << value;
  return text.str();
}

// The names of the result codes that the host's headers define.
const struct {
  HRESULT code;
  const char* name;
} kResultNames[] = {
    {S_OK, "S_OK"},
    {S_FALSE, "S_FALSE"},
    {E_FAIL, "E_FAIL"},
    {E_NOINTERFACE, "E_NOINTERFACE"},
    {E_INVALIDARG, "E_INVALIDARG"},
    {E_OUTOFMEMORY, "E_OUTOFMEMORY"},
};

// True when `expression` spells a constant: numbers, casts to HRESULT and
// brackets, or a code's name.
bool IsConstantText(const std::string& expression) {
  for (const auto& row : kResultNames) {
    if (expression == row.name) return true;
  }
  static const char* const kCastWords[] = {"HRESULT", "static_cast", "long", "unsigned", "int"};
  for (size_t i = 0; i < expression.size();) {
    const char c = expression[i];
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
      size_t end = i;
      while (
          end < expression.size() &&
          (std::isalnum(static_cast<unsigned char>(expression[end])) || expression[end] == '_')) {
        ++end;
      }
      const std::string word = expression.substr(i, end - i);
      const bool number = std::isdigit(static_cast<unsigned char>(c)) != 0;
      if (!number &&
          std::find(std::begin(kCastWords), std::end(kCastWords), word) == std::end(kCastWords)) {
        return false;
      }
      i = end;
    } else if (std::string("()<> -").find(c) != std::string::npos) {
      ++i;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string CATTestText(const CATUnicodeString& text) {
  std::string quoted = "\"";
  for (const char c : CATTestUtf8(text)) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string CATTestText(const CATMathPoint& point) {
  return "(" + Number(point.GetX()) + ", " + Number(point.GetY()) + ", " + Number(point.GetZ()) +
         ")";
}

std::string CATTestText(const CATMathBox& box) {
  if (box.IsEmpty()) return "empty";
  double limits[6] = {};
  box.GetLimits(limits[0], limits[1], limits[2], limits[3], limits[4], limits[5]);
  std::string text;
  for (int axis = 0; axis < 3; ++axis) {
    text += (axis == 0 ? "[" : " x [") + Number(limits[2 * axis]) + ", " +
            Number(limits[2 * axis + 1]) + "]";
  }
  return text;
}

std::string CATTestText(const CATTime& time) {
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.GetYear(), time.GetMonth(),
                time.GetDay(), time.GetHour(), time.GetMinute(), time.GetSecond());
  return text;
}

std::string CATTestObjectText(CATBaseUnknown* object) {
  if (object == nullptr) return "null";
  const CATBaseUnknown_var identity(object);
  const CATModelNode* node =
      dynamic_cast<const CATModelNode*>(static_cast<CATBaseUnknown*>(identity));
  return node != nullptr ? CATTestNamed(*node) : identity->IsA();
}

std::string CATTestHResultText(HRESULT result) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(result));
  for (const auto& row : kResultNames) {
    if (row.code == result) return std::string(row.name) + " (" + hex + ")";
  }
  return hex;
}

std::string CATTestHResultText(HRESULT result, const char* expression) {
  const std::string text = CATTestHResultText(result);
  if (expression == nullptr || IsConstantText(expression)) return text;
  return text + ", from " + expression;
}

std::string CATTestLeaksText(const std::vector<CATTestLeak>& leaks) {
  std::string text;
  for (const CATTestLeak& leak : leaks) {
    text += "  " + leak.kind;
    if (!leak.name.empty()) text += " '" + leak.name + "'";
    if (!leak.owner.empty()) text += " of " + leak.owner;
    text += " (" + std::to_string(leak.references) +
            (leak.references == 1 ? " reference)" : " references)");
    for (size_t i = 0; i < leak.holds.size(); ++i) {
      text += (i == 0 ? ", holding " : ", ") + leak.holds[i];
    }
    text += "\n";
  }
  return text;
}
