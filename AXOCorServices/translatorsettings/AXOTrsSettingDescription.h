#ifndef AXOTrsSettingDescription_h
#define AXOTrsSettingDescription_h

// The description of the translators' settings: for each translator its
// name, its repository and its settings in the order of its interface, and
// for each setting its key, kind, default and what a write accepts, with
// the texts that tell a person what it takes and why a value is refused.
//
// The settings extensions take their repositories, keys, defaults and
// rules from here; the tools that show, change and check the settings take
// the same rows, so that they explain exactly what the library refuses.
// An internal unit: linked into the library and into its tools, never
// exported; it calls nothing of the library.

#include <climits>
#include <cstddef>
#include <string>
#include <string_view>

namespace axo_settings {

// What a setting holds, and so how the repository stores it.
enum class Kind {
  kInteger,      // a 32-bit integer
  kUnit,         // the DXF unit, an index of kDxfUnits, in the "long" form
  kChoice,       // char text, one of two words
  kLength,       // char text, a number with its length unit ("5.0cm")
  kAngle,        // char text, a number with its angle unit ("15.0deg")
  kFileName,     // Unicode text naming a file
  kCatalogName,  // Unicode text naming a steel section catalog
};

// A length or an angle. The library edits it as a knowledge parameter;
// the texts are for people.
struct Measure {
  const char* parmName;
  // The upper bound of the parameter's editing range (0: none).
  double rangeUpperBound;
  // The largest value a write accepts, in metres resp. radians; the
  // smallest is 0.
  double maximum;
  const char* form;
  const char* refusal;
};

struct Setting {
  const char* key;
  Kind kind;
  // The value preset before a read: integers and the unit.
  int defaultNumber;
  // The same for choices, measures and texts ("" for the file names).
  const char* defaultText;
  // Integers and the unit: a write accepts values from `minimum` to
  // `maximum` and, where `above` names another setting of the translator,
  // only values above the value stored there.
  int minimum;
  int maximum;
  const char* above;
  // False where the setter stores any integer and only the tools apply
  // the range (the DXF unit: the library's contract accepts any value, but
  // the translator can read only the units of kDxfUnits).
  bool setterChecks;
  // Choices: the two words a write accepts, letter case included.
  const char* words[2];
  const Measure* measure;
};

// One translator's settings.
struct Translator {
  const char* name;  // as the tools name it: "dxf", "ifc"
  const char* repository;
  const Setting* settings;
  std::size_t count;

  const Setting* begin() const { return settings; }
  const Setting* end() const { return settings + count; }
};

extern const Translator kDxf;
extern const Translator kIfc;

// A unit of the DXF unit setting, by its stored index.
struct DxfUnit {
  const char* name;    // "millimetre"
  const char* symbol;  // "mm"
  double millimetres;  // the length of one drawing unit
};
extern const DxfUnit kDxfUnits[];
extern const int kDxfUnitCount;

// The row of `key`; null when the translator has none.
const Setting* Find(const Translator& translator, std::string_view key);

// The row of `key`, for code that names its keys itself. A key that the
// translator lacks gives an integer row with an empty key whose rule no
// value meets: a misspelt key shows in the tests rather than crashing.
const Setting& SettingOf(const Translator& translator, const char* key);

// Whether `value` meets the integer rule of `setting`, `bound` being the
// value stored in setting.above (ignored where there is none). Every value
// meets the rule of a setting that has none.
bool WithinRule(const Setting& setting, int value, int bound);
// Whether the setter of `setting` takes `value`: WithinRule, where the
// setter checks it at all.
bool SetterAccepts(const Setting& setting, int value, int bound);
// Whether `word` is one of the two words of a choice, letter case included.
bool AcceptsWord(const Setting& setting, std::string_view word);
// Whether a length or an angle of `value` metres resp. radians is accepted.
bool AcceptsMeasure(const Setting& setting, double value);

// What a setting takes, for people: "an integer of 1 or more", "Single or
// Multiple", "a length of 0 or more with its unit, such as 5.0cm".
std::string Form(const Setting& setting);
// Why a value that breaks the setting's rule is refused: "below 1",
// "not above JoinLimit (60)" (with `bound`, the value of setting.above),
// "neither 'BRep' nor 'Triangulated' (letter case counts)". Empty for a
// setting that refuses nothing of its form.
std::string Refusal(const Setting& setting, int bound = 0);

}  // namespace axo_settings

#endif  // AXOTrsSettingDescription_h
