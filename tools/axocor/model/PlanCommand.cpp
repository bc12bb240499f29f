// "axocor model plan FILE [-o plan.svg] [--section Z]": the plan view of a
// document's placed parts and bodies as an SVG drawing (ModelPlan.h), on
// standard output or in a file replaced whole.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>

#include "AXOPlatform.h"
#include "AxocorArguments.h"
#include "AxocorCommands.h"
#include "AxocorOutput.h"
#include "ModelGuard.h"
#include "ModelPlan.h"
#include "OpenedModel.h"

namespace {

struct PlanArguments {
  std::string file;
  std::string output;
  double section = 0;
};

}  // namespace

void RegisterPlanCommand(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "plan", "Draw the plan view of the boxes of every placed part and body as SVG");
  auto args = std::make_shared<PlanArguments>();
  TakesFile(command->add_option("file", args->file, "Document file (.CATPart, .CATProduct ...)")
                ->required());
  TakesFile(command->add_option("-o,--output", args->output,
                                "Write the drawing to this file instead (\"-\": standard output)"));
  CLI::Option* section = command->add_option(
      "--section", args->section, "Draw only what a horizontal cut at this height meets");
  command->callback(GuardedCommand("plan", [args, section] {
    const OpenedModel model(args->file);
    model.FailIfBroken();
    bool complete = true;
    const std::vector<PlanBox> boxes = PlanBoxes(model.Document(), complete);
    if (!complete) {
      AxocorFail("more than " + std::to_string(kPlanMaxInstances) +
                 " placed instances: too many to draw");
    }
    const AxocorOutput out(args->output, model.Files());
    out.Write(PlanSvg(boxes, section->count() > 0 ? &args->section : nullptr));
  }));
}
