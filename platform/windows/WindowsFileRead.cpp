// Reading regular files, Windows backend.
#include "WindowsFileOpen.h"
#include "WindowsPlatform.h"
#include "WindowsText.h"

namespace {

class WindowsFileReader : public AXOFileReader {
 public:
  explicit WindowsFileReader(HANDLE file) : file_(file) {}
  ~WindowsFileReader() override { ::CloseHandle(file_); }

 protected:
  std::ptrdiff_t ReadBytes(char* buffer, std::size_t size) override {
    const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
    DWORD read = 0;
    if (!::ReadFile(file_, buffer, chunk, &read, nullptr)) return -1;
    return static_cast<std::ptrdiff_t>(read);
  }

 private:
  const HANDLE file_;
};

}  // namespace

HANDLE AXOWindowsOpenRegularFile(const std::wstring& path, DWORD access, AXOFileOpen& status) {
  // Without FILE_FLAG_BACKUP_SEMANTICS a directory is not opened at all.
  HANDLE file = path.empty() ? INVALID_HANDLE_VALUE
                             : ::CreateFileW(path.c_str(), access, kAXOShareAll, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = path.empty() ? ERROR_FILE_NOT_FOUND : ::GetLastError();
    const DWORD attributes =
        path.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(path.c_str());
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
      status = AXOFileOpen::kMissing;
    } else if (attributes != INVALID_FILE_ATTRIBUTES &&
               (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      status = AXOFileOpen::kNotRegular;
    } else {
      status = AXOFileOpen::kFailed;
    }
    return INVALID_HANDLE_VALUE;
  }
  // Devices ("CON", "NUL", "COM1") and pipes open like files; only a file
  // on a disk is read.
  if (::GetFileType(file) != FILE_TYPE_DISK) {
    ::CloseHandle(file);
    status = AXOFileOpen::kNotRegular;
    return INVALID_HANDLE_VALUE;
  }
  status = AXOFileOpen::kOpened;
  return file;
}

AXOFileOpen WindowsPlatform::OpenRegularFile(const std::string& path,
                                             std::unique_ptr<AXOFileReader>& file) {
  file.reset();
  AXOFileOpen status;
  // A name with a NUL byte would name the file before the NUL.
  const std::wstring wide =
      path.find('\0') == std::string::npos ? AXOWideFromUtf8(path) : std::wstring();
  const HANDLE handle = AXOWindowsOpenRegularFile(wide, GENERIC_READ, status);
  if (handle != INVALID_HANDLE_VALUE) file = std::make_unique<WindowsFileReader>(handle);
  return status;
}
