// Every operation of the controllers' interfaces, called as a translator or
// the host's settings framework calls it: on the interface that the factory
// hands out. Each row names one operation; what its caller sees, on a
// repository that holds a value of its own in every attribute, follows
// from the attribute's row of the settings description, so that an
// operation that reached another one's implementation would show. Rows
// whose operation does more than its shape says spell out what is seen.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "AXOCorServices.h"
#include "AXOITrsDxfSettingAtt.h"
#include "AXOITrsIfcSettingAtt.h"
#include "CATCkeGlobalFunctions.h"
#include "CATICkeParmFactory.h"
#include "CATIIniSettingManagment.h"
#include "CATSettingInfo.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"
#include "translatorsettings/AXOTrsSettingDescription.h"

namespace {

// The out arguments a row's operation is given, each with a value that
// shows whether it was written.
struct Outs {
  ~Outs() { delete[] infos; }
  // What a setter is given (not shown).
  int newInteger = 0;
  CATString newWord;
  CATUnicodeString newText;
  CATICkeParm_var newParm;
  // What is written.
  int integer = -1;
  double scale = -1.0;
  CATString word = "?";
  CATUnicodeString text = "?";
  CATICkeParm_var parm;
  CATSettingInfo info;
  CATSettingInfo* infos = nullptr;
  int count = -1;
};

// What the caller sees of the out arguments: those written, in a short form.
std::string Written(const Outs& o) {
  std::ostringstream s;
  if (o.integer != -1) s << ' ' << o.integer;
  if (o.scale != -1.0) s << ' ' << o.scale;
  if (!(o.word == "?")) s << ' ' << o.word.CastToCharPtr();
  if (!(o.text == "?")) s << ' ' << o.text.ConvertToChar();
  if (!!o.parm) {
    s << ' ' << o.parm->Name().ConvertToChar() << '='
      << o.parm->Value()->AsString().ConvertToChar();
  }
  if (o.info.GetKey().GetLengthInChar() > 0) s << " info " << o.info.GetKey().CastToCharPtr();
  if (o.infos != nullptr) s << " infos " << o.count << ' ' << o.infos[0].GetKey().CastToCharPtr();
  return s.str();
}

// An attribute and the value it holds before each row: a number, or a text
// when there is one. (Either form of a number reads the other, and so do
// both kinds of text.)
struct Attribute {
  const char* key;
  int number;
  const char* text;
};

using axo_settings::Kind;
using axo_settings::Setting;

// A value of its own for each setting of `translator`: a number for the
// integers (3, inch, for the unit), a word that is not the default for the
// choices, a length, an angle, a name.
std::vector<Attribute> AttributesOf(const axo_settings::Translator& translator) {
  std::vector<Attribute> attributes;
  int number = 11;
  for (const Setting& s : translator) {
    switch (s.kind) {
      case Kind::kUnit:
        attributes.push_back({s.key, 3, nullptr});
        break;
      case Kind::kInteger:
        attributes.push_back({s.key, number++, nullptr});
        break;
      case Kind::kChoice:
        attributes.push_back(
            {s.key, 0, s.words[std::string_view(s.words[0]) == s.defaultText ? 1 : 0]});
        break;
      case Kind::kLength:
        attributes.push_back({s.key, 0, "2mm"});
        break;
      case Kind::kAngle:
        attributes.push_back({s.key, 0, "30deg"});
        break;
      case Kind::kFileName:
      case Kind::kCatalogName:
        attributes.push_back({s.key, 0, s.kind == Kind::kFileName ? "stored.csv" : "IPE"});
        break;
    }
  }
  return attributes;
}

void Store(CATSettingRepository* repository, const Attribute& a) {
  const CATString text(a.text);
  if (a.text == nullptr) {
    repository->WriteSetting(a.key, &a.number);
  } else {
    repository->WriteSetting(a.key, &text);
  }
}

// " key=value" for an attribute that no longer holds its value (-1 or "?"
// when it holds none).
std::string Changed(CATSettingRepository* repository, const Attribute& a) {
  std::ostringstream s;
  if (a.text == nullptr) {
    int number = -1;
    repository->ReadSetting(a.key, &number);
    if (number != a.number) s << ' ' << a.key << '=' << number;
  } else {
    CATString text("?");
    repository->ReadSetting(a.key, &text);
    if (!(text == a.text)) s << ' ' << a.key << '=' << text.CastToCharPtr();
  }
  return s.str();
}

// True when every attribute is as at the repository's last commit.
bool Unmodified(CATSettingRepository* repository, const std::vector<Attribute>& attributes) {
  for (const Attribute& a : attributes) {
    CATSettingInfo info;
    if (repository->GetInfo(a.key, &info) != 0 || info.IsModified() != 0) return false;
  }
  return true;
}

// The operation `operation` ("SetCGRLimitParm") split into its verb, the
// key of its attribute and its shape ("", "Parm" or "Info").
struct Operation {
  std::string verb, key, shape;
};

Operation Split(const std::string& operation) {
  Operation o{operation.substr(0, 3), operation.substr(3), ""};
  for (const char* shape : {"Parm", "Info"}) {
    const std::size_t n = std::string_view(shape).size();
    if (o.key.size() > n && o.key.compare(o.key.size() - n, n, shape) == 0) {
      o.shape = shape;
      o.key.erase(o.key.size() - n);
    }
  }
  return o;
}

// What a setter of `s` is given, a value it accepts that differs from
// `stored`, and the text the attribute then holds.
std::string GiveNewValue(const Setting& s, const Attribute& stored, const std::string& shape,
                         Outs& o) {
  CATICkeParmFactory_var factory = CATCkeGlobalFunctions::GetVolatileFactory();
  switch (s.kind) {
    case Kind::kInteger:
    case Kind::kUnit:
      o.newInteger = s.kind == Kind::kUnit ? stored.number + 1 : stored.number + 100;
      if (shape == "Parm") {
        o.newInteger += 100;
        o.newParm = factory->CreateInteger("i", o.newInteger);
      }
      return std::to_string(o.newInteger);
    case Kind::kChoice:
      o.newWord = s.defaultText;
      return s.defaultText;
    case Kind::kLength:
    case Kind::kAngle: {
      const bool length = s.kind == Kind::kLength;
      o.newParm = length ? factory->CreateLength("l", 0.0) : factory->CreateAngle("a", 0.0);
      o.newParm->Valuate(length ? "4mm" : "90deg");
      return length ? "4mm" : "90deg";
    }
    case Kind::kFileName:
    case Kind::kCatalogName:
      o.newText = "new.csv";
      return "new.csv";
  }
  return "";
}

// What the caller of `operation` sees, as its shape and the row of its
// attribute say; "?" when no row describes it.
std::string Expected(const axo_settings::Translator& translator, const char* operation,
                     const std::vector<Attribute>& attributes, Outs& o) {
  const Operation op = Split(operation);
  const Setting* s = axo_settings::Find(translator, op.key);
  if (s == nullptr) return "?";
  const Attribute* stored = nullptr;
  for (const Attribute& a : attributes) {
    if (op.key == a.key) stored = &a;
  }
  const std::string storedText = stored->text ? stored->text : std::to_string(stored->number);
  if (op.shape == "Info") return std::string("S_OK info ") + s->key;
  if (op.verb == "Set") return "S_OK " + op.key + "=" + GiveNewValue(*s, *stored, op.shape, o);
  if (op.shape == "Parm") {
    const char* name = s->measure != nullptr ? s->measure->parmName : s->key;
    return "S_OK " + std::string(name) + "=" + storedText;
  }
  return "S_OK " + storedText;
}

template <class Interface>
struct Call {
  const char* operation;
  HRESULT (*call)(Interface&, Outs&);
  // The result, the out arguments written, the attributes changed; null
  // where the row of the attribute tells.
  const char* seen = nullptr;
};

// A row's operation with its arguments; `o` holds the out arguments.
// clang-format off
#define AXO_CALL(operation, ...) \
  #operation, [](Interface& s, [[maybe_unused]] Outs& o) { return s.operation(__VA_ARGS__); }
// clang-format on

class AXOTrsSettingInterfaces : public CATSettingTestFolder {
 protected:
  // Runs each row on a repository that holds `attributes` (written since
  // its last commit, nothing saved) and compares what the caller sees:
  // the result, the out arguments written, the attributes changed, then
  // "unmodified" when they are all as at the last commit and "saved" when
  // the repository's file was written.
  template <class Interface, std::size_t kRows>
  void Check(HRESULT (*factory)(const GUID&, void**), const axo_settings::Translator& translator,
             const Call<Interface> (&calls)[kRows], const std::vector<Attribute>& attributes) {
    void* out = nullptr;
    ASSERT_EQ(factory(Interface::ClassId(), &out), S_OK);
    Interface* settings = static_cast<Interface*>(out);
    const char* repositoryName = translator.repository;
    CATSettingRepository* repository = CATSettingRepository::GetRepository(repositoryName);
    for (const Call<Interface>& c : calls) {
      SCOPED_TRACE(c.operation);
      std::filesystem::remove(UserFile(repositoryName));
      CATSettingRepositoryTesting::ResetAll();
      for (const Attribute& a : attributes) Store(repository, a);
      Outs o;
      const std::string expected =
          c.seen != nullptr ? c.seen : Expected(translator, c.operation, attributes, o);
      std::string seen = c.call(*settings, o) == S_OK ? "S_OK" : "E_FAIL";
      seen += Written(o);
      for (const Attribute& a : attributes) seen += Changed(repository, a);
      if (Unmodified(repository, attributes)) seen += " unmodified";
      if (std::filesystem::exists(UserFile(repositoryName))) seen += " saved";
      EXPECT_EQ(seen, expected);
    }
    settings->Release();
  }
};

TEST_F(AXOTrsSettingInterfaces, EveryDxfOperationReachesItsOwn) {
  using Interface = AXOITrsDxfSettingAtt;
  const Call<Interface> calls[] = {
      {AXO_CALL(Initialize), "S_OK"},
      {AXO_CALL(GetUnitOfDxfFile, o.integer)},
      {AXO_CALL(IsUnitOfDxfFileEditable), "S_OK"},
      {AXO_CALL(GetUnitOfDxfFileInfo, &o.infos, &o.count), "S_OK infos 1 UnitOfDxfFile"},
      {AXO_CALL(SetUnitOfDxfFile, o.newInteger)},
      {AXO_CALL(SetUnitOfDxfFileLock), "E_FAIL"},
      {AXO_CALL(GetUnitOfDxfFileScale, o.scale), "S_OK 25.4"},
      {AXO_CALL(GetImportLayerToComp, o.integer)},
      {AXO_CALL(SetImportLayerToComp, o.newInteger)},
      {AXO_CALL(GetFilePerSolid, o.integer)},
      {AXO_CALL(SetFilePerSolid, o.newInteger)},
      {AXO_CALL(GetFilePerSurfaceMesh, o.integer)},
      {AXO_CALL(SetFilePerSurfaceMesh, o.newInteger)},
      {AXO_CALL(GetImportAsPartCGR, o.integer)},
      {AXO_CALL(SetImportAsPartCGR, o.newInteger)},
      {AXO_CALL(GetCLDLimit, o.integer)},
      {AXO_CALL(SetCLDLimit, o.newInteger)},
  };
  Check(&GetAXOTrsDxfSettingCtrl, axo_settings::kDxf, calls, AttributesOf(axo_settings::kDxf));

  // Of the operations without arguments, Initialize alone reads.
  AXOITrsDxfSettingAtt* settings = nullptr;
  ASSERT_EQ(GetAXOTrsDxfSettingCtrl(Interface::ClassId(), reinterpret_cast<void**>(&settings)),
            S_OK);
  CATSettingRepositoryTesting::RefuseReads("AXODxfUnitTypeElt", "CLDLimit", true);
  EXPECT_EQ(settings->Initialize(), E_FAIL);
  EXPECT_EQ(settings->IsUnitOfDxfFileEditable(), S_OK);
  settings->Release();
}

TEST_F(AXOTrsSettingInterfaces, EveryIfcOperationReachesItsOwn) {
  using Interface = AXOITrsIfcSettingAtt;
  const Call<Interface> calls[] = {
      {AXO_CALL(Initialize), "S_OK"},
      {AXO_CALL(GetCGRLimit, o.integer)},
      {AXO_CALL(GetCGRLimitParm, o.parm)},
      {AXO_CALL(SetCGRLimit, o.newInteger)},
      {AXO_CALL(SetCGRLimitParm, o.newParm)},
      {AXO_CALL(GetCGRLimitInfo, &o.info, 0)},
      {AXO_CALL(GetExportAllBodiesSets, o.integer)},
      {AXO_CALL(SetExportAllBodiesSets, o.newInteger)},
      {AXO_CALL(GetExportAllBodiesSetsInfo, &o.info, 0)},
      {AXO_CALL(GetExportStdPropSets, o.integer)},
      {AXO_CALL(SetExportStdPropSets, o.newInteger)},
      {AXO_CALL(GetExportStdPropSetsInfo, &o.info, 0)},
      {AXO_CALL(GetExportAllPackages, o.integer)},
      {AXO_CALL(SetExportAllPackages, o.newInteger)},
      {AXO_CALL(GetExportAllPackagesInfo, &o.info, 0)},
      {AXO_CALL(GetExportMapFileName, o.text)},
      {AXO_CALL(SetExportMapFileName, o.newText)},
      {AXO_CALL(GetExportMapFileNameInfo, &o.info, 0)},
      {AXO_CALL(GetJoinLimit, o.integer)},
      {AXO_CALL(GetJoinLimitParm, o.parm)},
      {AXO_CALL(SetJoinLimit, o.newInteger)},
      {AXO_CALL(SetJoinLimitParm, o.newParm)},
      {AXO_CALL(GetJoinLimitInfo, &o.info, 0)},
      {AXO_CALL(GetDisjoinLimit, o.integer)},
      {AXO_CALL(GetDisjoinLimitParm, o.parm)},
      {AXO_CALL(SetDisjoinLimitParm, o.newParm)},
      {AXO_CALL(SetDisjoinLimit, o.newInteger)},
      {AXO_CALL(GetDisjoinLimitInfo, &o.info, 0)},
      {AXO_CALL(GetImportPSet, o.integer)},
      {AXO_CALL(SetImportPSet, o.newInteger)},
      {AXO_CALL(GetSagFactorParm, o.parm)},
      {AXO_CALL(SetSagFactorParm, o.newParm)},
      {AXO_CALL(GetSagFactorInfo, &o.info, 0)},
      {AXO_CALL(GetAngleParm, o.parm)},
      {AXO_CALL(SetAngleParm, o.newParm)},
      {AXO_CALL(GetAngleInfo, &o.info, 0)},
      {AXO_CALL(GetRepresentation, o.word), "S_OK BRep"},
      {AXO_CALL(SetRepresentation, o.newWord)},
      {AXO_CALL(GetRepresentationInfo, &o.info, 0)},
      {AXO_CALL(GetExportOption, o.word)},
      {AXO_CALL(SetExportOption, o.newWord)},
      {AXO_CALL(GetExportOptionInfo, &o.info, 0)},
      {AXO_CALL(GetBEPerPart, o.word)},
      {AXO_CALL(SetBEPerPart, o.newWord)},
      {AXO_CALL(GetBEPerPartInfo, &o.info, 0)},
      {AXO_CALL(GetMaxBEPerPart, o.integer)},
      {AXO_CALL(SetMaxBEPerPart, o.newInteger)},
      {AXO_CALL(GetMaxBEPerPartInfo, &o.info, 0)},
      {AXO_CALL(GetSectionCatalogName, o.text)},
      {AXO_CALL(SetSectionCatalogName, o.newText)},
      {AXO_CALL(GetSectionCatalogNameInfo, &o.info, 0)},
      {AXO_CALL(GetImportMapFileName, o.text)},
      {AXO_CALL(SetImportMapFileName, o.newText)},
      {AXO_CALL(GetImportMapFileNameInfo, &o.info, 0)},
      {AXO_CALL(GetExportSpaceBoundaries, o.integer)},
      {AXO_CALL(SetExportSpaceBoundaries, o.newInteger)},
      {AXO_CALL(GetExportSpaceBoundariesInfo, &o.info, 0)},
      {AXO_CALL(GetExportGeoSetsAndBodies, o.integer)},
      {AXO_CALL(SetExportGeoSetsAndBodies, o.newInteger)},
      {AXO_CALL(GetExportGeoSetsAndBodiesInfo, &o.info, 0)},
      {AXO_CALL(GetExportXRefs, o.integer)},
      {AXO_CALL(SetExportXRefs, o.newInteger)},
      {AXO_CALL(GetExportXRefsInfo, &o.info, 0)},
      {AXO_CALL(GetExportSATFiles, o.integer)},
      {AXO_CALL(SetExportSATFiles, o.newInteger)},
      {AXO_CALL(GetExportSATFilesInfo, &o.info, 0)},
      {AXO_CALL(GetBrepOptNormalsOrientation, o.integer)},
      {AXO_CALL(SetBrepOptNormalsOrientation, o.newInteger)},
      {AXO_CALL(GetBrepOptNormalsOrientationInfo, &o.info, 0)},
      {AXO_CALL(GetBrepOptMergeVertices, o.integer)},
      {AXO_CALL(SetBrepOptMergeVertices, o.newInteger)},
      {AXO_CALL(GetBrepOptMergeVerticesInfo, &o.info, 0)},
      {AXO_CALL(GetBrepOptDecimateTriangles, o.integer)},
      {AXO_CALL(SetBrepOptDecimateTriangles, o.newInteger)},
      {AXO_CALL(GetBrepOptDecimateTrianglesInfo, &o.info, 0)},
  };
  Check(&GetAXOTrsIfcSettingCtrl, axo_settings::kIfc, calls, AttributesOf(axo_settings::kIfc));
}

// The management operations change the current values, the reference
// state that a rollback returns to, or the saved file: each in its own way.
TEST_F(AXOTrsSettingInterfaces, EveryManagementOperationReachesItsOwn) {
  using Interface = CATIIniSettingManagment;
  WriteFile(UseAdminFolder("admin") / "AXODxfUnitTypeElt.axosettings",
            "CATSettings 1\nCLDLimit\tint\t3\n");
  const std::vector<Attribute> attributes = {{"CLDLimit", 2, nullptr}};
  const Call<Interface> calls[] = {
      {AXO_CALL(Commit), "S_OK unmodified"},
      {AXO_CALL(ResetToAdminValues), "S_OK CLDLimit=3"},
      {AXO_CALL(Rollback), "S_OK CLDLimit=-1 unmodified"},
      {AXO_CALL(SaveRepository), "S_OK saved"},
  };
  Check(&GetAXOTrsDxfSettingCtrl, axo_settings::kDxf, calls, attributes);
}

}  // namespace
