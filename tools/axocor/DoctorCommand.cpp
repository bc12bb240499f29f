// "axocor doctor": checks an installation of the add-on's resources through
// the library's own services and says what is there and what is wrong.
#include <CLI/CLI.hpp>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "AxocorArguments.h"
#include "AxocorCommands.h"
#include "AxocorRun.h"
#include "CATLib.h"
#include "doctor/DoctorChecks.h"
#include "doctor/DoctorEnvironment.h"

namespace {

using axocor::doctor::Environment;

// Exit status when the installation could not be described at all (a bad
// environment file, a missing folder, no installation named), as for a
// usage error: nothing was checked. 1 means problems were found.
constexpr int kCannotCheck = kAxocorUsageError;

struct DoctorOptions {
  std::string envFile;
  std::string rootFolder;
  bool current = false;
  bool json = false;
};

[[noreturn]] void CannotCheck(const std::string& message) {
  std::cerr << "axocor: error: " << message << "\n";
  throw CLI::RuntimeError(kCannotCheck);
}

// The variables of the doctor as the process environment holds them.
Environment CurrentEnvironment() {
  Environment environment;
  environment.description = "the installation of the current environment";
  for (const axocor::doctor::KnownVariable& known : axocor::doctor::KnownVariables()) {
    char* value = nullptr;
    if (CATGetEnvValue(known.name, &value) == 0) {
      environment.variables.emplace_back(known.name, value != nullptr ? value : "");
    }
    std::free(value);
  }
  return environment;
}

// True when the process environment sets one of the host's variables.
bool HostVariablesSet(const Environment& current) {
  for (const auto& [name, value] : current.variables) {
    for (const axocor::doctor::KnownVariable& known : axocor::doctor::KnownVariables()) {
      if (known.isHostVariable && name == known.name) return true;
    }
  }
  return false;
}

// The environment the options name; without one, the process's own, as
// long as it sets one of the host's variables.
Environment EnvironmentToCheck(const DoctorOptions& options) {
  Environment environment;
  std::string error;
  if (!options.envFile.empty()) {
    if (!axocor::doctor::LoadEnvironmentFile(options.envFile, environment, error)) {
      CannotCheck(error);
    }
    return environment;
  }
  if (!options.rootFolder.empty()) {
    if (!axocor::doctor::LoadInstallationFolder(options.rootFolder, environment, error)) {
      CannotCheck(error);
    }
    return environment;
  }
  environment = CurrentEnvironment();
  if (!options.current && !HostVariablesSet(environment)) {
    std::string names;
    for (const axocor::doctor::KnownVariable& known : axocor::doctor::KnownVariables()) {
      if (known.isHostVariable) names += std::string(names.empty() ? "" : ", ") + known.name;
    }
    CannotCheck("none of the host's variables is set in this environment (" + names +
                "); name an installation with --env or --root, or check the sample one: "
                "axocor doctor --root " AXOCOR_INSTALLED_SAMPLE_INSTALLATION);
  }
  return environment;
}

void Run(const DoctorOptions& options) {
  const Environment environment = EnvironmentToCheck(options);
  axocor::doctor::ApplyEnvironment(environment);
  const axocor::doctor::Report report = axocor::doctor::RunChecks(environment);
  std::cout << (options.json ? axocor::doctor::FormatReportJson(report)
                             : axocor::doctor::FormatReportText(report));
  std::cout.flush();
  if (report.Count(axocor::doctor::FindingKind::kProblem) > 0) throw CLI::RuntimeError(1);
}

}  // namespace

void RegisterDoctorCommand(CLI::App& app) {
  CLI::App* doctor = &app;
  doctor->description(
      "Check an installation: folders, style sheets, catalogs, dictionaries, counters, "
      "translator settings and profile maps");
  auto options = std::make_shared<DoctorOptions>();
  CLI::Option* env = TakesFile(doctor->add_option(
      "--env", options->envFile, "Environment file (VAR=value lines) describing the installation"));
  CLI::Option* root = TakesFolder(
      doctor->add_option("--root", options->rootFolder,
                         "Installation folder: its axocor-env.txt, or the sample's layout"));
  CLI::Option* current = doctor->add_flag("--current", options->current,
                                          "Check the installation of this process's own "
                                          "environment variables");
  CLI::Option* folder = TakesFolder(doctor->add_option("installation", options->rootFolder,
                                                       "Installation folder, as --root takes it"));
  env->excludes(root)->excludes(current)->excludes(folder);
  root->excludes(current)->excludes(folder);
  current->excludes(folder);
  // Folder arguments are paths: "/opt/axo" is no Windows-style option.
  doctor->allow_windows_style_options(false);
  doctor->add_flag("--json", options->json, "Write the report as JSON, for scripts");
  doctor->footer(
      "What is checked, through the library's own services:\n"
      "  path lists     CATStartupPath, CATCollectionStandard, CATDefaultCollectionStandard,\n"
      "                 CATGraphicPath and the settings folders: set, every folder present\n"
      "  style sheets   every style sheet offered, each include resolved and readable\n"
      "  catalogs       catalog folders, steel catalogs (an empty steel folder is a problem)\n"
      "  dictionaries   the add-on's order; fixed dictionaries that are not installed\n"
      "  counters       readable, holding a number, writable (none is advanced)\n"
      "  settings       DXF and IFC translator options outside their rules (none is saved)\n"
      "  profile maps   lines the reader skips and why, names that lead to the same key\n"
      "\n"
      "Without an option the installation of this process's environment is checked, as\n"
      "with --current, when it sets one of the host's variables; 'axocor doctor DIR' is\n"
      "'axocor doctor --root DIR'. The sample installation is installed in\n"
      "  " AXOCOR_INSTALLED_SAMPLE_INSTALLATION
      "\n"
      "\n"
      "An environment file has\n"
      "one VAR=value per line and '#' comment lines; paths may be relative to the file's\n"
      "folder, lists are separated by ';', and '\\' or '/' separate folders. Besides the\n"
      "host's variables above (and CATUserSettingPath, CATReferenceSettingPath) it may\n"
      "set AXOProfileMap (map files) and AXOCounterNames (counters that must exist).\n"
      "\n"
      "Exit status: 0 no problem, 1 problems found, 2 a usage error or an installation that\n"
      "cannot be read (the message begins with 'axocor: error:').\n"
      "\n"
      "Examples:\n"
      "  axocor doctor " AXOCOR_INSTALLED_SAMPLE_INSTALLATION
      "   (exits 1: the sample's one fault)\n"
      "  axocor doctor --env " AXOCOR_INSTALLED_SAMPLE_INSTALLATION
      "/axocor-env.txt   (exits 1)\n"
      "  axocor doctor --root " AXOCOR_INSTALLED_SAMPLE_INSTALLATION
      " --json > report.json   (exits 1)");
  doctor->callback([options] { Run(*options); });
}
