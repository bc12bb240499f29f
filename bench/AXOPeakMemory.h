#ifndef AXOPeakMemory_h
#define AXOPeakMemory_h

// The peak memory of an operation: the most bytes allocated with operator
// new (by the benchmark, the library and the host alike) beyond what was
// allocated when the measure was made. The benchmark program replaces the
// global operator new and delete to count them (AXOPeakMemory.cpp); the
// count is of the sizes asked for, not of what the allocator keeps around
// them.

#include <cstddef>

class AXOPeakMemory {
 public:
  AXOPeakMemory();
  // Bytes.
  double Growth() const;

 private:
  std::size_t start_;
};

#endif  // AXOPeakMemory_h
