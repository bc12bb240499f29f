#ifndef AXO_WINDOWS_PLATFORM_H
#define AXO_WINDOWS_PLATFORM_H

#include <string>

#include "AXOPlatform.h"

// The Windows backend. Its services are defined across the files of this
// folder, one file per group of services.
class WindowsPlatform : public AXOPlatform {
 public:
  bool NewGuid(AXOGuidFields& guid) override;
  std::int64_t ElapsedMilliseconds() override;
  bool QueryMemoryStatus(AXOMemoryStatus& status) override;
  void DebugOutput(const std::string& utf8Text) override;
  std::string CommandLine() override;
  int ChangeFileMode(const std::string& path, int mode) override;
  bool GetFileStatus(const std::string& path, AXOFileStatus& status) override;
  bool GetFileIdentity(const std::string& path, AXOFileIdentity& identity) override;
  bool ListFolder(const std::string& path, std::vector<std::string>& names) override;
  bool ListFolderKinds(const std::string& path, std::vector<std::string>& names,
                       std::vector<AXOFileStatus::Kind>& kinds) override;
  std::string NativePath(const std::string& hostPath) override;
  void SetDriveRoot(const std::string& nativeFolder) override;
  bool ReplaceFileAtomically(const std::string& path, const std::string& contents) override;
  AXOFileOpen OpenRegularFile(const std::string& path,
                              std::unique_ptr<AXOFileReader>& file) override;
  std::string UserDataFolder() override;
  unsigned long ProcessId() override;
  bool ParseXml(const std::string& document, AXOXmlSaxHandler& handler,
                std::string& error) override;
  bool SetEnv(const char* name, const char* value) override;
  bool GetEnv(const char* name, std::string& value) override;
  bool LocalTimeFromSeconds(std::int64_t seconds, AXOCalendarTime& local) override;
  bool SecondsFromLocalTime(const AXOCalendarTime& local, std::int64_t& seconds) override;
  bool ParseUserDateTime(const std::string& utf8Text, AXOCalendarTime& fields) override;
  std::string UserDateLocale() override;
  AXORegistryRead ReadClassesRootDefaultValue(const std::string& subKey,
                                              std::string& value) override;
  bool ClassIdFromProgId(const std::string& progId, AXOGuidFields& classId) override;
  bool WriteClassesRootKeyForTesting(const std::string& subKey, const char* defaultValue) override;
  bool DeleteClassesRootTreeForTesting(const std::string& subKey) override;
  AXOFileUpdate UpdateFileExclusively(const std::string& path, const FileUpdate& update,
                                      std::size_t maxBytes) override;
  AXOFileUpdate ReplaceFileIfUnchanged(const std::string& path, const AXOFileIdentity& seen,
                                       const FileCheck& unchanged, const std::string& contents,
                                       AXOFileIdentity& written, std::size_t maxBytes) override;
  std::string ExecutablePath() override;
  std::int64_t StartProcess(const std::vector<std::string>& arguments) override;
  std::int64_t StartProcessWithOutputFile(const std::vector<std::string>& arguments,
                                          const std::string& outputPath) override;
  int WaitForProcess(std::int64_t process) override;
  bool KillProcess(std::int64_t process) override;

 private:
  // ReplaceFileAtomically; on success, `written` (when not null) receives
  // the identity of the new file as it was written.
  bool ReplaceFile(const std::string& path, const std::string& contents, AXOFileIdentity* written);
  // Under the lock of UpdateFileExclusively: replaces `path`, when it can
  // be written to, as ReplaceFile does. kReplaced or kNotWritten.
  AXOFileUpdate ReplaceLockedFile(const std::string& path, const std::string& contents,
                                  AXOFileIdentity* written);
};

#endif  // AXO_WINDOWS_PLATFORM_H
