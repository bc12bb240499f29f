#ifndef AXO_PLATFORM_BACKEND_H
#define AXO_PLATFORM_BACKEND_H

// The backend of this operating system, declared once for both: CMake
// compiles the definitions of exactly one folder, posix/ or windows/, each
// spread over its files by group of services.

#include <string>

#include "AXOPlatform.h"

class AXOPlatformBackend : public AXOPlatform {
 public:
  AXOStatus NewGuid(AXOGuidFields& guid) override;
  std::int64_t ElapsedMilliseconds() override;
  AXOStatus QueryMemoryStatus(AXOMemoryStatus& status) override;
  void DebugOutput(const std::string& utf8Text) override;
  std::string CommandLine() override;
  unsigned long ProcessId() override;
  AXOStatus ExecutablePath(std::string& path) override;
  std::string NativePath(const std::string& hostPath) override;
  void SetDriveRoot(const std::string& nativeFolder) override;
  AXOStatus CurrentFolder(std::string& folder) override;
  AXOStatus UserDataFolder(std::string& folder) override;
  std::string TemporaryFolder() override;
  AXOStatus GetFileStatus(const std::string& path, AXOFileStatus& status) override;
  AXOStatus GetFileIdentity(const std::string& path, AXOFileIdentity& identity) override;
  AXOStatus ChangeFileMode(const std::string& path, int mode) override;
  AXOStatus ListFolder(const std::string& path, std::vector<AXOFolderEntry>& entries) override;
  AXOStatus CreateFolders(const std::string& path) override;
  AXOStatus RenameFile(const std::string& from, const std::string& to) override;
  AXOStatus ReadFile(const std::string& path, const AXOReadLimits& limits,
                     AXOFileContents& contents) override;
  AXOStatus ReplaceFile(const std::string& path, const std::string& contents,
                        AXOReplace mode) override;
  AXOStatus UpdateFileExclusively(const std::string& path, const FileUpdate& update,
                                  const AXOLockOptions& options) override;
  AXOStatus ReplaceFileIfUnchanged(const std::string& path, const AXOFileIdentity& seen,
                                   const FileCheck& unchanged, const std::string& contents,
                                   AXOFileIdentity& written,
                                   const AXOLockOptions& options) override;
  AXOStatus ParseXml(const std::string& document, AXOXmlSaxHandler& handler) override;
  AXOStatus SetEnv(const char* name, const char* value) override;
  AXOStatus GetEnv(const char* name, std::string& value) override;
  AXOStatus LocalTimeFromSeconds(std::int64_t seconds, AXOCalendarTime& local) override;
  AXOStatus SecondsFromLocalTime(const AXOCalendarTime& local, std::int64_t& seconds) override;
  AXOStatus ParseUserDateTime(const std::string& utf8Text, AXOCalendarTime& fields) override;
  std::string UserDateLocale() override;
  AXOStatus ReadClassesRootDefaultValue(const std::string& subKey, std::string& value) override;
  AXOStatus ClassIdFromProgId(const std::string& progId, AXOGuidFields& classId) override;

 private:
  // ReplaceFile; on success, `written` (when not null) receives the
  // identity of the new file as it was written.
  AXOStatus Replace(const std::string& path, const std::string& contents, AXOReplace mode,
                    AXOFileIdentity* written);
  // Under the lock of UpdateFileExclusively: replaces `path`, when it can
  // be written to, as Replace does.
  AXOStatus ReplaceLocked(const std::string& path, const std::string& contents,
                          AXOFileIdentity* written);

  // The folder that stands for drive letters (POSIX); empty for the default.
  std::string drive_root_;
};

#endif  // AXO_PLATFORM_BACKEND_H
