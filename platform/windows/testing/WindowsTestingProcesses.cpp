// Child processes for tests, Windows.
#include "../WindowsSystem.h"

#include <map>
#include <mutex>

#include "../WindowsStatus.h"
#include "../WindowsText.h"
#include "AXOPlatformTestingBackend.h"

namespace {

// ERROR_ELEVATION_REQUIRED, which mingw-w64's headers lack: the program
// asks for administrator rights, which another try does not bring.
constexpr DWORD kErrorElevationRequired = 740;

// Handles of the processes started and not yet waited for, by process id;
// the handle keeps the id from being reused until it is closed.
struct Children {
  std::mutex mutex;
  std::map<std::int64_t, HANDLE> handles;
};

Children& StartedChildren() {
  static auto* const children = new Children();
  return *children;
}

// Quotes an argument so that the C runtime's reading of the command line
// gives it back unchanged: backslashes count only before a quote.
std::wstring Quote(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring quoted = L"\"";
  for (auto c = argument.begin();; ++c) {
    std::size_t backslashes = 0;
    for (; c != argument.end() && *c == L'\\'; ++c) ++backslashes;
    if (c == argument.end()) {
      quoted.append(backslashes * 2, L'\\');
      break;
    }
    quoted.append(*c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    quoted.push_back(*c);
  }
  quoted.push_back(L'"');
  return quoted;
}

// True for the errors of CreateProcessW that another try would meet again.
bool IsLastingStartFault(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_ACCESS_DENIED:
    case ERROR_INVALID_PARAMETER:
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_DIRECTORY:
    case kErrorElevationRequired:
      return true;
    default:
      return false;
  }
}

// Starts `arguments`; with `output` not null, the child's standard output is
// that inheritable handle and its other standard handles are this process's.
AXOStatus Create(const std::vector<std::string>& arguments, HANDLE output, std::int64_t& process) {
  if (arguments.empty() || arguments[0].empty()) {
    return AXOStatus(AXOStatusCode::kInvalidArgument, "", "no program to start");
  }
  const std::wstring program = AXOWideFromUtf8(arguments[0]);
  std::wstring command_line;
  for (const std::string& argument : arguments) {
    if (!command_line.empty()) command_line.push_back(L' ');
    command_line += Quote(AXOWideFromUtf8(argument));
  }
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (output != nullptr) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  }
  PROCESS_INFORMATION started = {};
  // A start that fails for want of something passing (seen under Wine, once
  // in some hundreds of starts) is tried again; one that names a fault of
  // the program or its arguments is not.
  for (int attempt = 1;; ++attempt) {
    // CreateProcessW may write into the command line: each try gets a copy.
    std::wstring writable = command_line;
    if (::CreateProcessW(program.c_str(), &writable[0], nullptr, nullptr, output != nullptr, 0,
                         nullptr, nullptr, &startup, &started)) {
      break;
    }
    const DWORD error = ::GetLastError();
    if (attempt == 3 || IsLastingStartFault(error)) {
      const AXOStatus status = AXOWindowsStatus(error, arguments[0]);
      return AXOStatus(status.code(), arguments[0], "cannot be started: " + status.reason());
    }
    ::Sleep(50);
  }
  ::CloseHandle(started.hThread);
  Children& children = StartedChildren();
  std::lock_guard<std::mutex> lock(children.mutex);
  children.handles[started.dwProcessId] = started.hProcess;
  process = started.dwProcessId;
  return AXOStatus();
}

}  // namespace

AXOStatus AXOPlatformTestingBackend::StartProcess(const std::vector<std::string>& arguments,
                                                  std::int64_t& process) {
  return Create(arguments, nullptr, process);
}

AXOStatus AXOPlatformTestingBackend::StartProcessWithOutputFile(
    const std::vector<std::string>& arguments, const std::string& outputPath,
    std::int64_t& process) {
  if (outputPath.empty() || outputPath.find('\0') != std::string::npos) {
    return AXOStatus(AXOStatusCode::kInvalidArgument, outputPath.substr(0, outputPath.find('\0')),
                     "not a name of a file");
  }
  SECURITY_ATTRIBUTES inheritable = {};
  inheritable.nLength = sizeof inheritable;
  inheritable.bInheritHandle = TRUE;
  const HANDLE output = ::CreateFileW(AXOWideFromUtf8(outputPath).c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) return AXOWindowsStatus(::GetLastError(), outputPath);
  const AXOStatus status = Create(arguments, output, process);
  ::CloseHandle(output);
  return status;
}

AXOStatus AXOPlatformTestingBackend::WaitForProcess(std::int64_t process, int& exitCode) {
  HANDLE handle = nullptr;
  {
    Children& children = StartedChildren();
    std::lock_guard<std::mutex> lock(children.mutex);
    const auto found = children.handles.find(process);
    if (found == children.handles.end()) return AXOUnknownChild(process);
    handle = found->second;
    children.handles.erase(found);
  }
  DWORD code = 0;
  const bool ended = ::WaitForSingleObject(handle, INFINITE) == WAIT_OBJECT_0 &&
                     ::GetExitCodeProcess(handle, &code);
  const DWORD error = ended ? ERROR_SUCCESS : ::GetLastError();
  ::CloseHandle(handle);
  if (!ended) return AXOWindowsStatus(error, "process " + std::to_string(process));
  exitCode = static_cast<int>(code);
  return AXOStatus();
}

AXOStatus AXOPlatformTestingBackend::KillProcess(std::int64_t process) {
  Children& children = StartedChildren();
  std::lock_guard<std::mutex> lock(children.mutex);
  const auto found = children.handles.find(process);
  if (found == children.handles.end()) return AXOUnknownChild(process);
  // Exit code 1 as for a crash; WaitForProcess still collects it.
  if (!::TerminateProcess(found->second, 1)) {
    return AXOWindowsStatus(::GetLastError(), "process " + std::to_string(process));
  }
  return AXOStatus();
}
