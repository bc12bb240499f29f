// One IFC export, as the add-on's translator runs it:
//   1. the settings controller is made by its factory;
//   2. the options are read; the section catalog falls back to the first
//      steel catalog of the installation;
//   3. the export profile map is read and section profiles are renamed;
//   4. the phases are timed and the instrumentation report is written;
//   5. an option is changed and the repository saved through the
//      management interface;
// and, in a second process (Road.ReadBack), the saved options read back.
// Then the add-on at work on a model (Road.Building): the sample building is
// opened, its part found below an instance, dumped to a file, and a feature
// reached by its path from the part.
// Road.PublishAndSavePart publishes a feature of the sample building and
// saves its part; Road.ReadSavedPart, a second process, opens that file.
// Road.CatalogEntry finds a section of the sample catalog by its name.
// Road.BuildingBox measures the sample building: its documents are opened
// and its bounding box taken.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "AXOAttPackageBaseServices.h"
#include "AXOCorCSVMapReader.h"
#include "AXOCorGeomServices.h"
#include "AXOCorGlobalServices.h"
#include "AXOCorInstrumentation.h"
#include "AXOCorParserServices.h"
#include "AXOCorServices.h"
#include "AXOICorProductDocument.h"
#include "AXOITrsIfcSettingAtt.h"
#include "AXOPlatform.h"
#include "CATAdopt.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATHostPath.h"
#include "CATIAlias.h"
#include "CATICatalogDescription.h"
#include "CATIContainer.h"
#include "CATIDescendants.h"
#include "CATIIniSettingManagment.h"
#include "CATILinkableObject.h"
#include "CATIPrdObjectPublisher.h"
#include "CATIProduct.h"
#include "CATIPrtContainer.h"
#include "CATInit.h"
#include "CATListOfCATUnicodeString.h"
#include "CATString.h"
#include "CATUnicodeString.h"

namespace {

namespace fs = std::filesystem;

// A native path in the host's form: absolute, "\" between folders.
std::string HostPath(const fs::path& path) {
  return CATHostPathOfNative(path.u8string());
}

const fs::path kSample = AXO_SAMPLE_INSTALLATION;
const fs::path kWork = AXO_ROAD_WORK;
const fs::path kSampleModels = AXO_SAMPLE_MODELS;
const std::string kProfileMap = HostPath(kSample / "profilemaps" / "ifc_export_map.csv");

class Road : public ::testing::Test {
 protected:
  // The environment of the add-on's installation: the sample's startup
  // paths, settings kept in the work folder, drive C: inside it too.
  void SetUp() override {
    AXOPlatform* platform = AXOPlatform::Get();
    const std::string startup =
        HostPath(kSample / "startup" / "main") + ";" + HostPath(kSample / "startup" / "site");
    ASSERT_TRUE(platform->SetEnv("CATStartupPath", startup.c_str()).ok());
    ASSERT_TRUE(platform->SetEnv("CATUserSettingPath", HostPath(kWork / "settings").c_str()).ok());
    ASSERT_TRUE(platform->SetEnv("CATReferenceSettingPath", nullptr).ok());
    platform->SetDriveRoot((kWork / "drives").string());
  }

  // The sample building, opened; null, with a failure recorded, when it
  // does not open. The test removes it.
  CATDocument* OpenBuilding() {
    CATDocument* building = nullptr;
    EXPECT_EQ(CATDocumentServices::OpenDocument(
                  HostPath(kSampleModels / "Building.CATProduct").c_str(), building, 1),
              S_OK);
    return building;
  }

