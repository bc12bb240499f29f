// The settings file format, and repository files read and saved through
// the host's settings repositories. The input is a repository file.
//   - A text that is read saves as a text that reads back to the same
//     settings and saves the same again; a text that is not read gives no
//     settings.
//   - A repository loaded from the input and saved writes exactly the text
//     of the settings read; an input that cannot be read is not lost: the
//     save sets it aside byte for byte.
//   - Any settings the writer may be given, made of the input's bytes (keys
//     and texts of any bytes, "CATSettings end 1" among them), read back
//     equal, entry for entry.
#include <cstdint>
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

// Settings made of `text`: entries separated by 0x1E, each a type byte, a
// key up to 0x1F and a text (numbers: its bytes taken four at a time).
CATSettingMap SettingsOf(const std::string& text) {
  static const CATSettingInfo::Type kTypes[] = {
      CATSettingInfo::TypeInteger, CATSettingInfo::TypeLong, CATSettingInfo::TypeString,
      CATSettingInfo::TypeUnicode};
  CATSettingMap settings;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = text.find('\x1e', begin);
    if (end == std::string::npos) end = text.size();
    const std::string entry = text.substr(begin, end - begin);
    begin = end + 1;
    const std::size_t split = entry.find('\x1f', 1);
    if (entry.size() < 2 || split == std::string::npos || split == 1) continue;
    CATSettingValue value;
    value.type = kTypes[static_cast<unsigned char>(entry[0]) % 4];
    const std::string rest = entry.substr(split + 1);
    if (value.IsNumber()) {
      for (std::size_t i = 0; i == 0 || i < rest.size(); i += 4) {
        std::uint32_t number = 0;
        for (std::size_t j = i; j < i + 4 && j < rest.size(); ++j) {
          number = number << 8 | static_cast<unsigned char>(rest[j]);
        }
        value.numbers.push_back(static_cast<std::int32_t>(number));
      }
    } else {
      value.text = rest;
    }
    settings[entry.substr(1, split - 1)] = value;
  }
  return settings;
}

void CheckWriter(const std::string& text) {
  const CATSettingMap written = SettingsOf(text);
  CATSettingMap read;
  AXO_FUZZ_CHECK(CATParseSettings(CATFormatSettings(written), read));
  AXO_FUZZ_CHECK(read == written);
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
  CheckWriter(text);
  return 0;
}
