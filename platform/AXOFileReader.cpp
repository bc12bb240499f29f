// The stream buffer over a file open for reading, shared by the backends;
// each backend supplies only the reads of its own file handle.
#include <algorithm>
#include <cstring>

#include "AXOPlatform.h"

namespace {

// Large enough that reading a file costs few system calls.
constexpr std::size_t kBufferBytes = 64 * 1024;

}  // namespace

AXOFileReader::AXOFileReader() = default;

AXOFileReader::~AXOFileReader() = default;

AXOFileReader::int_type AXOFileReader::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (failed_) return traits_type::eof();
  if (buffer_.empty()) buffer_.resize(kBufferBytes);
  const std::ptrdiff_t read = ReadBytes(buffer_.data(), buffer_.size());
  if (read <= 0) {
    failed_ = read < 0;
    setg(nullptr, nullptr, nullptr);
    return traits_type::eof();
  }
  setg(buffer_.data(), buffer_.data(), buffer_.data() + read);
  return traits_type::to_int_type(*gptr());
}

// Large requests go straight to the caller's memory once the buffer is
// drained, also for what remains of them after a short read, so that reading
// a small file whole costs no buffer; small ones go through the buffer.
std::streamsize AXOFileReader::xsgetn(char_type* bytes, std::streamsize count) {
  std::streamsize done = 0;
  while (done < count) {
    const std::streamsize buffered = egptr() - gptr();
    if (buffered > 0) {
      const std::streamsize take = std::min(buffered, count - done);
      std::memcpy(bytes + done, gptr(), static_cast<std::size_t>(take));
      gbump(static_cast<int>(take));
      done += take;
      continue;
    }
    if (failed_) break;
    const std::size_t wanted = static_cast<std::size_t>(count - done);
    if (static_cast<std::size_t>(count) < kBufferBytes) {
      if (traits_type::eq_int_type(underflow(), traits_type::eof())) break;
      continue;
    }
    const std::ptrdiff_t read = ReadBytes(bytes + done, wanted);
    if (read <= 0) {
      failed_ = read < 0;
      break;
    }
    done += read;
  }
  return done;
}
