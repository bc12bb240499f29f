#include "translatorsettings/AXOTrsSettingRepository.h"

CATSettingRepository* AXOTrsSettingRepository::Open(const char* name) {
  return CATSettingRepository::GetRepository(name, 0, 1, nullptr);
}

bool AXOTrsSettingRepository::ReadLong(CATSettingRepository* repository, const char* key,
                                       int& value) {
  if (repository == nullptr) return false;
  long scratch = value;
  if (repository->ReadSetting(key, &scratch, 1) != 1) return false;
  value = static_cast<int>(scratch);
  return true;
}

bool AXOTrsSettingRepository::ReadInteger(CATSettingRepository* repository, const char* key,
                                          int& value) {
  return repository != nullptr && repository->ReadSetting(key, &value, 1) > 0;
}

bool AXOTrsSettingRepository::ReadString(CATSettingRepository* repository, const char* key,
                                         CATString& value) {
  return repository != nullptr && repository->ReadSetting(key, &value) > 0 &&
         value.GetLengthInChar() > 0;
}

bool AXOTrsSettingRepository::ReadUnicode(CATSettingRepository* repository, const char* key,
                                          CATUnicodeString& value, TextCount count) {
  if (repository == nullptr) return false;
  const int read = repository->ReadSetting(key, &value);
  return count == TextCount::kExactlyOne ? read == 1 : read >= 1;
}

bool AXOTrsSettingRepository::WriteLong(CATSettingRepository* repository, const char* key,
                                        int value) {
  const long stored = value;
  return repository != nullptr && repository->WriteSetting(key, &stored, 1, 0) == 1;
}

bool AXOTrsSettingRepository::WriteInteger(CATSettingRepository* repository, const char* key,
                                           int value) {
  return repository != nullptr && repository->WriteSetting(key, &value, 1, 0) > 0;
}

bool AXOTrsSettingRepository::WriteString(CATSettingRepository* repository, const char* key,
                                          const CATString& value) {
  return repository != nullptr && repository->WriteSetting(key, &value, 0) == 1;
}

bool AXOTrsSettingRepository::WriteUnicode(CATSettingRepository* repository, const char* key,
                                           const CATUnicodeString& value, TextCount count) {
  if (repository == nullptr) return false;
  const int written = repository->WriteSetting(key, &value, 0);
  return count == TextCount::kExactlyOne ? written == 1 : written >= 1;
}

bool AXOTrsSettingRepository::ReadInteger(CATSettingRepository* repository,
                                          const axo_settings::Setting& setting, int& value) {
  value = setting.defaultNumber;
  return ReadInteger(repository, setting.key, value);
}

int AXOTrsSettingRepository::ReadBound(CATSettingRepository* repository,
                                       const axo_settings::Translator& translator,
                                       const axo_settings::Setting& setting) {
  if (setting.above == nullptr) return 0;
  int bound = 0;
  ReadInteger(repository, axo_settings::SettingOf(translator, setting.above), bound);
  return bound;
}

bool AXOTrsSettingRepository::WriteInteger(CATSettingRepository* repository,
                                           const axo_settings::Translator& translator,
                                           const axo_settings::Setting& setting, int value) {
  if (repository == nullptr) return false;
  const int bound = ReadBound(repository, translator, setting);
  return axo_settings::SetterAccepts(setting, value, bound) &&
         WriteInteger(repository, setting.key, value);
}

bool AXOTrsSettingRepository::GetInfo(CATSettingRepository* repository, const char* key,
                                      CATSettingInfo& info, int option) {
  return repository != nullptr && repository->GetInfo(key, &info, option) == 0;
}
