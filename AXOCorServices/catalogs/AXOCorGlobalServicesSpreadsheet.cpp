// The default extension of spreadsheet files, from the spreadsheet
// application registered on the machine.
#include <cstring>
#include <string>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "catalogs/AXOCorBracedGuid.h"

namespace {

// The class registered for `progId`, written as braced text to `text` (a
// buffer of kAXOBracedGuidBufferLength characters). False when there is
// none; `text` then holds the text of the null class.
bool ClassTextOf(const std::string& progId, char* text) {
  AXOGuidFields fields;
  const bool found = AXOPlatform::Get()->ClassIdFromProgId(progId, fields).ok();
  GUID classId = {};
  if (found) {
    classId.Data1 = fields.data1;
    classId.Data2 = fields.data2;
    classId.Data3 = fields.data3;
    std::memcpy(classId.Data4, fields.data4, sizeof classId.Data4);
  }
  AXOFormatBracedGuid(&classId, text, kAXOBracedGuidBufferLength);
  return found;
}

}  // namespace

// Every missing registration leaves `extension` as the caller set it, so the
// caller presets its fallback.
HRESULT AXOCorGlobalServices::GetDefaultExcelExtention(CATUnicodeString& extension,
                                                       CATUnicodeString templateKind) {
  // Compare is non-zero for the same text in any letter case.
  if (templateKind.Compare("xlt") != 0) {
    extension = ".xls";
    return S_OK;
  }
  AXOPlatform* platform = AXOPlatform::Get();
  // The class texts are kept for the life of the process.
  static char sheetClassText[kAXOBracedGuidBufferLength];
  static char currentClassText[kAXOBracedGuidBufferLength];

  const bool sheetRegistered = ClassTextOf("Excel.Sheet", sheetClassText);
  const char* classText = sheetClassText;
  std::string currentVersion;
  const AXOStatus current =
      platform->ReadClassesRootDefaultValue("Excel.Sheet\\CurVer", currentVersion);
  if (current.code() == AXOStatusCode::kNotFound) return S_OK;
  // A key without a default text: the class of "Excel.Sheet" itself. One
  // with it names a current version with a class of its own; without that
  // class there is no extension to read.
  if (current.ok()) {
    if (!ClassTextOf(currentVersion, currentClassText)) return S_OK;
    classText = currentClassText;
  }
  if (!sheetRegistered) return S_OK;

  std::string defaultExtensions;
  if (!platform
           ->ReadClassesRootDefaultValue(std::string("CLSID\\") + classText + "\\DefaultExtension",
                                         defaultExtensions)
           .ok()) {
    return S_OK;
  }
  // ".xlsx" anywhere, in this letter case, marks the newer workbook formats.
  if (CATUnicodeString(defaultExtensions.c_str()).SearchSubString(".xlsx") >= 0) {
    extension = templateKind.Compare("xltm") != 0 ? ".xlsm" : ".xlsx";
  } else {
    extension = ".xls";
  }
  return S_OK;
}
