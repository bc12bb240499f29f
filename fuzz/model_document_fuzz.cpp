// Fuzz target of the document file reader (libFuzzer): any bytes either
// open as a document or are refused; a document that opens is saved,
// opened again and saved again, and both saves give the same bytes; and
// nothing stays alive afterwards.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "AXOPlatform.h"
#include "CATBaseUnknown.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATHostPath.h"

namespace {

namespace fs = std::filesystem;

// A folder of this process for the files of each input, removed when the
// process ends normally.
class FuzzFolder {
 public:
  FuzzFolder()
      : path_(fs::temp_directory_path() /
              ("axo-model-fuzz-" + std::to_string(AXOPlatform::Get()->ProcessId()))) {
    fs::create_directories(path_);
  }
  ~FuzzFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& Path() const { return path_; }

 private:
  const fs::path path_;
};

const fs::path& Folder() {
  static const FuzzFolder folder;
  return folder.Path();
}

std::string Host(const std::string& name) {
  return CATHostPathOfNative((Folder() / name).u8string());
}

std::string Read(const std::string& name) {
  std::ifstream in(Folder() / name, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Check(bool condition) {
  if (!condition) std::abort();
}

// Opens `name` alone; saves it as `saved` and closes it. False when it does
// not open.
bool OpenAndSave(const std::string& name, const std::string& saved) {
  CATDocument* document = nullptr;
  const HRESULT opened = CATDocumentServices::OpenDocument(Host(name).c_str(), document, 0);
  Check(SUCCEEDED(opened) == (document != nullptr));
  if (FAILED(opened)) return false;
  Check(CATDocumentServices::SaveAs(document, Host(saved).c_str(), "", 1) == S_OK);
  Check(CATDocumentServices::Remove(document) == S_OK);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const long live_before = CATBaseUnknown::LiveObjectCount();
  std::ofstream(Folder() / "Input.CATPart", std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (OpenAndSave("Input.CATPart", "First.CATPart")) {
    Check(OpenAndSave("First.CATPart", "Second.CATPart"));
    Check(Read("First.CATPart") == Read("Second.CATPart"));
  }
  Check(CATBaseUnknown::LiveObjectCount() == live_before);
  return 0;
}
