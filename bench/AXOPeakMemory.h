#ifndef AXOPeakMemory_h
#define AXOPeakMemory_h

// The peak memory of an operation, from the process's resident set as the
// system counts it (/proc/self/status on Linux): made before the
// operation, it resets the process's high-water mark; Growth() after it
// gives how far the peak rose above what was resident at the start. Where
// the system does not offer these counts Growth() is 0.

#include <fstream>
#include <string>

class AXOPeakMemory {
 public:
  AXOPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";  // resets the high-water mark
    start_ = Field("VmRSS:");
  }

  double Growth() const {
    const double peak = Field("VmHWM:");
    return peak > start_ ? peak - start_ : 0;
  }

 private:
  // A field of /proc/self/status in bytes; 0 when it cannot be read.
  static double Field(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
      if (word != name) continue;
      double kilobytes = 0;
      status >> kilobytes;
      return kilobytes * 1024;
    }
    return 0;
  }

  double start_ = 0;
};

#endif  // AXOPeakMemory_h
