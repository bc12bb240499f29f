#include "CATTimeSpan.h"

namespace {
constexpr std::int64_t kSecondsPerDay = 86400;
}  // namespace

CATTimeSpan::CATTimeSpan(int days, int hours, int minutes, int seconds)
    : seconds_(std::int64_t{days} * kSecondsPerDay + std::int64_t{hours} * 3600 +
               std::int64_t{minutes} * 60 + seconds) {}

std::int64_t CATTimeSpan::GetDays() const {
  return seconds_ / kSecondsPerDay;
}

int CATTimeSpan::GetHours() const {
  return static_cast<int>(seconds_ % kSecondsPerDay / 3600);
}

int CATTimeSpan::GetMinutes() const {
  return static_cast<int>(seconds_ % 3600 / 60);
}

int CATTimeSpan::GetSeconds() const {
  return static_cast<int>(seconds_ % 60);
}
