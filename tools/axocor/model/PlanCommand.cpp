// "axocor model plan FILE [-o plan.svg] [--section Z]": the plan view of a
// document's rooms and their walls, doors and windows as an SVG drawing
// (ModelPlan.h, ModelPlanSvg.h), on standard output or in a file replaced
// whole.
#include <CLI/CLI.hpp>
#include <cmath>
#include <memory>
#include <string>

#include "AxocorArguments.h"
#include "AxocorCommands.h"
#include "AxocorOutput.h"
#include "ModelGuard.h"
#include "ModelLookup.h"
#include "ModelPlan.h"
#include "ModelPlanSvg.h"
#include "OpenedModel.h"

namespace {

struct PlanArguments {
  std::string file;
  std::string output;
  double section = 0;
};

// A cut at a height the model does not reach draws nothing: refused as a
// usage error that names the heights it has.
void CheckSection(const Plan& plan, const std::string& typed, double section) {
  double bottom = 0, top = 0;
  if (!PlanHeights(plan, bottom, top)) {
    throw CLI::ValidationError("--section " + typed, "the model has no geometry to cut");
  }
  if (section < bottom || section > top) {
    throw CLI::ValidationError("--section " + typed, "outside the model's heights " +
                                                         CoordinateText(bottom) + " .. " +
                                                         CoordinateText(top) + " mm");
  }
}

}  // namespace

void RegisterPlanCommand(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "plan",
      "Draw the plan view as SVG: each placed part as a room with its walls, doors and windows");
  auto args = std::make_shared<PlanArguments>();
  TakesFile(command->add_option("file", args->file, "Document file (.CATPart, .CATProduct ...)")
                ->required());
  TakesFile(command->add_option("-o,--output", args->output,
                                "Write the drawing to this file instead (\"-\": standard output)"));
  CLI::Option* section = command->add_option(
      "--section", args->section,
      "Draw only what a horizontal cut at this height (mm, within the model's heights) meets");
  command->callback(GuardedCommand("plan", [args, section] {
    const bool cut = section->count() > 0;
    const std::string typed = cut ? section->results().front() : std::string();
    if (cut && !std::isfinite(args->section)) {
      throw CLI::ValidationError("--section " + typed, "not a finite height");
    }
    const OpenedModel model(args->file);
    model.FailIfBroken();
    const Plan plan = PlanOf(model.Document());
    if (!plan.complete) {
      AxocorFail("more than " + std::to_string(kPlanMaxInstances) +
                 " placed instances: too many to draw");
    }
    if (cut) CheckSection(plan, typed, args->section);
    const AxocorOutput out(args->output, model.Files());
    out.Write(PlanSvg(plan, cut ? &args->section : nullptr));
  }));
}
