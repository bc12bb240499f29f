#include "CATSettingRepository.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "CATFileFailure.h"
#include "CATSettingFiles.h"
#include "CATSettingInfo.h"
#include "CATSettingState.h"

namespace {

bool IsKey(const char* key) {
  return key != nullptr && *key != '\0';
}

// What a read finds under a key: the stored value, nothing stored (the
// caller's preset stands), or a refusal.
enum class Lookup { kFound, kNeverWritten, kRefused };

Lookup Find(CATSettingRepository::State& state, const char* key, const CATSettingValue*& value) {
  if (state.refused_reads.count(key) != 0) return Lookup::kRefused;
  const CATSettingMap& current = state.Current();
  const auto it = current.find(key);
  if (it == current.end()) return state.strict_reads ? Lookup::kRefused : Lookup::kNeverWritten;
  value = &it->second;
  return Lookup::kFound;
}

template <class T>
int ReadNumbers(CATSettingRepository::State& state, const char* key, T* values, int count) {
  if (!IsKey(key) || values == nullptr || count < 1) return -1;
  const CATSettingValue* value = nullptr;
  switch (Find(state, key, value)) {
    case Lookup::kRefused:
      return 0;
    case Lookup::kNeverWritten:
      return count;
    case Lookup::kFound:
      break;
  }
  if (!value->IsNumber()) return 0;
  const int copied = std::min(count, static_cast<int>(value->numbers.size()));
  std::copy(value->numbers.begin(), value->numbers.begin() + copied, values);
  return copied;
}

// The result of a text read; `text` is set to the stored text when there
// is one, and stays null for a key never written.
int ReadText(CATSettingRepository::State& state, const char* key, const std::string*& text) {
  const CATSettingValue* value = nullptr;
  switch (Find(state, key, value)) {
    case Lookup::kRefused:
      return 0;
    case Lookup::kNeverWritten:
      return 1;
    case Lookup::kFound:
      break;
  }
  if (!value->IsText()) return 0;
  text = &value->text;
  return 1;
}

// What a read that found `read` values reports (see
// CATSettingRepositoryTesting::OverstateReads).
int Reported(const CATSettingRepository::State& state, const char* key, int read) {
  return read > 0 && state.overstated_reads.count(key) != 0 ? read + 1 : read;
}

template <class T>
int WriteNumbers(CATSettingRepository::State& state, const char* key, const T* values, int count,
                 int reserved, CATSettingInfo::Type type) {
  if (!IsKey(key) || values == nullptr || count < 1 || reserved != 0) return -1;
  CATSettingValue value;
  value.type = type;
  for (int i = 0; i < count; ++i) {
    // Numbers are stored in 32 bits; a wider long (LP64 systems) must fit.
    if (values[i] < std::numeric_limits<std::int32_t>::min() ||
        values[i] > std::numeric_limits<std::int32_t>::max()) {
      return -1;
    }
    value.numbers.push_back(static_cast<std::int32_t>(values[i]));
  }
  if (state.refused_writes.count(key) != 0) return 0;
  state.Current()[key] = std::move(value);
  return count;
}

int WriteText(CATSettingRepository::State& state, const char* key, std::string text, int reserved,
              CATSettingInfo::Type type) {
  if (!IsKey(key) || reserved != 0) return -1;
  if (state.refused_writes.count(key) != 0) return 0;
  CATSettingValue value;
  value.type = type;
  value.text = std::move(text);
  state.Current()[key] = std::move(value);
  return 1;
}

}  // namespace

CATSettingRepository::CATSettingRepository(State* state) : state_(state) {}

CATSettingRepository::~CATSettingRepository() {
  delete state_;
}

CATSettingRepository* CATSettingRepository::GetRepository(const char* name, int reserved,
                                                          int accessType,
                                                          CATISysSettingController*) {
  if (reserved != 0 || accessType != 1 || name == nullptr) return nullptr;
  if (CATSettingRegistry::IsUnavailable(name)) return nullptr;
  return CATSettingRegistry::FindOrCreate(name);
}

const char* CATSettingRepository::GetName() const {
  return state_->Name().c_str();
}

int CATSettingRepository::ReadSetting(const char* key, int* values, int count) {
  return Reported(*state_, key, ReadNumbers(*state_, key, values, count));
}

int CATSettingRepository::ReadSetting(const char* key, long* values, int count) {
  return Reported(*state_, key, ReadNumbers(*state_, key, values, count));
}

