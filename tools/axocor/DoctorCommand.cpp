// "axocor doctor": checks an installation of the add-on's resources through
// the library's own services and says what is there and what is wrong.
#include <CLI/CLI.hpp>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "AxocorCommands.h"
#include "CATLib.h"
#include "doctor/DoctorChecks.h"
#include "doctor/DoctorEnvironment.h"

namespace {

using axocor::doctor::Environment;

// Exit status when the installation could not be described at all (a bad
// environment file, a missing folder); 1 means problems were found.
constexpr int kCannotCheck = 2;

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

// The sample installation: beside the sources of this build, else where
// the installed tool's data lies.
std::string SampleInstallation() {
  for (const char* folder : {AXOCOR_SAMPLE_INSTALLATION, AXOCOR_INSTALLED_SAMPLE_INSTALLATION}) {
    std::error_code error;
    if (std::filesystem::is_regular_file(std::filesystem::path(folder) / "axocor-env.txt", error)) {
      return folder;
    }
  }
  CannotCheck(std::string("the sample installation is in neither ") + AXOCOR_SAMPLE_INSTALLATION +
              " nor " + AXOCOR_INSTALLED_SAMPLE_INSTALLATION +
              "; name an installation with --env or --root");
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

void Run(const DoctorOptions& options) {
  Environment environment;
  std::string error;
  if (options.current) {
    environment = CurrentEnvironment();
  } else if (!options.envFile.empty()) {
    if (!axocor::doctor::LoadEnvironmentFile(options.envFile, environment, error)) {
      CannotCheck(error);
    }
  } else {
    const std::string root = options.rootFolder.empty() ? SampleInstallation() : options.rootFolder;
    if (!axocor::doctor::LoadInstallationFolder(root, environment, error)) CannotCheck(error);
  }
  axocor::doctor::ApplyEnvironment(environment);
  const axocor::doctor::Report report = axocor::doctor::RunChecks(environment);
  std::cout << (options.json ? axocor::doctor::FormatReportJson(report)
                             : axocor::doctor::FormatReportText(report));
  std::cout.flush();
  if (report.Count(axocor::doctor::FindingKind::kProblem) > 0) throw CLI::RuntimeError(1);
}

}  // namespace

void RegisterDoctorCommand(CLI::App& app) {
  CLI::App* doctor = app.add_subcommand(
      "doctor",
      "Check an installation: folders, style sheets, catalogs, dictionaries, counters, "
      "translator settings and profile maps");
  auto options = std::make_shared<DoctorOptions>();
  CLI::Option* env = doctor->add_option("--env", options->envFile,
                                        "Environment file (VAR=value lines) describing the "
                                        "installation");
  CLI::Option* root = doctor->add_option("--root", options->rootFolder,
                                         "Installation folder: its axocor-env.txt, or the "
                                         "sample's layout");
  CLI::Option* current = doctor->add_flag("--current", options->current,
                                          "Check the installation of this process's own "
                                          "environment variables");
  env->excludes(root)->excludes(current);
  root->excludes(current);
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
      "Without an option the sample installation is checked. An environment file has\n"
      "one VAR=value per line and '#' comment lines; paths may be relative to the file's\n"
      "folder, lists are separated by ';', and '\\' or '/' separate folders. Besides the\n"
      "host's variables above (and CATUserSettingPath, CATReferenceSettingPath) it may\n"
      "set AXOProfileMap (map files) and AXOCounterNames (counters that must exist).\n"
      "\n"
      "Exit status: 0 no problem, 1 problems found, 2 the installation cannot be read.\n"
      "\n"
      "Examples:\n"
      "  axocor doctor\n"
      "  axocor doctor --env /opt/axo/axocor-env.txt\n"
      "  axocor doctor --root /opt/axo --json > report.json");
  doctor->callback([options] { Run(*options); });
}
