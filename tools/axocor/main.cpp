// axocor: command-line access to the services of AXOCorServices.
#include <string>
#include <vector>

#include "AxocorCommands.h"
#include "AxocorRun.h"

int main(int argc, char** argv) {
  const std::vector<AxocorGroup> groups = {
      {"guid", RegisterGuidCommands},         {"env", RegisterEnvCommands},
      {"doctor", RegisterDoctorCommand},      {"gvs", RegisterGvsCommands},
      {"counter", RegisterCounterCommands},   {"date", RegisterDateCommands},
      {"map", RegisterMapCommands},           {"dictionaries", RegisterDictionaryCommands},
      {"settings", RegisterSettingsCommands}, {"catalogs", RegisterCatalogCommands},
      {"units", RegisterUnitCommands},        {"model", RegisterModelCommands},
  };
  return RunAxocor(std::vector<std::string>(argv + 1, argv + argc), groups);
}