  // The IFC settings interface from its factory.
  AXOITrsIfcSettingAtt_var Settings() {
    AXOITrsIfcSettingAtt* settings = nullptr;
    EXPECT_EQ(
        GetAXOTrsIfcSettingCtrl(IID_AXOITrsIfcSettingAtt, reinterpret_cast<void**>(&settings)),
        S_OK);
    return CATAdoptHandle<AXOITrsIfcSettingAtt>(settings);
  }
};

// A text file's lines, without line ends.
std::vector<std::string> Lines(const std::string& nativePath) {
  std::ifstream in(nativePath, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Fields(const std::string& row) {
  std::vector<std::string> fields(1);
  for (char c : row) {
    if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

TEST_F(Road, Export) {
  std::error_code error;
  fs::remove_all(kWork, error);
  fs::create_directories(kWork / "settings");
  fs::create_directories(kWork / "drives" / "c");
  AXOCorInstrumentation* instrumentation = AXOCorInstrumentation::GetInstance();
  ASSERT_NE(instrumentation, nullptr);
  instrumentation->Start("IfcExport");

  // 1 and 2: the controller, its options, the default section catalog.
  instrumentation->Start("ReadOptions");
  const AXOITrsIfcSettingAtt_var settings = Settings();
  ASSERT_TRUE(!!settings);
  CATListValCATUnicodeString steel;
  AXOCorGlobalServices::GetSteelCatalogNames(steel);
  ASSERT_GE(steel.Size(), 1);
  CATUnicodeString section;
  EXPECT_EQ(settings->GetSectionCatalogName(section), S_OK);
  EXPECT_EQ(section, steel[1]);
  EXPECT_EQ(section, "US_C");  // "American" comes before "European" in the main startup path
  int cgrLimit = 0;
  EXPECT_EQ(settings->GetCGRLimit(cgrLimit), S_OK);
  EXPECT_EQ(cgrLimit, 500);
  EXPECT_EQ(settings->SetExportMapFileName(kProfileMap.c_str()), S_OK);
  CATUnicodeString mapFile;
  EXPECT_EQ(settings->GetExportMapFileName(mapFile), S_OK);
  instrumentation->End("ReadOptions");

  // 3: the export map, and the profiles renamed for the foreign file.
  instrumentation->Start("ReadMap");
  AXOCorCSVMapReader* reader = AXOCorCSVMapReader::GetInstance();
  EXPECT_EQ(reader->ReadCatalogMap(mapFile, AXOCorCSVMapReader::TranslatorExport), S_OK);
  instrumentation->End("ReadMap");
  const struct {
    const char* own;
    const char* foreign;
    HRESULT result;
  } profiles[] = {
      {"HEB100", "HE 100 B", S_OK},      {"W10X12", "W10*12", S_OK},
      {"IPE200", "I 200 E", S_OK},       {"CHS168.3X8", "CHS168.3*8", S_OK},
      {"L4X4X1/2", "L4*4*1/2", S_OK},    {"HEB 100", "HEB 100", S_FALSE},
      {"CUSTOM-1", "CUSTOM-1", S_FALSE},
  };
  for (const auto& profile : profiles) {
    SCOPED_TRACE(profile.own);
    instrumentation->Start("RenameProfile");
    CATUnicodeString foreign;
    EXPECT_EQ(reader->GetThirdPartyProfileName(profile.own, foreign), profile.result);
    EXPECT_EQ(foreign, profile.foreign);
    instrumentation->End("RenameProfile");
  }
  AXOCorCSVMapReader::RemoveInstance();
  instrumentation->End("IfcExport");

  // 4: the report, in drive C: of the work folder.
  instrumentation->Dump();
  const std::vector<std::string> report =
      Lines(AXOPlatform::Get()->NativePath("c:\\AXOInstrumentationLog.csv"));
  ASSERT_EQ(report.size(), 5u);
  EXPECT_EQ(report[0],
            "strIDENTIFIER,HIT COUNT,TOTAL EXECUTION TIME(sec),AVERAGE EXECUTION TIME(sec),"
            "TOTAL MEMORY CONSUMED(Bytes)");
  const struct {
    const char* identifier;
    const char* hits;
  } rows[] = {{"IfcExport", "1"}, {"ReadMap", "1"}, {"ReadOptions", "1"}, {"RenameProfile", "7"}};
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(report[i + 1]);
    const std::vector<std::string> fields = Fields(report[i + 1]);
    ASSERT_EQ(fields.size(), 5u);
    EXPECT_EQ(fields[0], rows[i].identifier);
    EXPECT_EQ(fields[1], rows[i].hits);
    EXPECT_GE(std::stod(fields[2]), 0.0);
    EXPECT_GE(std::stod(fields[3]), 0.0);
  }
  AXOCorInstrumentation::DeleteInstance();

  // 5: the user changes options; the host saves the repository.
  EXPECT_EQ(settings->SetCGRLimit(750), S_OK);
  EXPECT_EQ(settings->SetExportOption("Surfacic"), S_OK);
  EXPECT_EQ(settings->SetJoinLimit(0), E_FAIL);  // refused: below 1
  CATIIniSettingManagment* returned = nullptr;
  ASSERT_EQ(
      GetAXOTrsIfcSettingCtrl(IID_CATIIniSettingManagment, reinterpret_cast<void**>(&returned)),
      S_OK);
  const CATIIniSettingManagment_var management = CATAdoptHandle<CATIIniSettingManagment>(returned);
  EXPECT_EQ(management->SaveRepository(), S_OK);
  EXPECT_TRUE(fs::is_regular_file(kWork / "settings" / "AXOIfcExport.axosettings"));
  EXPECT_FALSE(fs::exists(kWork / "settings" / "AXODxfUnitTypeElt.axosettings"));
}

// Run as a second process after Road.Export.
TEST_F(Road, ReadBack) {
  ASSERT_TRUE(fs::is_regular_file(kWork / "settings" / "AXOIfcExport.axosettings"))
      << "run Road.Export first";
  const AXOITrsIfcSettingAtt_var settings = Settings();
  ASSERT_TRUE(!!settings);
  int cgrLimit = 0, joinLimit = 0;
  EXPECT_EQ(settings->GetCGRLimit(cgrLimit), S_OK);
  EXPECT_EQ(cgrLimit, 750);
  EXPECT_EQ(settings->GetJoinLimit(joinLimit), S_OK);
  EXPECT_EQ(joinLimit, 50);
  CATString option;
  EXPECT_EQ(settings->GetExportOption(option), S_OK);
  EXPECT_STREQ(option.CastToCharPtr(), "Surfacic");
  CATUnicodeString text;
  EXPECT_EQ(settings->GetSectionCatalogName(text), S_OK);
  EXPECT_EQ(text, "US_C");  // stored by the fallback of the first run, then saved
  EXPECT_EQ(settings->GetExportMapFileName(text), S_OK);
  EXPECT_EQ(text, kProfileMap.c_str());
}

std::string NameOf(const CATBaseUnknown_var& object) {
  const CATIAlias_var alias(object);
  return !alias ? "" : alias->GetAlias().ConvertToChar();
}

TEST_F(Road, Building) {
  CATDocument* building = OpenBuilding();
  ASSERT_NE(building, nullptr);
  const AXOICorProductDocument_var document(building);
  ASSERT_TRUE(!!document);
  const CATISpecObject_var root = document->GetRootObject();

  // The instances of the room, and below the first the room's part.
  CATListValCATISpecObject_var instances;
  GetDirectChildrenSpecObj(root, instances);
  ASSERT_EQ(instances.Size(), 2);
  EXPECT_EQ(NameOf(instances[1]) + "," + NameOf(instances[2]), "Room.1,Room.2");
  CATUnicodeString partPath;
  EXPECT_EQ(AXOCorParserServices::GetPartPath(CATIProduct_var(instances[1]), partPath), S_OK);
  EXPECT_EQ(partPath, HostPath(kSampleModels / "Room.CATPart").c_str());
  CATListValCATISpecObject_var parts;
  GetDirectChildrenSpecObj(instances[1], parts);
  ASSERT_EQ(parts.Size(), 1);
  const CATISpecObject_var part = parts[1];
  EXPECT_EQ(NameOf(part), "Room");

  // The part's dump, to a file.
  fs::create_directories(kWork / "model");
  const CATUnicodeString dumpFile = HostPath(kWork / "model" / "Room.txt").c_str();
  AXOCorGlobalServices::PrintAllLinks(part, &dumpFile);
  const std::vector<std::string> dump = Lines((kWork / "model" / "Room.txt").string());
  ASSERT_EQ(dump.size(), 12u);
  EXPECT_EQ(dump[0], "------------------ content  ---------------------");
  EXPECT_EQ(dump[1], "name: Room type: Part Supertype: MechanicalFeature");
  EXPECT_EQ(dump[6], "    Name: Layers Type: tk_list(tk_string) Quality: sp_NEUTRAL");
  EXPECT_EQ(dump[11], "----------------- end content  -----------------");

  // A feature path from the part, picked as the active element; its wall
  // lies in the part, has a time stamp and a free name for its next sibling.
  AXOAttPackageBaseServices::SetActiveUIElement(part);
  CATISpecObject_var wall;
  EXPECT_TRUE(AXOCorParserServices::GetFeatureFromPathElement("Room\\Level 1\\Wall.1", wall));
  EXPECT_EQ(NameOf(wall), "Wall.1");
  EXPECT_TRUE(AXOCorGlobalServices::IsSamePart(part, wall));
  const CATTime stamp = AXOCorGeomServices::GetTimeStamp(wall);
  EXPECT_EQ(stamp, CATTime(2023, 11, 14, 22, 16, 40));  // 1700000200 s
  CATISpecObject_var level;
  EXPECT_TRUE(AXOCorParserServices::GetFeatureFromPathElement("Room\\Level 1", level));
  CATUnicodeString unique;
  EXPECT_FALSE(
      AXOCorParserServices::GetUniqueArcFeatureName(level, CATISpecObject_var(), "Wall.1", unique));
  EXPECT_EQ(unique, "Wall.3");
  AXOAttPackageBaseServices::SetActiveUIElement(CATISpecObject_var());

  CATDocument* room = nullptr;
  const CATILinkableObject_var linkable(part);
  if (!!linkable) room = linkable->GetDocument();
  EXPECT_EQ(CATDocumentServices::Remove(building), S_OK);
  ASSERT_NE(room, nullptr);
  EXPECT_EQ(CATDocumentServices::Remove(room), S_OK);
}

// ---- Publication, update and save of a part -----------------------------------

const fs::path kParts = AXO_ROAD_PARTS;

// The first container of `document` that offers `interfaceName`, as I.
template <class I>
CATHandle<I> RootContainer(CATDocument* document, const char* interfaceName) {
  const CATInit_var init(document);
  return CATAdoptHandle<I>(!init ? nullptr : init->GetRootContainer(interfaceName));
}

CATIPrtPart_var PartOf(CATDocument* document) {
  const CATIPrtContainer_var container =
      RootContainer<CATIPrtContainer>(document, "CATIPrtContainer");
  return !container ? CATIPrtPart_var() : CATIPrtPart_var(container->GetPart());
}

// The direct child of `parent` named `name`.
CATISpecObject_var Child(const CATISpecObject_var& parent, const char* name) {
  CATListValCATISpecObject_var children;
  const CATIDescendants_var descendants(parent);
  if (!!descendants) descendants->GetDirectChildren("CATISpecObject", children);
  for (int i = 1; i <= children.Size(); ++i) {
    if (CATIAlias_var(children[i])->GetAlias() == name) return children[i];
  }
  return CATISpecObject_var();
}

// The building opens with its room; a wall of the room is published under a
// free name, and the room's part is updated and saved under the part number
// of its instance.
TEST_F(Road, PublishAndSavePart) {
  std::error_code error;
  fs::remove_all(kParts, error);
  fs::create_directories(kParts);
  CATDocument* building = OpenBuilding();
  ASSERT_NE(building, nullptr);
  {
    CATListValCATBaseUnknown_var products;
    RootContainer<CATIContainer>(building, "CATIContainer")
        ->ListMembersHere("CATIProduct", products);
    ASSERT_EQ(products.Size(), 1);
    CATIProduct_var root = products[1];
    const std::unique_ptr<CATListValCATBaseUnknown_var> instances(root->GetChildren());
    ASSERT_NE(instances, nullptr);
    const CATILinkableObject_var reference =
        CATIProduct_var((*instances)[1])->GetReferenceProduct();
    ASSERT_TRUE(!!reference);
    CATIPrtPart_var part = PartOf(reference->GetDocument());
    const CATISpecObject_var wall = Child(Child(part, "Level 1"), "Wall.1");
    ASSERT_TRUE(!!wall);

    EXPECT_EQ(AXOCorGlobalServices::IsPublished(wall, "Front"), S_OK);
    EXPECT_EQ(AXOCorGlobalServices::Publish(wall, "Front"), S_OK);
    EXPECT_EQ(AXOCorGlobalServices::IsPublished(wall, "Front"), E_FAIL);
    EXPECT_EQ(AXOCorGlobalServices::Publish(wall, "Front"), E_FAIL);

    CATUnicodeString folder = (HostPath(kParts) + "\\").c_str();
    EXPECT_EQ(AXOCorGlobalServices::UpdateAndSavePart(folder, part, root, true), S_OK);
  }
  EXPECT_TRUE(fs::is_regular_file(kParts / "Room.CATPart"));
  EXPECT_EQ(CATDocumentServices::Remove(building), S_OK);
}

// Run as a second process after Road.PublishAndSavePart.
TEST_F(Road, ReadSavedPart) {
  CATDocument* room = nullptr;
  ASSERT_EQ(CATDocumentServices::OpenDocument(HostPath(kParts / "Room.CATPart").c_str(), room, 1),
            S_OK)
      << "run Road.PublishAndSavePart first";
  const CATIPrtPart_var part = PartOf(room);
  ASSERT_TRUE(!!part);
  const CATIPrdObjectPublisher_var publisher(part->GetProduct());
  ASSERT_TRUE(!!publisher);
  CATBaseUnknown_var published;
  EXPECT_EQ(publisher->GetPublication("Front", published), S_OK);
  EXPECT_EQ(CATIAlias_var(published)->GetAlias(), "Wall.1");
  EXPECT_EQ(publisher->GetPublication("Entrance", published), S_OK);
  EXPECT_EQ(CATIAlias_var(published)->GetAlias(), "Door.1");
}

// The section that a translator looks up by its name in a catalog document.
TEST_F(Road, CatalogEntry) {
  const std::string path = HostPath(kSampleModels / "Sections.catalog");
  CATDocument* catalog = nullptr;
  ASSERT_EQ(CATDocumentServices::OpenDocument(path.c_str(), catalog, 1), S_OK);
  {
    CATICatalogDescription_var entry;
    ASSERT_EQ(AXOCorGlobalServices::FindDescriptionInCatalog(catalog, "SHS 120x120x6", entry),
              S_OK);
    CATUnicodeString wall;
    EXPECT_EQ(entry->GetValue("Wall", wall), S_OK);
    EXPECT_EQ(wall, "6mm");
    EXPECT_EQ(AXOCorGlobalServices::FindDescriptionInCatalog(catalog, "SHS 999", entry), E_FAIL);
    EXPECT_TRUE(!entry);
  }
  EXPECT_EQ(CATDocumentServices::Remove(catalog), S_OK);
}

// The sample building: two rooms of 5000 x 4000 x 2700, the second turned
// half a turn and moved so that the two stand side by side.
TEST_F(Road, BuildingBox) {
  CATDocument* building = OpenBuilding();
  ASSERT_NE(building, nullptr);
  const AXOICorProductDocument_var document(building);
  ASSERT_TRUE(!!document);
  CATMathBox box;
  EXPECT_EQ(AXOCorGeomServices::GetBoundingBox(document->GetRootObject(), box), S_OK);
  double limits[6] = {};
  EXPECT_EQ(box.GetLimits(limits[0], limits[1], limits[2], limits[3], limits[4], limits[5]), S_OK);
  const double expected[6] = {0, 10000, 0, 4000, 0, 2700};
  for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(limits[i], expected[i]) << "limit " << i;

  CATDocument* room = nullptr;
  EXPECT_EQ(
      CATDocumentServices::OpenDocument(HostPath(kSampleModels / "Room.CATPart").c_str(), room, 0),
      S_OK)
      << "opened with the building";
  EXPECT_EQ(CATDocumentServices::Remove(building), S_OK);
  EXPECT_EQ(CATDocumentServices::Remove(room), S_OK);
}

}  // namespace
