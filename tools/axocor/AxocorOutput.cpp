#include "AxocorOutput.h"

#include <iostream>

#include "AXOPlatform.h"
#include "AxocorCommands.h"
#include "AxocorFiles.h"

AxocorOutput::AxocorOutput(const std::string& option, const std::vector<std::string>& inputs) {
  if (option.empty() || option == "-") return;
  path_ = AxocorNativePath(option);
  AXOPlatform* platform = AXOPlatform::Get();
  AXOFileIdentity output;
  if (!platform->GetFileIdentity(path_, output).ok()) return;  // a new file
  for (const std::string& input : inputs) {
    const std::string native = AxocorNativePath(input);
    AXOFileIdentity read;
    if (platform->GetFileIdentity(native, read).ok() && AXOSameFile(output, read)) {
      const std::string which = native == path_ ? "a file" : native + ",";
      AxocorFail("'" + option + "' is " + which + " which the command reads: it is not replaced");
    }
  }
}

void AxocorOutput::Write(const std::string& text) const {
  if (ToStandardOutput()) {
    std::cout << text;
  } else {
    AxocorWriteFileOrFail(path_, text);
  }
}
