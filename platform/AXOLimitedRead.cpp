#include "AXOLimitedRead.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "AXOFileSizes.h"

namespace {

// Large enough that reading a file costs few system calls.
constexpr std::size_t kChunkBytes = 64 * 1024;
// Enough to tell whether a file goes on past the size its status gave.
constexpr std::size_t kProbeBytes = 512;

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
  // ends the reading) into room of that size. Whether more follows (a file
  // that grew while it was read, or one whose status tells no size) is
  // asked with a small read into the stack, so that a file that ends where
  // its status said, the common case, costs no room beyond its bytes;
  // only bytes beyond it are read in chunks.
  bytes.reserve(std::min(most, size));
  std::size_t filled = 0;
  bool asked_for_more = false;
  for (;;) {
    if (limits.prefixOnly && filled == limits.maxBytes) break;
    if (filled > limits.maxBytes) {
      bytes.clear();
      return AXOFileTooLarge(subject, limits.maxBytes);
    }
    const std::size_t room = most - filled;
    std::size_t got = 0;
    AXOStatus status;
    if (filled >= size && !asked_for_more) {
      asked_for_more = true;
      char more[kProbeBytes];
      status = read(more, std::min(sizeof more, room), got);
      if (status.ok()) bytes.append(more, got);
    } else {
      const std::size_t known = size - std::min(filled, size);
      const std::size_t want = known == 0         ? kChunkBytes
                               : limits.stopAtNul ? std::min(known, kChunkBytes)
                                                  : known;
      bytes.resize(filled + std::min(want, room));
      status = read(&bytes[filled], bytes.size() - filled, got);
      if (status.ok()) bytes.resize(filled + got);
    }
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
  return AXOStatus();
}
