#ifndef AXO_WINDOWS_TESTING_H
#define AXO_WINDOWS_TESTING_H

// The platform's testing services on Windows, defined across the files of
// this folder.

#include "AXOPlatformTesting.h"

class WindowsTesting : public AXOPlatformTesting {
 public:
  AXOStatus StartProcess(const std::vector<std::string>& arguments, std::int64_t& process) override;
  AXOStatus StartProcessWithOutputFile(const std::vector<std::string>& arguments,
                                       const std::string& outputPath,
                                       std::int64_t& process) override;
  AXOStatus WaitForProcess(std::int64_t process, int& exitCode) override;
  AXOStatus KillProcess(std::int64_t process) override;
  AXOStatus WriteClassesRootKey(const std::string& subKey, const char* defaultValue) override;
  AXOStatus DeleteClassesRootTree(const std::string& subKey) override;
};

#endif  // AXO_WINDOWS_TESTING_H
