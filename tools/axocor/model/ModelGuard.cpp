#include "ModelGuard.h"

#include <CLI/CLI.hpp>
#include <exception>
#include <utility>

#include "AxocorCommands.h"
#include "CATError.h"

bool CallGuarded(const std::function<void()>& call, std::string& raised) {
  try {
    call();
    return true;
  } catch (const CLI::Error&) {
    throw;
  } catch (CATError* error) {
    raised = error->GetNLSMessage().ConvertToChar();
    Flush(error);
  } catch (const std::exception& error) {
    raised = error.what();
  } catch (...) {
    raised = "an exception of unknown type";
  }
  return false;
}

std::function<void()> GuardedCommand(const std::string& command, std::function<void()> body) {
  return [command, body = std::move(body)] {
    std::string raised;
    if (!CallGuarded(body, raised)) AxocorFail(command + " raised: " + raised);
  };
}
