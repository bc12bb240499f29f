#ifndef AXO_LIMITED_READ_H
#define AXO_LIMITED_READ_H

// The reading of a regular file within AXOReadLimits, shared by the
// backends so that both read alike; each gives the system's read call.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "AXOPlatform.h"

// Reads at most `size` bytes into `buffer`, from where the file stands:
// `got` is the number read, 0 at its end. Called only with `size` > 0.
using AXOReadBytes = std::function<AXOStatus(char* buffer, std::size_t size, std::size_t& got)>;

// Reads a regular file of `knownSize` bytes (as its status told it just
// before) through `read` until its end, into `bytes`:
//   - a file larger than `limits.maxBytes` is refused with kTooLarge
//     ("larger than 64 KiB"), at once when `knownSize` tells it, else (the
//     file grew) after reading at most `limits.maxBytes` + 1 bytes;
//   - with `limits.stopAtNul` the reading ends with the first NUL byte,
//     which is the last byte given; the file is read in chunks then, so
//     that little more than what comes before the NUL is read;
//   - with `limits.prefixOnly` a larger file is not refused: the reading
//     ends after its first `limits.maxBytes` bytes;
//   - a failure of `read` is the result.
// On a failure `bytes` is empty. `subject` names the file in a failure.
AXOStatus AXOReadWithinLimits(std::uint64_t knownSize, const AXOReadLimits& limits,
                              const std::string& subject, const AXOReadBytes& read,
                              std::string& bytes);

#endif  // AXO_LIMITED_READ_H
