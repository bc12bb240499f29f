// Counter files: the numbers they hand out.
#include "model/AXOCorCounters.h"

#include "AXOPlatform.h"
#include "CATLib.h"
#include "foundations/AXOCorHostText.h"
#include "foundations/AXOCorNativeFiles.h"
#include "model/AXOCorCounterText.h"

namespace axo_counters {

namespace {

// A step up to the parent folder: "..", also with dots or blanks added
// (". .", "..."), which Windows drops from the end of a name.
bool IsParentStep(const std::string& step) {
  std::size_t dots = 0;
  for (char c : step) {
    if (c != '.' && c != ' ') return false;
    if (c == '.') ++dots;
  }
  return dots >= 2;
}

}  // namespace

bool IsCounterName(const std::string& name) {
  if (name.empty() || name[0] == '\\' || name[0] == '/') return false;
  // A NUL would end the name in a system call, with the rest unchecked.
  if (name.find_first_of(std::string(":\0", 2)) != std::string::npos) return false;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = name.find_first_of("\\/", begin);
    if (IsParentStep(name.substr(begin, end == std::string::npos ? end : end - begin))) {
      return false;
    }
    if (end == std::string::npos) return true;
    begin = end + 1;
  }
}

AXOStatus ReserveNumbers(const CATUnicodeString& hostPath, long count, std::int64_t& first) {
  // A negative count would move the counter back and hand out numbers twice.
  if (count < 0) {
    return AXOStatus(AXOStatusCode::kInvalidArgument, AXONativePath(hostPath),
                     "a negative count of numbers");
  }
  AXOPlatform* platform = AXOPlatform::Get();
  const std::string path = AXONativePath(hostPath);
  // Processes that reserve from the same counter take turns, and the file is
  // replaced whole, so no two callers get the same number and an
  // interrupted update leaves the counter where it was.
  const AXOStatus result = platform->UpdateFileExclusively(
      path,
      [&](const std::string& content, std::string& next) {
        const std::int64_t last = ReadCounterText(content).last;
        if (last < 0) {
          return AXOStatus(AXOStatusCode::kDamaged, path,
                           "holds a number outside 0 to " + std::to_string(kMaxCounter));
        }
        if (count > kMaxCounter - last) {
          return AXOStatus(AXOStatusCode::kTooLarge, path, "would pass its largest number");
        }
        // A read-only counter is made writable so that it can advance; a
        // writable one keeps its permissions.
        if (CATFileAccess(hostPath.ConvertToChar(), 2) != 0) platform->ChangeFileMode(path, 0600);
        first = last + 1;
        next = std::to_string(last + count);
        return AXOStatus();
      },
      AXOLockOptions());
  if (!result.ok()) first = -1;
  return result;
}

AXOStatus CheckCounterAdvances(const CATUnicodeString& hostPath, bool& madeWritable) {
  madeWritable = false;
  const std::string path = AXONativePath(hostPath);
  std::string content;
  AXOStatus status = AXOReadFile(hostPath, {AXOLockOptions().maxBytes, false}, content);
  if (!status.ok()) return status;
  if (ReadCounterText(content).last < 0) {
    return AXOStatus(AXOStatusCode::kDamaged, path,
                     "holds a number outside 0 to " + std::to_string(kMaxCounter));
  }
  if (CATFileAccess(hostPath.ConvertToChar(), 2) == 0) return AXOStatus();
  // Setting the mode the file has changes nothing, but tells whether the
  // reservation's own change of mode would be allowed.
  AXOPlatform* platform = AXOPlatform::Get();
  AXOFileStatus file;
  status = platform->GetFileStatus(path, file);
  if (status.ok()) status = platform->ChangeFileMode(path, static_cast<int>(file.permissions));
  if (!status.ok()) {
    return AXOStatus(AXOStatusCode::kPermissionDenied, path,
                     "is read-only and its mode cannot be changed");
  }
  madeWritable = true;
  return AXOStatus();
}

AXOStatus ReserveFromStartupPaths(const CATListValCATUnicodeString& startupPaths,
                                  const CATUnicodeString& name, long count, std::int64_t& first) {
  first = -1;
  const std::string text = AXOCorBytesOf(name);
  // A name that would reach outside the counter folders touches nothing.
  if (!IsCounterName(text)) {
    return AXOStatus(AXOStatusCode::kInvalidArgument, text,
                     "not a counter name: it leaves the counter folder");
  }
  AXOStatus failure(
      AXOStatusCode::kNotFound, text,
      std::string("no startup path of CATStartupPath holds ") + kCounterFolder + "\\" + text);
  // The first startup path whose counter can be advanced serves the call;
  // a counter that is there and fails says why, before those that are not.
  for (int i = 1; i <= startupPaths.Size(); ++i) {
    const CATUnicodeString path = startupPaths[i] + "\\" + kCounterFolder + "\\" + name;
    const AXOStatus status = ReserveNumbers(path, count, first);
    if (status.ok()) return status;
    if (status.code() != AXOStatusCode::kNotFound && failure.code() == AXOStatusCode::kNotFound) {
      failure = status;
    }
  }
  return failure;
}

}  // namespace axo_counters
