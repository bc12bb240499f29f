#include "PosixStatus.h"

#include <cerrno>
#include <cstring>

AXOStatus AXOPosixStatus(int error, const std::string& subject) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return AXOStatus(AXOStatusCode::kNotFound, subject);
    case EACCES:
    case EPERM:
      return AXOStatus(AXOStatusCode::kPermissionDenied, subject);
    case ENOSPC:
    case EDQUOT:
      return AXOStatus(AXOStatusCode::kNoSpace, subject);
    case ENAMETOOLONG:
      return AXOStatus(AXOStatusCode::kNameTooLong, subject);
    case EROFS:
      return AXOStatus(AXOStatusCode::kReadOnly, subject);
    case EBUSY:
    case ETXTBSY:
      return AXOStatus(AXOStatusCode::kLocked, subject);
    case EEXIST:
    case ENOTEMPTY:
      return AXOStatus(AXOStatusCode::kExists, subject);
    case EISDIR:
      return AXOStatus(AXOStatusCode::kNotRegularFile, subject, "is a folder, not a file");
    case ELOOP:
      return AXOStatus(AXOStatusCode::kNotRegularFile, subject,
                       "is a symbolic link, which is not followed here");
    case EFBIG:
      return AXOStatus(AXOStatusCode::kTooLarge, subject);
    case EINVAL:
      return AXOStatus(AXOStatusCode::kInvalidArgument, subject);
    default:
      break;
  }
  // strerror's text, with its first letter as the other reasons have it.
  std::string reason = std::strerror(error);
  if (!reason.empty() && reason[0] >= 'A' && reason[0] <= 'Z') reason[0] += 'a' - 'A';
  return AXOStatus(AXOStatusCode::kOther, subject, reason);
}

AXOStatus AXOPosixNotRegularStatus(mode_t mode, const std::string& subject) {
  const char* reason = S_ISDIR(mode)                    ? "is a folder, not a file"
                       : S_ISFIFO(mode)                 ? "is a FIFO, not a file"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "is a device, not a file"
                       : S_ISSOCK(mode)                 ? "is a socket, not a file"
                       : S_ISLNK(mode)                  ? "is a symbolic link, not a file"
                                                        : "not a regular file";
  return AXOStatus(AXOStatusCode::kNotRegularFile, subject, reason);
}

AXOStatus AXOPosixCheckPath(const std::string& path) {
  if (path.empty()) return AXOStatus(AXOStatusCode::kInvalidArgument, path, "an empty name");
  if (path.find('\0') != std::string::npos) {
    // The name up to the NUL is the one shown; the rest would not print.
    return AXOStatus(AXOStatusCode::kInvalidArgument, path.substr(0, path.find('\0')),
                     "the name holds a NUL character");
  }
  return AXOStatus();
}
