#include "translatorsettings/AXOTrsSettingDescription.h"

#include <cstring>
#include <iterator>
#include <limits>

#include "CATMathConstant.h"

namespace axo_settings {

const DxfUnit kDxfUnits[] = {
    {"millimetre", "mm", 1.0}, {"centimetre", "cm", 10.0}, {"metre", "m", 1000.0},
    {"inch", "in", 25.4},      {"foot", "ft", 304.8},
};
const int kDxfUnitCount = static_cast<int>(std::size(kDxfUnits));

namespace {

constexpr Setting Integer(const char* key, int defaultValue, int minimum = INT_MIN) {
  return {key,     Kind::kInteger, defaultValue,       nullptr, minimum, INT_MAX,
          nullptr, true,           {nullptr, nullptr}, nullptr};
}

constexpr Setting IntegerAbove(const char* key, int defaultValue, const char* bound) {
  Setting setting = Integer(key, defaultValue);
  setting.above = bound;
  return setting;
}

// The setter stores any unit: the range is for the tools alone.
constexpr Setting Unit(const char* key, int defaultValue, int unitCount) {
  return {key,     Kind::kUnit, defaultValue,       nullptr, 0, unitCount - 1,
          nullptr, false,       {nullptr, nullptr}, nullptr};
}

constexpr Setting Choice(const char* key, const char* defaultWord, const char* word1,
                         const char* word2) {
  return {key,     Kind::kChoice, 0,    defaultWord,    INT_MIN,
          INT_MAX, nullptr,       true, {word1, word2}, nullptr};
}

constexpr Setting Measured(const char* key, Kind kind, const char* defaultText,
                           const Measure& measure) {
  return {key, kind, 0, defaultText, INT_MIN, INT_MAX, nullptr, true, {nullptr, nullptr}, &measure};
}

constexpr Setting Text(const char* key, Kind kind) {
  return {key, kind, 0, "", INT_MIN, INT_MAX, nullptr, true, {nullptr, nullptr}, nullptr};
}

constexpr Measure kSag = {"Sag", 0.0, std::numeric_limits<double>::infinity(),
                          "a length of 0 or more with its unit, such as 5.0cm",
                          "a negative length"};
constexpr Measure kAngle = {"Angle", 360.0, CAT2PI,
                            "an angle from 0 to 360deg with its unit, such as 15deg",
                            "outside 0 to 360 degrees"};

// The repository "AXODxfUnitTypeElt", in the order of AXOITrsDxfSettingAtt.
const Setting kDxfSettings[] = {
    Unit("UnitOfDxfFile", 0, static_cast<int>(std::size(kDxfUnits))),
    Integer("ImportLayerToComp", 0),
    Integer("FilePerSolid", 0),
    Integer("FilePerSurfaceMesh", 0),
    Integer("ImportAsPartCGR", 0),
    Integer("CLDLimit", 5000),
};

// The repository "AXOIfcExport", in the order of AXOITrsIfcSettingAtt.
const Setting kIfcSettings[] = {
    Integer("CGRLimit", 500, 0),
    Integer("ExportAllBodiesSets", 0),
    Integer("ExportStdPropSets", 1),
    Integer("ExportAllPackages", 1),
    Text("ExportMapFileName", Kind::kFileName),
    Integer("JoinLimit", 50, 1),
    IntegerAbove("DisjoinLimit", 1000, "JoinLimit"),
    Integer("ImportPSet", 1),
    Measured("SagFactor", Kind::kLength, "5.0cm", kSag),
    Measured("Angle", Kind::kAngle, "15.0deg", kAngle),
    Choice("Representation", "BRep", "BRep", "Triangulated"),
    Choice("ExportOption", "Detailed", "Detailed", "Surfacic"),
    Choice("BEPerPart", "Multiple", "Single", "Multiple"),
    Integer("MaxBEPerPart", 200, 1),
    Text("SectionCatalogName", Kind::kCatalogName),
    Text("ImportMapFileName", Kind::kFileName),
    Integer("ExportSpaceBoundaries", 0),
    Integer("ExportGeoSetsAndBodies", 0),
    Integer("ExportXRefs", 0),
    Integer("ExportSATFiles", 0),
    Integer("BrepOptNormalsOrientation", 0),
    Integer("BrepOptMergeVertices", 0),
    Integer("BrepOptDecimateTriangles", 0),
};

}  // namespace

const Translator kDxf = {"dxf", "AXODxfUnitTypeElt", kDxfSettings, std::size(kDxfSettings)};
const Translator kIfc = {"ifc", "AXOIfcExport", kIfcSettings, std::size(kIfcSettings)};

const Setting* Find(const Translator& translator, std::string_view key) {
  for (const Setting& setting : translator) {
    if (key == setting.key) return &setting;
  }
  return nullptr;
}

const Setting& SettingOf(const Translator& translator, const char* key) {
  // Not described: an integer without a key that no write can meet.
  static const Setting kUndescribed = [] {
    Setting setting = Integer("", 0, INT_MAX);
    setting.maximum = INT_MIN;
    return setting;
  }();
  const Setting* setting = Find(translator, key);
  return setting != nullptr ? *setting : kUndescribed;
}

bool WithinRule(const Setting& setting, int value, int bound) {
  if (value < setting.minimum || value > setting.maximum) return false;
  // Above the bound, written so that a bound of INT_MAX cannot overflow.
  return setting.above == nullptr || value > bound;
}

bool SetterAccepts(const Setting& setting, int value, int bound) {
  return !setting.setterChecks || WithinRule(setting, value, bound);
}

bool AcceptsWord(const Setting& setting, std::string_view word) {
  return setting.kind == Kind::kChoice && (word == setting.words[0] || word == setting.words[1]);
}

bool AcceptsMeasure(const Setting& setting, double value) {
  return setting.measure != nullptr && value >= 0.0 && value <= setting.measure->maximum;
}

namespace {

// "0 mm, 1 cm, 2 m, 3 in, 4 ft"
std::string UnitList() {
  std::string list;
  for (int unit = 0; unit < kDxfUnitCount; ++unit) {
    if (unit > 0) list += ", ";
    list += std::to_string(unit) + " " + kDxfUnits[unit].symbol;
  }
  return list;
}

}  // namespace

std::string Form(const Setting& setting) {
  switch (setting.kind) {
    case Kind::kChoice:
      return std::string(setting.words[0]) + " or " + setting.words[1];
    case Kind::kLength:
    case Kind::kAngle:
      return setting.measure->form;
    case Kind::kFileName:
    case Kind::kCatalogName:
      return "any text";
    case Kind::kInteger:
    case Kind::kUnit:
      break;
  }
  if (setting.above != nullptr) return std::string("an integer above ") + setting.above;
  const bool low = setting.minimum != INT_MIN;
  const bool high = setting.maximum != INT_MAX;
  if (low && high) {
    return "an integer from " + std::to_string(setting.minimum) + " to " +
           std::to_string(setting.maximum);
  }
  if (low) return "an integer of " + std::to_string(setting.minimum) + " or more";
  if (high) return "an integer of " + std::to_string(setting.maximum) + " or less";
  return "an integer";
}

std::string Refusal(const Setting& setting, int bound) {
  switch (setting.kind) {
    case Kind::kUnit:
      return "not a unit (" + UnitList() + ")";
    case Kind::kChoice:
      return std::string("neither '") + setting.words[0] + "' nor '" + setting.words[1] +
             "' (letter case counts)";
    case Kind::kLength:
    case Kind::kAngle:
      return setting.measure->refusal;
    case Kind::kFileName:
    case Kind::kCatalogName:
      return "";
    case Kind::kInteger:
      break;
  }
  if (setting.above != nullptr) {
    return std::string("not above ") + setting.above + " (" + std::to_string(bound) + ")";
  }
  const bool low = setting.minimum != INT_MIN;
  const bool high = setting.maximum != INT_MAX;
  if (low && high) {
    return "outside " + std::to_string(setting.minimum) + " to " + std::to_string(setting.maximum);
  }
  if (low) return "below " + std::to_string(setting.minimum);
  if (high) return "above " + std::to_string(setting.maximum);
  return "";
}

}  // namespace axo_settings
