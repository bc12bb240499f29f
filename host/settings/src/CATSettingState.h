#ifndef CATSettingState_h
#define CATSettingState_h

// The stand-in's state behind a CATSettingRepository, and the registry of
// repositories by name. One thread only; nothing is locked.

#include <set>
#include <string>

#include "CATSettingRepository.h"
#include "CATSettingValue.h"

class CATSettingRepository::State {
 public:
  explicit State(std::string name) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }

  // The current values and the reference state, loaded from the
  // repository's file on first use.
  CATSettingMap& Current();
  CATSettingMap& Reference();

  // Back to the state of a new process: nothing loaded, no test control.
  void Forget();

  // Test controls (CATSettingRepositoryTesting).
  bool strict_reads = false;
  std::set<std::string> refused_reads;
  std::set<std::string> refused_writes;
  std::set<std::string> overstated_reads;
  bool refused_commits = false;

 private:
  void Load();

  const std::string name_;
  bool loaded_ = false;
  CATSettingMap current_;
  CATSettingMap reference_;
};

class CATSettingRegistry {
 public:
  // The repository `name`, made on first request; never destroyed. Null
  // when `name` is not a plain file name.
  static CATSettingRepository* FindOrCreate(const char* name);
  // Whether `name` is a plain file name, as every repository's name is.
  static bool IsRepositoryName(const char* name);
  static bool IsUnavailable(const std::string& name);
  static void SetUnavailable(const std::string& name, bool unavailable);
  // Forgets the contents and test controls of every repository.
  static void ResetAll();
  static CATSettingRepository::State& StateOf(CATSettingRepository& repository) {
    return *repository.state_;
  }
};

#endif  // CATSettingState_h
