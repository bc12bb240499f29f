// The registry of settings repositories and the loading of their state.
#include <cctype>
#include <map>
#include <memory>

#include "CATSettingFiles.h"
#include "CATSettingState.h"

namespace {

// A repository name becomes a file name: keep it to a safe alphabet so that
// it can neither leave the settings folder nor clash with a reserved name.
bool IsPlainFileName(const char* name) {
  if (name == nullptr || *name == '\0' || *name == '.') return false;
  std::size_t length = 0;
  for (const char* c = name; *c != '\0'; ++c, ++length) {
    const unsigned char u = static_cast<unsigned char>(*c);
    if (!std::isalnum(u) && u != '_' && u != '-' && u != '.') return false;
    if (length >= 200) return false;
  }
  return true;
}

// Repositories live for the whole process (callers keep plain pointers to
// them), so the registry is never destroyed.
std::map<std::string, CATSettingRepository*>& Repositories() {
  static auto* repositories = new std::map<std::string, CATSettingRepository*>();
  return *repositories;
}

std::set<std::string>& UnavailableNames() {
  static auto* names = new std::set<std::string>();
  return *names;
}

}  // namespace

CATSettingMap& CATSettingRepository::State::Current() {
  if (!loaded_) Load();
  return current_;
}

CATSettingMap& CATSettingRepository::State::Reference() {
  if (!loaded_) Load();
  return reference_;
}

void CATSettingRepository::State::Load() {
  // A file that cannot be read loads as an empty repository; the save that
  // replaces it sets it aside first.
  CATReadSettingFile(CATUserSettingFile(name_), current_);
  reference_ = current_;
  loaded_ = true;
}

void CATSettingRepository::State::Forget() {
  loaded_ = false;
  current_.clear();
  reference_.clear();
  strict_reads = false;
  refused_reads.clear();
  refused_writes.clear();
  overstated_reads.clear();
  refused_commits = false;
}

bool CATSettingRegistry::IsRepositoryName(const char* name) {
  return IsPlainFileName(name);
}

CATSettingRepository* CATSettingRegistry::FindOrCreate(const char* name) {
  if (!IsPlainFileName(name)) return nullptr;
  CATSettingRepository*& slot = Repositories()[name];
  if (slot == nullptr) {
    auto state = std::make_unique<CATSettingRepository::State>(name);
    slot = new CATSettingRepository(state.release());
  }
  return slot;
}

bool CATSettingRegistry::IsUnavailable(const std::string& name) {
  return UnavailableNames().count(name) != 0;
}

void CATSettingRegistry::SetUnavailable(const std::string& name, bool unavailable) {
  if (unavailable) {
    UnavailableNames().insert(name);
  } else {
    UnavailableNames().erase(name);
  }
}

void CATSettingRegistry::ResetAll() {
  UnavailableNames().clear();
  for (auto& entry : Repositories()) entry.second->state_->Forget();
}
