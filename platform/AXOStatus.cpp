#include "AXOStatus.h"

#include <utility>

AXOStatus::AXOStatus(AXOStatusCode code, std::string subject, std::string reason)
    : code_(code), subject_(std::move(subject)), reason_(std::move(reason)) {}

AXOStatus::AXOStatus(AXOStatusCode code, std::string subject)
    : AXOStatus(code, std::move(subject), ReasonOf(code)) {}

std::string AXOStatus::ToString() const {
  if (ok()) return "ok";
  if (subject_.empty()) return reason_;
  return subject_ + ": " + reason_;
}

const char* AXOStatus::ReasonOf(AXOStatusCode code) {
  switch (code) {
    case AXOStatusCode::kOk:
      return "";
    case AXOStatusCode::kNotFound:
      return "no such file or folder";
    case AXOStatusCode::kNotRegularFile:
      return "not a regular file";
    case AXOStatusCode::kPermissionDenied:
      return "permission denied";
    case AXOStatusCode::kNoSpace:
      return "no space left on the device";
    case AXOStatusCode::kNameTooLong:
      return "name too long";
    case AXOStatusCode::kReadOnly:
      return "read-only file system";
    case AXOStatusCode::kLocked:
      return "locked by another process";
    case AXOStatusCode::kExists:
      return "exists already";
    case AXOStatusCode::kChanged:
      return "changed by another process since it was read";
    case AXOStatusCode::kTooLarge:
      return "too large";
    case AXOStatusCode::kDamaged:
      return "damaged";
    case AXOStatusCode::kInvalidArgument:
      return "invalid argument";
    case AXOStatusCode::kOther:
      break;
  }
  return "failed";
}
