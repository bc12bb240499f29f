// Child processes of the Windows backend.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <map>
#include <mutex>

#include "WindowsPlatform.h"
#include "WindowsText.h"

namespace {

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

}  // namespace

std::string WindowsPlatform::ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length == 0) return std::string();
    if (length < path.size()) return AXOUtf8FromWide(path.substr(0, length));
    path.resize(path.size() * 2);  // cut short: try a larger buffer
  }
}

namespace {

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
      return true;
    default:
      return false;
  }
}

// Starts `arguments`; with `output` not null, the child's standard output is
// that inheritable handle and its other standard handles are this process's.
std::int64_t Create(const std::vector<std::string>& arguments, HANDLE output) {
  if (arguments.empty() || arguments[0].empty()) return -1;
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
    if (attempt == 3 || IsLastingStartFault(::GetLastError())) return -1;
    ::Sleep(50);
  }
  ::CloseHandle(started.hThread);
  Children& children = StartedChildren();
  std::lock_guard<std::mutex> lock(children.mutex);
  children.handles[started.dwProcessId] = started.hProcess;
  return started.dwProcessId;
}

}  // namespace

std::int64_t WindowsPlatform::StartProcess(const std::vector<std::string>& arguments) {
  return Create(arguments, nullptr);
}

std::int64_t WindowsPlatform::StartProcessWithOutputFile(const std::vector<std::string>& arguments,
                                                         const std::string& outputPath) {
  SECURITY_ATTRIBUTES inheritable = {};
  inheritable.nLength = sizeof inheritable;
  inheritable.bInheritHandle = TRUE;
  const HANDLE output = ::CreateFileW(AXOWideFromUtf8(outputPath).c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) return -1;
  const std::int64_t child = Create(arguments, output);
  ::CloseHandle(output);
  return child;
}

int WindowsPlatform::WaitForProcess(std::int64_t process) {
  HANDLE handle = nullptr;
  {
    Children& children = StartedChildren();
    std::lock_guard<std::mutex> lock(children.mutex);
    const auto found = children.handles.find(process);
    if (found == children.handles.end()) return -1;
    handle = found->second;
    children.handles.erase(found);
  }
  DWORD code = 0;
  const bool ended = ::WaitForSingleObject(handle, INFINITE) == WAIT_OBJECT_0 &&
                     ::GetExitCodeProcess(handle, &code);
  ::CloseHandle(handle);
  return ended ? static_cast<int>(code) : -1;
}

bool WindowsPlatform::KillProcess(std::int64_t process) {
  Children& children = StartedChildren();
  std::lock_guard<std::mutex> lock(children.mutex);
  const auto found = children.handles.find(process);
  // Exit code 1 as for a crash; WaitForProcess still collects it.
  return found != children.handles.end() && ::TerminateProcess(found->second, 1) != 0;
}
