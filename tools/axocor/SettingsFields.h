#ifndef SettingsFields_h
#define SettingsFields_h

// The translators' settings as "axocor settings" and the doctor show,
// change and check them: each row of the library's settings description
// (AXOTrsSettingDescription.h) paired with the operations of the
// translator's settings interface that read and store it. Values always go
// through the interface, so that the library's own checks apply; the row
// only explains a refusal, and adds the range that the library leaves to
// the tools (the DXF unit).

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
#include "translatorsettings/AXOTrsSettingDescription.h"

// What became of a text handed to a setting.
struct SettingWrite {
  enum Outcome {
    kStored,
    kNotOfForm,  // the text is not of the setting's form (axo_settings::Form)
    kRefused,    // the value breaks the setting's rule; `refusal` says how
    kNotStored,  // the settings did not store a value that meets the rule
  };
  Outcome outcome;
  std::string refusal;
};

template <class I>
struct SettingField {
  const axo_settings::Setting* setting;
  // The value as text; false when the settings cannot give it.
  std::function<bool(I&, std::string&)> read;
  // Stores `text`. Nothing is stored unless the outcome is kStored.
  std::function<SettingWrite(I&, const std::string&)> write;
  // The setting's default as `read` gives a value (a measure in the unit
  // and form that its parameter shows: "5.0cm" reads as "50mm").
  std::function<std::string(I&)> readDefault;
};

// One translator: its description, its controller factory and its fields,
// in the order of the description.
template <class I>
struct TranslatorSettings {
  const axo_settings::Translator& description;
  HRESULT (*factory)(const GUID&, void**);
  std::vector<SettingField<I>> fields;
};

const TranslatorSettings<AXOITrsDxfSettingAtt>& DxfSettings();
const TranslatorSettings<AXOITrsIfcSettingAtt>& IfcSettings();

// DxfSettings or IfcSettings, by the interface.
template <class I>
const TranslatorSettings<I>& SettingsOf();
template <>
inline const TranslatorSettings<AXOITrsDxfSettingAtt>& SettingsOf() {
  return DxfSettings();
}
template <>
inline const TranslatorSettings<AXOITrsIfcSettingAtt>& SettingsOf() {
  return IfcSettings();
}

// The field of `key`; null when there is none.
template <class I>
const SettingField<I>* FieldOf(const TranslatorSettings<I>& translator, const std::string& key) {
  for (const SettingField<I>& field : translator.fields) {
    if (key == field.setting->key) return &field;
  }
  return nullptr;
}

// The whole of `text` as a decimal integer ("-12"); false otherwise.
inline bool ParseSettingInteger(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  const auto parsed = std::from_chars(text.data(), end, value);
  return !text.empty() && parsed.ec == std::errc() && parsed.ptr == end;
}

// The value of the setting that `setting` must exceed, as the library
// reads it: the stored value, or its default when it cannot be read. 0
// where there is none.
template <class I>
int StoredBound(I& settings, const axo_settings::Setting& setting) {
  if (setting.above == nullptr) return 0;
  const TranslatorSettings<I>& translator = SettingsOf<I>();
  int bound = axo_settings::SettingOf(translator.description, setting.above).defaultNumber;
  const SettingField<I>* field = FieldOf(translator, setting.above);
  std::string text;
  if (field != nullptr && field->read(settings, text)) ParseSettingInteger(text, bound);
  return bound;
}

// The outcome of a setter that did not store a value that its parser took:
// refused by the rule when the value breaks it, else not stored.
inline SettingWrite NotStored(bool withinRule, const std::string& refusal) {
  return withinRule ? SettingWrite{SettingWrite::kNotStored, ""}
                    : SettingWrite{SettingWrite::kRefused, refusal};
}

