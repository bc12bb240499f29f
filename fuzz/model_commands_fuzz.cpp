// Fuzz target of the tool's model commands (libFuzzer), run in-process as a
// user runs them. The input is a product document "Input.CATProduct",
// optionally followed by a line "--- Input.CATPart ---" and a part document
// that the product may refer to. Every command ends with status 0 or 1
// (never a crash, an endless recursion or an exception that escapes);
// "save-part" writes nothing but part files, and only in the folder it is
// given; the dump goes only to the file named; and nothing the commands
// opened stays alive afterwards.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "AXOFuzzSupport.h"
#include "AxocorCommands.h"
#include "CATTestModel.h"
#include "axocor/CommandTestRun.h"

namespace {

namespace fs = std::filesystem;

const char kPartSeparator[] = "\n--- Input.CATPart ---\n";

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// True when `relative` (a path below the folder) is a file that one of the
// commands may leave: the inputs, the lock files of saves, and in "out"
// saved parts and the dump.
bool MayBeThere(const fs::path& relative) {
  const std::string name = relative.filename().u8string();
  const std::string folder = relative.parent_path().u8string();
  if (folder.empty()) {
    return name == "Input.CATProduct" || name == "Input.CATPart" || name == "out" ||
           EndsWith(name, ".axo-lock");
  }
  return folder == "out" && (name == "dump.txt" || EndsWith(name, ".CATPart"));
}

void CheckWrittenFiles() {
  const fs::path root = AXOFuzzFolder::Get().Native("");
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    AXO_FUZZ_CHECK(MayBeThere(fs::relative(entry.path(), root)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const AXOFuzzFolder& folder = AXOFuzzFolder::Get();
  std::error_code ignored;
  fs::remove_all(folder.Native("out"), ignored);
  fs::create_directories(folder.Native("out"));
  const std::string input = AXOFuzzBytes(data, size);
  const std::size_t split = input.find(kPartSeparator);
  folder.Write("Input.CATProduct", input.substr(0, split));
  fs::remove(folder.Native("Input.CATPart"), ignored);
  if (split != std::string::npos) {
    folder.Write("Input.CATPart", input.substr(split + sizeof kPartSeparator - 1));
  }

  CATTestModel model;
  const std::string product = folder.Host("Input.CATProduct");
  const std::vector<std::vector<std::string>> commands = {
      {"check", product},
      {"show", product},
      {"box", product},
      {"plan", product},
      {"children", product},
      {"dump", product},
      {"dump", product, "-o", folder.Host("out\\dump.txt")},
      {"save-part", product, folder.Host("out")},
      {"publish", folder.Host("Input.CATPart"), "", "Fuzz"},
  };
  for (const std::vector<std::string>& command : commands) {
    std::vector<std::string> args{"model"};
    args.insert(args.end(), command.begin(), command.end());
    const CommandTestResult result = RunCommandForTest(RegisterModelCommands, args);
    AXO_FUZZ_CHECK(result.status == 0 || result.status == 1);
    AXO_FUZZ_CHECK(model.LeakedObjects() == 0);
  }
  CheckWrittenFiles();
  return 0;
}
