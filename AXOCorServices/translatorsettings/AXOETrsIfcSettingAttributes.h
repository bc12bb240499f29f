#ifndef AXOETrsIfcSettingAttributes_h
#define AXOETrsIfcSettingAttributes_h

// The attributes of the repository "AXOIfcExport": keys, defaults and what
// a write accepts. Shared by the files of AXOETrsIfcSettingAtt.

#include <limits>

#include "AXOETrsIfcSettingAtt.h"
#include "CATICkeInst.h"
#include "CATMathConstant.h"

namespace axo_ifc_settings {
// The smallest value an integer attribute accepts on write.
enum class Minimum { kNone, kZero, kOne, kAboveJoinLimit };
}  // namespace axo_ifc_settings

struct AXOETrsIfcSettingAtt::IntegerAttribute {
  const char* key;
  int defaultValue;
  axo_ifc_settings::Minimum minimum;
};

// A char-text attribute that holds one of two words.
struct AXOETrsIfcSettingAtt::ChoiceAttribute {
  const char* key;
  const char* defaultValue;
  const char* words[2];
};

// A length or an angle, stored as its text with the unit.
struct AXOETrsIfcSettingAtt::MeasureAttribute {
  const char* key;
  const char* defaultText;
  const char* parmName;
  CATCkeValueKind kind;
  double rangeUpperBound;  // of the editing range, which has no upper kind
  double maximum;          // accepted on write, in metres resp. radians
};

namespace axo_ifc_settings {

using IntegerAttribute = AXOETrsIfcSettingAtt::IntegerAttribute;
using ChoiceAttribute = AXOETrsIfcSettingAtt::ChoiceAttribute;
using MeasureAttribute = AXOETrsIfcSettingAtt::MeasureAttribute;

inline const IntegerAttribute kCGRLimit = {"CGRLimit", 500, Minimum::kZero};
inline const IntegerAttribute kExportAllBodiesSets = {"ExportAllBodiesSets", 0, Minimum::kNone};
inline const IntegerAttribute kExportStdPropSets = {"ExportStdPropSets", 1, Minimum::kNone};
inline const IntegerAttribute kExportAllPackages = {"ExportAllPackages", 1, Minimum::kNone};
inline const IntegerAttribute kJoinLimit = {"JoinLimit", 50, Minimum::kOne};
inline const IntegerAttribute kDisjoinLimit = {"DisjoinLimit", 1000, Minimum::kAboveJoinLimit};
inline const IntegerAttribute kImportPSet = {"ImportPSet", 1, Minimum::kNone};
inline const IntegerAttribute kMaxBEPerPart = {"MaxBEPerPart", 200, Minimum::kOne};
inline const IntegerAttribute kExportSpaceBoundaries = {"ExportSpaceBoundaries", 0, Minimum::kNone};
inline const IntegerAttribute kExportGeoSetsAndBodies = {"ExportGeoSetsAndBodies", 0,
                                                         Minimum::kNone};
inline const IntegerAttribute kExportXRefs = {"ExportXRefs", 0, Minimum::kNone};
inline const IntegerAttribute kExportSATFiles = {"ExportSATFiles", 0, Minimum::kNone};
inline const IntegerAttribute kBrepOptNormalsOrientation = {"BrepOptNormalsOrientation", 0,
                                                            Minimum::kNone};
inline const IntegerAttribute kBrepOptMergeVertices = {"BrepOptMergeVertices", 0, Minimum::kNone};
inline const IntegerAttribute kBrepOptDecimateTriangles = {"BrepOptDecimateTriangles", 0,
                                                           Minimum::kNone};

// The integers that Initialize must be able to read, in its order.
inline const IntegerAttribute* const kInitialReads[] = {
    &kJoinLimit,
    &kDisjoinLimit,
    &kImportPSet,
    &kCGRLimit,
    &kExportSpaceBoundaries,
    &kExportGeoSetsAndBodies,
    &kExportXRefs,
    &kExportSATFiles,
    &kBrepOptNormalsOrientation,
    &kBrepOptMergeVertices,
    &kBrepOptDecimateTriangles,
};

inline const ChoiceAttribute kRepresentation = {"Representation", "BRep", {"Triangulated", "BRep"}};
inline const ChoiceAttribute kExportOption = {"ExportOption", "Detailed", {"Surfacic", "Detailed"}};
inline const ChoiceAttribute kBEPerPart = {"BEPerPart", "Multiple", {"Single", "Multiple"}};

inline const MeasureAttribute kSagFactor = {
    "SagFactor", "5.0cm", "Sag", CATCkeLengthKind, 0.0, std::numeric_limits<double>::infinity()};
inline const MeasureAttribute kAngle = {"Angle",         "15.0deg", "Angle",
                                        CATCkeAngleKind, 360.0,     CAT2PI};

inline const char kExportMapFileName[] = "ExportMapFileName";
inline const char kImportMapFileName[] = "ImportMapFileName";
inline const char kSectionCatalogName[] = "SectionCatalogName";

}  // namespace axo_ifc_settings

#endif  // AXOETrsIfcSettingAttributes_h
