// The settings file format, and repository files read and saved through
// the host's settings repositories. The input is a repository file.
//   - A text that is read saves as a text that reads back to the same
//     settings and saves the same again; a text that is not read gives no
//     settings.
//   - A repository loaded from the input and saved writes exactly the text
//     of the settings read; an input that cannot be read is not lost: the
//     save sets it aside byte for byte.
#include <filesystem>
#include <string>

#include "AXOFuzzSupport.h"
#include "CATSettingFormat.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"

namespace {

const char kName[] = "Fuzzed";

void CheckFormat(const std::string& text, CATSettingMap& settings, bool& read) {
  read = CATParseSettings(text, settings);
  if (!read) AXO_FUZZ_CHECK(settings.empty());
  const std::string saved = CATFormatSettings(settings);
  CATSettingMap again;
  AXO_FUZZ_CHECK(CATParseSettings(saved, again));
  AXO_FUZZ_CHECK(again == settings);
  AXO_FUZZ_CHECK(CATFormatSettings(again) == saved);
}

void CheckRepository(const std::string& text, const CATSettingMap& settings, bool read) {
  AXOFuzzFolder& folder = AXOFuzzFolder::Get();
  static const bool prepared = [&folder] {
    AXOPlatform* platform = AXOPlatform::Get();
    platform->SetEnv("CATReferenceSettingPath", nullptr);
    return platform->SetEnv("CATUserSettingPath", folder.Native("").u8string().c_str()).ok();
  }();
  AXO_FUZZ_CHECK(prepared);
  const std::string file = std::string(kName) + ".axosettings";
  folder.Write(file, text);
  CATSettingRepositoryTesting::ResetAll();
  CATSettingRepository* repository = CATSettingRepository::GetRepository(kName, 0, 1, nullptr);
  AXO_FUZZ_CHECK(repository != nullptr);
  CATListValCATUnicodeString unreadable;
  const bool set_aside = CATSettingRepository::ListUnreadableFiles(kName, unreadable) > 0;
  AXO_FUZZ_CHECK(set_aside == !(read || text.empty()));
  AXO_FUZZ_CHECK(repository->SaveRepository() == S_OK);
  AXO_FUZZ_CHECK(folder.Read(file) == CATFormatSettings(read ? settings : CATSettingMap()));
  if (set_aside) {
    AXO_FUZZ_CHECK(folder.Read(file + ".unreadable") == text);
    std::filesystem::remove(folder.Native(file + ".unreadable"));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = AXOFuzzBytes(data, size);
  CATSettingMap settings;
  bool read = false;
  CheckFormat(text, settings, read);
  CheckRepository(text, settings, read);
  return 0;
}
