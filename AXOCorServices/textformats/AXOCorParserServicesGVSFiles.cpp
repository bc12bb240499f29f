#include "AXOCorParserServicesGVSFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>

#include "AXOCorStandardFiles.h"
#include "AXOPlatform.h"

namespace {

// Bytes read at first: most files end within them, and are then read with
// no call to measure them.
constexpr std::size_t kFirstRead = 16 * 1024;

}  // namespace

AXOGvsFileRead AXOReadGvsFile(const CATUnicodeString& path, CATUnicodeString& text,
                              std::int64_t* bytes) {
  const std::string native = AXOPlatform::Get()->NativePath(path.ConvertToChar());
  if (native.empty()) return AXOGvsFileRead::kUnreadable;
  const std::filesystem::path file = std::filesystem::u8path(native);
  // Only regular files: a directory can be opened on some systems and then
  // reads as empty or fails, and opening a pipe can block. One status call.
  std::error_code error;
  if (!std::filesystem::is_regular_file(std::filesystem::status(file, error))) {
    return AXOGvsFileRead::kUnreadable;
  }
  // A plain file buffer: a stream would set up formatting it never uses.
  std::filebuf buffer;
  if (buffer.open(file, std::ios::in | std::ios::binary) == nullptr) {
    return AXOGvsFileRead::kUnreadable;
  }
  std::unique_ptr<char[]> content(new char[kFirstRead]);
  std::size_t read = static_cast<std::size_t>(
      buffer.sgetn(content.get(), static_cast<std::streamsize>(kFirstRead)));
  if (read == kFirstRead) {
    // Longer: measure it, and read the rest in one go.
    const std::streamoff size = buffer.pubseekoff(0, std::ios::end, std::ios::in);
    if (size < 0) return AXOGvsFileRead::kUnreadable;
    if (bytes != nullptr) *bytes = size;
    if (size > kAXOGvsMaxFileBytes) return AXOGvsFileRead::kTooLarge;
    if (size < static_cast<std::streamoff>(read)) return AXOGvsFileRead::kUnreadable;
    std::unique_ptr<char[]> whole(new char[static_cast<std::size_t>(size)]);
    std::copy(content.get(), content.get() + read, whole.get());
    content = std::move(whole);
    if (buffer.pubseekoff(static_cast<std::streamoff>(read), std::ios::beg, std::ios::in) < 0) {
      return AXOGvsFileRead::kUnreadable;
    }
    read += static_cast<std::size_t>(
        buffer.sgetn(content.get() + read,
                     static_cast<std::streamsize>(size) - static_cast<std::streamsize>(read)));
    if (read != static_cast<std::size_t>(size)) return AXOGvsFileRead::kUnreadable;
  }
  if (bytes != nullptr) *bytes = static_cast<std::int64_t>(read);
  const char* end = std::find(content.get(), content.get() + read, '\0');
  text = CATUnicodeString(content.get(), static_cast<std::size_t>(end - content.get()));
  return AXOGvsFileRead::kRead;
}

bool AXOGvsContentRange(const CATUnicodeString& fileText, int& begin, int& end) {
  const CATUnicodeString node_start("<std:node");
  const int first = fileText.SearchSubString(node_start);
  if (first < 0) return false;
  begin = fileText.SearchSubString(node_start, first + 1);
  end = fileText.SearchSubString("</std:node", 0, CATUnicodeString::CATSearchModeBackward);
  return begin >= 0 && end > begin;
}

bool AXOIsGvsIncludePath(const CATUnicodeString& name) {
  return name.SearchSubString(":") >= 0 || name.SearchSubString("\\\\") >= 0;
}

CATUnicodeString AXOResolveGvsInclude(const CATUnicodeString& name) {
  if (AXOIsGvsIncludePath(name)) return name;
  CATUnicodeString path;
  AXOFindStandardFile("gvs_includes\\" + name, path);
  return path;
}
