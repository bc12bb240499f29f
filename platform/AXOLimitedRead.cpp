#include "AXOLimitedRead.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "AXOFileSizes.h"

namespace {

// Large enough that reading a file costs few system calls.
constexpr std::size_t kChunkBytes = 64 * 1024;

}  // namespace

AXOStatus AXOReadWithinLimits(std::uint64_t knownSize, const AXOReadLimits& limits,
                              const std::string& subject, const AXOReadBytes& read,
                              std::string& bytes) {
  bytes.clear();
  if (limits.prefixOnly) knownSize = std::min<std::uint64_t>(knownSize, limits.maxBytes);
  if (knownSize > limits.maxBytes) return AXOFileTooLarge(subject, limits.maxBytes);
  const std::size_t size = static_cast<std::size_t>(knownSize);
  // The most ever held: one byte over the limit tells a file too large.
  // (A limit of SIZE_MAX means none.)
  const std::size_t most =
      limits.prefixOnly || limits.maxBytes == std::numeric_limits<std::size_t>::max()
          ? limits.maxBytes
          : limits.maxBytes + 1;
  // The size known beforehand is read in one call (in chunks when a NUL
  // ends the reading), with room for one chunk more, so that a file that
  // grows while it is read is followed without moving what was read.
  const std::size_t first = limits.stopAtNul ? std::min(size, kChunkBytes) : size;
  bytes.reserve(std::min(most, first + kChunkBytes));
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (limits.prefixOnly && filled == limits.maxBytes) break;
      if (filled > limits.maxBytes) {
        bytes.clear();
        return AXOFileTooLarge(subject, limits.maxBytes);
      }
      const std::size_t want = filled < size && !limits.stopAtNul ? size - filled : kChunkBytes;
      bytes.resize(filled + std::min(want, most - filled));
    }
    std::size_t got = 0;
    AXOStatus status = read(&bytes[filled], bytes.size() - filled, got);
    if (!status.ok()) {
      bytes.clear();
      return status;
    }
    if (got == 0) break;
    const void* nul = limits.stopAtNul ? std::memchr(&bytes[filled], '\0', got) : nullptr;
    if (nul != nullptr) {
      bytes.resize(static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data()) + 1);
      return AXOStatus();
    }
    filled += got;
  }
  bytes.resize(filled);
  return AXOStatus();
}
