#ifndef AXO_PLATFORM_TESTING_BACKEND_H
#define AXO_PLATFORM_TESTING_BACKEND_H

// The testing services of this operating system, declared once for both:
// CMake compiles the definitions of posix/testing/ or windows/testing/.

#include <cstdint>
#include <string>

#include "AXOPlatformTesting.h"

class AXOPlatformTestingBackend : public AXOPlatformTesting {
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

// The status of a call that names a process that is not a child waited
// for (never started here, or waited for already).
AXOStatus AXOUnknownChild(std::int64_t process);

#endif  // AXO_PLATFORM_TESTING_BACKEND_H
