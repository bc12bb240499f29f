#ifndef InstrumentationTestSupport_h
#define InstrumentationTestSupport_h

// Test support for the instrumentation registry: a platform with a settable
// clock, memory status and report location, and a fixture that installs it
// around each test and starts every test from an empty registry.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "AXOCorInstrumentation.h"
#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"

class InstrumentationTestPlatform : public AXOPlatformWrapper {
 public:
  InstrumentationTestPlatform() : AXOPlatformWrapper(AXOPlatform::Get()) {}

  std::int64_t ElapsedMilliseconds() override { return clock_ms; }
  // Each query moves the clock on by `memory_query_ms`.
  AXOStatus QueryMemoryStatus(AXOMemoryStatus& status) override {
    clock_ms += memory_query_ms;
    status.totalVirtual = total_virtual;
    status.availVirtual = avail_virtual;
    return AXOStatus();
  }
  // Every host path lands on `native_report_path`; the path asked for is
  // remembered.
  std::string NativePath(const std::string& hostPath) override {
    requested_path = hostPath;
    return native_report_path;
  }

  // Used virtual memory of `kib` units of 1024 bytes.
  void SetUsedKiB(std::uint64_t kib) {
    total_virtual = kib * 1024 + 4096 * 1024;
    avail_virtual = 4096 * 1024;
  }

  std::int64_t clock_ms = 0;
  std::int64_t memory_query_ms = 0;
  std::uint64_t total_virtual = 0;
  std::uint64_t avail_virtual = 0;
  std::string native_report_path;
  std::string requested_path;
};

class InstrumentationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AXOCorInstrumentation::DeleteInstance();
    AXOPlatform::SetForTesting(&platform_);
    platform_.native_report_path = folder_.Native("report.csv").string();
  }
  void TearDown() override {
    AXOPlatform::SetForTesting(nullptr);
    AXOCorInstrumentation::DeleteInstance();
  }

  AXOCorInstrumentationData* Record(const char* identifier) {
    CATUnicodeString id(identifier);
    return AXOCorInstrumentation::GetInstance()->GetInstrumentationData(id, false);
  }

  InstrumentationTestPlatform platform_;
  AXOTestTempFolder folder_;
};

#endif  // InstrumentationTestSupport_h
