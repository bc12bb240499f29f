#ifndef SettingsFields_h
#define SettingsFields_h

// The attributes of the translators' settings as "axocor settings" shows
// and changes them: for each, its key, how to read it as text and how to
// store a text, always through the translator's settings interface, so that
// the library's own checks apply.

#include <charconv>
#include <functional>
#include <string>
#include <vector>

#include "AXOITrsDxfSettingAtt.h"
#include "AXOITrsIfcSettingAtt.h"
#include "CATAdopt.h"
#include "CATBaseUnknown.h"
#include "CATICkeParm.h"
#include "CATString.h"
#include "CATUnicodeString.h"

template <class I>
struct SettingField {
  const char* key;
  // What the setting takes, for messages ("Single or Multiple").
  const char* form;
  // The value as text; false when the settings cannot give it.
  std::function<bool(I&, std::string&)> read;
  // Stores `text`; false when it is not of the field's form or the settings
  // refuse it.
  std::function<bool(I&, const std::string&)> write;
};

// The whole of `text` as a decimal integer ("-12"); false otherwise.
inline bool ParseSettingInteger(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto parsed = std::from_chars(text.data(), end, value);
  return !text.empty() && parsed.ec == std::errc() && parsed.ptr == end;
}

template <class I>
SettingField<I> IntegerField(const char* key, HRESULT (I::*get)(int&),
                             HRESULT (I::*set)(const int&)) {
  return {key, "an integer within the setting's limits",
          [get](I& settings, std::string& text) {
            int value = 0;
            if (FAILED((settings.*get)(value))) return false;
            text = std::to_string(value);
            return true;
          },
          [set](I& settings, const std::string& text) {
            int value = 0;
            return ParseSettingInteger(text, value) && SUCCEEDED((settings.*set)(value));
          }};
}

template <class I>
SettingField<I> WordField(const char* key, const char* form, HRESULT (I::*get)(CATString&),
                          HRESULT (I::*set)(const CATString&)) {
  return {key, form,
          [get](I& settings, std::string& text) {
            CATString value;
            if (FAILED((settings.*get)(value))) return false;
            text = value.CastToCharPtr();
            return true;
          },
          [set](I& settings, const std::string& text) {
            return SUCCEEDED((settings.*set)(CATString(text.c_str())));
          }};
}

template <class I>
SettingField<I> TextField(const char* key, HRESULT (I::*get)(CATUnicodeString&),
                          HRESULT (I::*set)(const CATUnicodeString&)) {
  return {key, "any text",
          [get](I& settings, std::string& text) {
            CATUnicodeString value;
            if (FAILED((settings.*get)(value))) return false;
            text = value.ConvertToChar();
            return true;
          },
          [set](I& settings, const std::string& text) {
            return SUCCEEDED((settings.*set)(CATUnicodeString(text.c_str())));
          }};
}

// A value handed out as a knowledge parameter: shown as the parameter's
// text, and set by valuating the parameter from the text and handing it
// back.
template <class I>
SettingField<I> ParameterField(const char* key, const char* form,
                               HRESULT (I::*get)(CATICkeParm_var&),
                               HRESULT (I::*set)(const CATICkeParm_var&)) {
  return {key, form,
          [get](I& settings, std::string& text) {
            CATICkeParm_var parm;
            if (FAILED((settings.*get)(parm))) return false;
            text = parm->Value()->AsString().ConvertToChar();
            return true;
          },
          [get, set](I& settings, const std::string& text) {
            CATICkeParm_var parm;
            return SUCCEEDED((settings.*get)(parm)) && SUCCEEDED(parm->Valuate(text.c_str())) &&
                   SUCCEEDED((settings.*set)(parm));
          }};
}

// The interface `J` of a translator's settings controller, made by its
// factory (GetAXOTrsDxfSettingCtrl, GetAXOTrsIfcSettingCtrl) on first use;
// null when the controller cannot be made.
template <class J>
CATHandle<J> SettingsInterface(HRESULT (*factory)(const GUID&, void**)) {
  void* raw = nullptr;
  if (FAILED(factory(J::ClassId(), &raw)) || raw == nullptr) return CATHandle<J>();
  return CATAdoptHandle<J>(static_cast<J*>(raw));
}

// In the order of the interfaces.
const std::vector<SettingField<AXOITrsDxfSettingAtt>>& DxfSettingFields();
const std::vector<SettingField<AXOITrsIfcSettingAtt>>& IfcSettingFields();

#endif  // SettingsFields_h
