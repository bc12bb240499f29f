#include "CATSettingRepositoryTesting.h"

#include "CATSettingState.h"

namespace {

// The state of the repository `name`, made if needed; null for a name that
// no repository can have.
CATSettingRepository::State* StateOf(const char* name) {
  CATSettingRepository* repository = CATSettingRegistry::FindOrCreate(name);
  return repository != nullptr ? &CATSettingRegistry::StateOf(*repository) : nullptr;
}

void SetMember(std::set<std::string>& keys, const char* key, bool member) {
  if (key == nullptr) return;
  if (member) {
    keys.insert(key);
  } else {
    keys.erase(key);
  }
}

}  // namespace

void CATSettingRepositoryTesting::SetStrictReads(const char* name, bool strict) {
  if (CATSettingRepository::State* state = StateOf(name)) state->strict_reads = strict;
}

void CATSettingRepositoryTesting::SetUnavailable(const char* name, bool unavailable) {
  if (name != nullptr) CATSettingRegistry::SetUnavailable(name, unavailable);
}

void CATSettingRepositoryTesting::RefuseReads(const char* name, const char* key, bool refuse) {
  if (CATSettingRepository::State* state = StateOf(name)) {
    SetMember(state->refused_reads, key, refuse);
  }
}

void CATSettingRepositoryTesting::RefuseWrites(const char* name, const char* key, bool refuse) {
  if (CATSettingRepository::State* state = StateOf(name)) {
    SetMember(state->refused_writes, key, refuse);
  }
}

void CATSettingRepositoryTesting::OverstateReads(const char* name, const char* key,
                                                 bool overstate) {
  if (CATSettingRepository::State* state = StateOf(name)) {
    SetMember(state->overstated_reads, key, overstate);
  }
}

void CATSettingRepositoryTesting::RefuseCommits(const char* name, bool refuse) {
  if (CATSettingRepository::State* state = StateOf(name)) state->refused_commits = refuse;
}

void CATSettingRepositoryTesting::ResetAll() {
  CATSettingRegistry::ResetAll();
}
