#include "AxocorRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AxocorCommands.h"
#include "axocor/CommandTestRun.h"

namespace {

const std::vector<AxocorGroup> kGroups = {{"guid", RegisterGuidCommands},
                                          {"units", RegisterUnitCommands}};

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Help, version, unknown names and usage errors, the same for every group.
TEST(AxocorRun, FollowsTheConventionsOfEveryCommand) {
  const std::string usage = "Run 'axocor guid new --help' for its usage.\n";
  const struct {
    std::vector<std::string> args;
    int status;
    const char* out;  // a part of standard output
    const char* err;  // a part of standard error
  } cases[] = {
      {{"--version"}, 0, "axocor " AXOCOR_VERSION "\n", ""},
      {{"help"}, 0, "Subcommands:\n  guid", ""},
      {{"help", "guid"}, 0, "Usage: axocor guid [OPTIONS] [SUBCOMMAND]", ""},
      {{"guid", "--help"}, 0, "  axocor guid expand 018qLdYQlDxm4ZHMU9gytl\n\nExit status: 0", ""},
      {{"help", "guid", "new"},
       0,
       "Example:\n  axocor guid new -n 5 --compressed\n\nExit status",
       ""},
      {{"--help-all"}, 0, "Print the braced form of a compressed GUID", ""},
      {{}, 2, "", "axocor: error: 'axocor' needs one of the commands above"},
      {{"guid"}, 2, "", "Usage: axocor guid [OPTIONS] [SUBCOMMAND]"},
      {{"guid"}, 2, "", "axocor: error: 'axocor guid' needs one of the commands above"},
      {{"gudi"}, 2, "", "axocor: error: 'axocor' has no command 'gudi'; did you mean 'guid'?\n"},
      {{"help", "gudi"}, 2, "", "did you mean 'guid'?"},
      {{"guid", "nwe"}, 2, "", "'axocor guid' has no command 'nwe'; did you mean 'new'?"},
      {{"guid", "zzz"}, 2, "", "has no command 'zzz'; its commands: new, compress, expand\n"},
      {{"guid", "new", "-n", "0"}, 2, "", "axocor: error: --count: Value 0 not in range"},
      {{"guid", "new", "-n", "0"}, 2, "", usage.c_str()},
      {{"guid", "new", "--bogus"},
       2,
       "",
       "axocor: error: 'axocor guid new' has no option '--bogus'\n"},
      {{"guid", "new", "--jsn"}, 2, "", "has no option '--jsn'; did you mean '--json'?\n"},
      {{"guid", "new", "-json"}, 2, "", "has no option '-json'; did you mean '--json'?\n"},
      {{"guid", "new", "--count=3", "--brace=1"},
       2,
       "",
       "no option '--brace'; did you mean '--braced'?"},
      {{"guid", "new", "-x"}, 2, "", "'axocor guid new' has no option '-x'\n"},
      {{"guid", "--jsn"}, 2, "", "'axocor guid' has no option '--jsn'\n"},
      {{"units", "--jason"},
       2,
       "",
       "'axocor units' has no option '--jason'; did you mean '--json'?"},
      {{"completion", "fsh"},
       2,
       "",
       "shell: 'fsh' is not one of bash, zsh, fish, powershell; did you mean 'zsh' or 'fish'?"},
      {{"units", "length"}, 1, "", "no magnitude 'length'; did you mean 'LENGTH'?\n"},
      {{"units", "LENGHT"}, 1, "", "no magnitude 'LENGHT'; did you mean 'LENGTH'?\n"},
      {{"units", "LENGTH", "FT"}, 1, "", "(letter case counts); did you mean 'ft'?\n"},
      {{"units", "LENGTH", "Fot"}, 1, "", "did you mean 'ft' or 'Foot'?\n"},
      {{"guid", "new", "--braced", "--compressed"}, 2, "", "excludes --compressed"},
      {{"guid", "compress"}, 2, "", "axocor: error: braced-guid is required"},
      {{"guid", "compress", "x"}, 1, "", "axocor: error: 'x' has 1 characters"},
      {{"units", "LENGTH", "ft", "extra"}, 2, "", "axocor: error: "},
  };
  for (const auto& c : cases) {
    std::string line;
    for (const std::string& arg : c.args) line += arg + " ";
    SCOPED_TRACE(line);
    const CommandTestResult run = RunToolForTest(kGroups, c.args);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_TRUE(Has(run.out, c.out)) << run.out;
    EXPECT_TRUE(Has(run.err, c.err)) << run.err;
    if (c.status == 2) {
      EXPECT_EQ(run.out, "");
    }
  }
}

// Each command's help shows its own examples, the group's help all of them.
TEST(AxocorRun, ACommandsHelpShowsItsOwnExamples) {
  const CommandTestResult group = RunToolForTest(kGroups, {"guid", "--help"});
  const CommandTestResult command = RunToolForTest(kGroups, {"guid", "compress", "--help"});
  for (const char* example : {"axocor guid new", "axocor guid compress", "axocor guid expand"}) {
    SCOPED_TRACE(example);
    EXPECT_TRUE(Has(group.out, example));
    EXPECT_EQ(Has(command.out, example), std::string(example) == "axocor guid compress");
  }
  // A command with a footer of its own keeps it, and shows its group's
  // examples of it after it.
  const CommandTestResult units = RunToolForTest(kGroups, {"units", "--help"});
  EXPECT_TRUE(Has(units.out, "Examples:\n  axocor units\n")) << units.out;
  EXPECT_TRUE(Has(units.out, "Exit status: 0 success, 1 the command failed, 2 a usage error"));
  const CommandTestResult box =
      RunToolForTest({{"model", RegisterModelCommands}}, {"model", "box", "--help"});
  EXPECT_TRUE(Has(box.out, "boxes of its instances exactly.\n\nExample:\n  axocor model box "))
      << box.out;
  EXPECT_FALSE(Has(box.out, "axocor model dump")) << box.out;
}

// --help-all is the help of every command and subcommand, options and
// examples included, each as its own --help prints it.
TEST(AxocorRun, HelpAllHoldsTheHelpOfEveryCommand) {
  const std::vector<AxocorGroup> groups = {{"guid", RegisterGuidCommands},
                                           {"units", RegisterUnitCommands},
                                           {"model", RegisterModelCommands}};
  const CommandTestResult all = RunToolForTest(groups, {"--help-all"});
  EXPECT_EQ(all.status, 0) << all.err;
  const struct {
    std::vector<std::string> command;
    const char* option;  // one of its options, or an example
  } cases[] = {
      {{}, "--help-all"},
      {{"guid"}, "axocor guid expand 018qLdYQlDxm4ZHMU9gytl"},
      {{"guid", "new"}, "--compressed"},
      {{"units"}, "axocor units LENGTH Foot --json"},
      {{"model", "show"}, "--tree"},
      {{"model", "publish"}, "--dry-run"},
      {{"model", "save-part"}, "--parents"},
      {{"model", "box"}, "axocor model box"},
      {{"completion"}, "shell"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.command;
    args.push_back("--help");
    SCOPED_TRACE(args.size() > 1 ? args[args.size() - 2] : "axocor");
    const CommandTestResult help = RunToolForTest(groups, args);
    EXPECT_TRUE(Has(help.out, c.option)) << help.out;
    EXPECT_TRUE(Has(all.out, help.out)) << help.out;
  }
  // A group's --help-all is that of its commands alone.
  const CommandTestResult model = RunToolForTest(groups, {"model", "--help-all"});
  EXPECT_TRUE(Has(model.out, "--dry-run")) << model.out;
  EXPECT_FALSE(Has(model.out, "axocor guid")) << model.out;
}

}  // namespace

// "--env FILE" before a command runs it in the installation the file
// describes; a file that cannot be read is a usage error that says why.
TEST(AxocorRun, AGlobalEnvironmentFileServesEveryCommand) {
  const std::string sample = std::string(AXOCOR_SAMPLE_INSTALLATION) + "/axocor-env.txt";
  const std::vector<AxocorGroup> groups = {{"catalogs", RegisterCatalogCommands},
                                           {"counter", RegisterCounterCommands}};
  const struct {
    std::vector<std::string> args;
    int status;
    const char* text;  // a part of standard output, or of the error
  } cases[] = {
      {{"--env", sample, "catalogs", "steel"}, 0, "EU_HEB"},
      {{"--env=" + sample, "catalogs", "steel"}, 0, "EU_HEB"},
      {{"--env", sample + ".missing", "catalogs", "steel"}, 2, "no such file or folder"},
      {{"--env"}, 2, "--env needs an environment file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0]);
    const CommandTestResult result = RunToolForTest(groups, c.args);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_NE((c.status == 0 ? result.out : result.err).find(c.text), std::string::npos)
        << result.out << result.err;
  }
  for (const char* variable :
       {"CATStartupPath", "CATCollectionStandard", "CATDefaultCollectionStandard", "CATGraphicPath",
        "CATUserSettingPath"}) {
    AXOPlatform::Get()->SetEnv(variable, nullptr);
  }
}