int CATSettingRepository::ReadSetting(const char* key, CATString* value) {
  if (!IsKey(key) || value == nullptr) return -1;
  const std::string* text = nullptr;
  const int read = ReadText(*state_, key, text);
  if (text != nullptr) *value = CATString(text->data(), static_cast<int>(text->size()));
  return Reported(*state_, key, read);
}

int CATSettingRepository::ReadSetting(const char* key, CATUnicodeString* value) {
  if (!IsKey(key) || value == nullptr) return -1;
  const std::string* text = nullptr;
  const int read = ReadText(*state_, key, text);
  if (text != nullptr) *value = CATUnicodeString(text->data(), text->size());
  return Reported(*state_, key, read);
}

int CATSettingRepository::WriteSetting(const char* key, const int* values, int count,
                                       int reserved) {
  return WriteNumbers(*state_, key, values, count, reserved, CATSettingInfo::TypeInteger);
}

int CATSettingRepository::WriteSetting(const char* key, const long* values, int count,
                                       int reserved) {
  return WriteNumbers(*state_, key, values, count, reserved, CATSettingInfo::TypeLong);
}

int CATSettingRepository::WriteSetting(const char* key, const CATString* value, int reserved) {
  if (value == nullptr) return -1;
  return WriteText(*state_, key, std::string(value->CastToCharPtr(), value->GetLengthInChar()),
                   reserved, CATSettingInfo::TypeString);
}

int CATSettingRepository::WriteSetting(const char* key, const CATUnicodeString* value,
                                       int reserved) {
  if (value == nullptr) return -1;
  return WriteText(*state_, key, std::string(value->ConvertToChar(), value->GetLengthInByte()),
                   reserved, CATSettingInfo::TypeUnicode);
}

int CATSettingRepository::GetInfo(const char* key, CATSettingInfo* info, int option) {
  if (!IsKey(key) || info == nullptr || option != 0) return -1;
  if (state_->refused_reads.count(key) != 0) return 1;
  const CATSettingMap& current = state_->Current();
  const CATSettingMap& reference = state_->Reference();
  const auto now = current.find(key);
  const auto then = reference.find(key);
  const CATSettingValue none;
  const CATSettingValue& value = now != current.end() ? now->second : none;
  const CATSettingValue& committed = then != reference.end() ? then->second : none;
  const int count =
      value.IsNumber() ? static_cast<int>(value.numbers.size()) : (value.IsText() ? 1 : 0);
  info->Set(CATString(key), value.type, count, value != committed ? 1 : 0);
  return 0;
}

HRESULT CATSettingRepository::SaveRepository(const char* fileName) {
  const bool own_file = fileName == nullptr;
  const std::string path =
      own_file ? CATUserSettingFile(state_->Name()) : AXOPlatform::Get()->NativePath(fileName);
  CATNoteFileFailure(AXOStatus());
  if (path.empty()) return E_FAIL;
  return CATNoteFileFailure(CATSaveSettingFile(path, state_->Current(), own_file)).ok() ? S_OK
                                                                                        : E_FAIL;
}

HRESULT CATSettingRepository::Commit() {
  if (state_->refused_commits) return E_FAIL;
  state_->Reference() = state_->Current();
  return S_OK;
}

HRESULT CATSettingRepository::Rollback() {
  state_->Current() = state_->Reference();
  return S_OK;
}

HRESULT CATSettingRepository::ResetToAdminValues() {
  const std::string admin_file = CATAdminSettingFile(state_->Name());
  CATSettingMap admin_values;
  if (!admin_file.empty()) CATReadSettingFile(admin_file, admin_values);
  state_->Current() = admin_values;
  return S_OK;
}

std::string CATSettingRepository::FileOf(const char* name) {
  return CATSettingRegistry::IsRepositoryName(name) ? CATUserSettingFile(name) : std::string();
}

std::string CATSettingRepository::AdminFileOf(const char* name) {
  return CATSettingRegistry::IsRepositoryName(name) ? CATAdminSettingFile(name) : std::string();
}

int CATSettingRepository::ListUnreadableFiles(const char* name, CATListValCATUnicodeString& files) {
  if (!CATSettingRegistry::IsRepositoryName(name)) return 0;
  std::vector<std::string> found;
  CATListUnreadableSettingFiles(CATUserSettingFile(name), found);
  for (const std::string& file : found) files.Append(CATUnicodeString(file.c_str()));
  return static_cast<int>(found.size());
}
