#ifndef ModelCommandTestRun_h
#define ModelCommandTestRun_h

// Runs a command of the "model" group in-process, as the model commands'
// tests need it.

#include <string>
#include <vector>

#include "AxocorCommands.h"
#include "CATTestModel.h"
#include "axocor/CommandTestRun.h"

// Runs "axocor model <args...>", then closes whatever the session still
// holds (`model`'s documents), so that each run starts afresh.
inline CommandTestResult RunModelForTest(CATTestModel& model,
                                         const std::vector<std::string>& args) {
  std::vector<std::string> all{"model"};
  all.insert(all.end(), args.begin(), args.end());
  const CommandTestResult result = RunCommandForTest(RegisterModelCommands, all);
  model.LeakedObjects();
  return result;
}

#endif  // ModelCommandTestRun_h