template <class I>
SettingField<I> Field(const axo_settings::Translator& translator, const char* key,
                      HRESULT (I::*get)(int&), HRESULT (I::*set)(const int&)) {
  const axo_settings::Setting* setting = &axo_settings::SettingOf(translator, key);
  return {setting,
          [get](I& settings, std::string& text) {
            int value = 0;
            if (FAILED((settings.*get)(value))) return false;
            text = std::to_string(value);
            return true;
          },
          [setting, set](I& settings, const std::string& text) {
            int value = 0;
            if (!ParseSettingInteger(text, value)) {
              return SettingWrite{SettingWrite::kNotOfForm, ""};
            }
            const int bound = StoredBound(settings, *setting);
            const bool within = axo_settings::WithinRule(*setting, value, bound);
            const std::string refusal = axo_settings::Refusal(*setting, bound);
            // A range that the setter does not check is the tools' to apply.
            if (!within && !setting->setterChecks) {
              return SettingWrite{SettingWrite::kRefused, refusal};
            }
            if (SUCCEEDED((settings.*set)(value))) return SettingWrite{SettingWrite::kStored, ""};
            return NotStored(within, refusal);
          },
          [setting](I&) { return std::to_string(setting->defaultNumber); }};
}

template <class I>
SettingField<I> Field(const axo_settings::Translator& translator, const char* key,
                      HRESULT (I::*get)(CATString&), HRESULT (I::*set)(const CATString&)) {
  const axo_settings::Setting* setting = &axo_settings::SettingOf(translator, key);
  return {setting,
          [get](I& settings, std::string& text) {
            CATString value;
            if (FAILED((settings.*get)(value))) return false;
            text = value.CastToCharPtr();
            return true;
          },
          [setting, set](I& settings, const std::string& text) {
            if (SUCCEEDED((settings.*set)(CATString(text.c_str())))) {
              return SettingWrite{SettingWrite::kStored, ""};
            }
            return NotStored(axo_settings::AcceptsWord(*setting, text),
                             axo_settings::Refusal(*setting));
          },
          [setting](I&) { return std::string(setting->defaultText); }};
}

template <class I>
SettingField<I> Field(const axo_settings::Translator& translator, const char* key,
                      HRESULT (I::*get)(CATUnicodeString&),
                      HRESULT (I::*set)(const CATUnicodeString&)) {
  const axo_settings::Setting* setting = &axo_settings::SettingOf(translator, key);
  return {setting,
          [get](I& settings, std::string& text) {
            CATUnicodeString value;
            if (FAILED((settings.*get)(value))) return false;
            text = value.ConvertToChar();
            return true;
          },
          [set](I& settings, const std::string& text) {
            return SettingWrite{SUCCEEDED((settings.*set)(CATUnicodeString(text.c_str())))
                                    ? SettingWrite::kStored
                                    : SettingWrite::kNotStored,
                                ""};
          },
          [setting](I&) { return std::string(setting->defaultText); }};
}

// A value handed out as a knowledge parameter: shown as the parameter's
// text, and set by valuating the parameter from the text and handing it
// back.
template <class I>
SettingField<I> Field(const axo_settings::Translator& translator, const char* key,
                      HRESULT (I::*get)(CATICkeParm_var&),
                      HRESULT (I::*set)(const CATICkeParm_var&)) {
  const axo_settings::Setting* setting = &axo_settings::SettingOf(translator, key);
  return {
      setting,
      [get](I& settings, std::string& text) {
        CATICkeParm_var parm;
        if (FAILED((settings.*get)(parm)) || !parm) return false;
        text = parm->Value()->AsString().ConvertToChar();
        return true;
      },
      [setting, get, set](I& settings, const std::string& text) {
        CATICkeParm_var parm;
        if (FAILED((settings.*get)(parm)) || !parm) {
          return SettingWrite{SettingWrite::kNotStored, ""};
        }
        if (FAILED(parm->Valuate(text.c_str()))) {
          return SettingWrite{SettingWrite::kNotOfForm, ""};
        }
        if (SUCCEEDED((settings.*set)(parm))) return SettingWrite{SettingWrite::kStored, ""};
        return NotStored(axo_settings::AcceptsMeasure(*setting, parm->Value()->AsReal()),
                         axo_settings::Refusal(*setting));
      },
      // The getter hands out a parameter of its own: valuating it with
      // the default stores nothing.
      [setting, get](I& settings) {
        CATICkeParm_var parm;
        if (FAILED((settings.*get)(parm)) || !parm || FAILED(parm->Valuate(setting->defaultText)))
          return std::string(setting->defaultText);
        return std::string(parm->Value()->AsString().ConvertToChar());
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

#endif  // SettingsFields_h
