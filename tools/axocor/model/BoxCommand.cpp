#include "BoxCommand.h"
#include "AxocorArguments.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>

#include "AxocorCommands.h"
#include "AxocorEscapedText.h"
#include "AxocorJson.h"
#include "ModelGuard.h"
#include "ModelTree.h"
#include "OpenedModel.h"

void RegisterBoxCommand(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "box", "Print the bounding box of a document's product or part, or of an object below it");
  auto file = std::make_shared<std::string>();
  auto path = std::make_shared<std::string>();
  TakesFile(
      command->add_option("file", *file, "Document file (.CATPart, .CATProduct ...)")->required());
  command->add_option("feature-path", *path, kFeaturePathHelp);
  command->footer(
      "The box is in the space of the document's root, placed as the library places an\n"
      "instance's box (GetBoundingBox): the box of its low and high corners placed, level by\n"
      "level. Under a pure translation that is the box moved; under a rotation by other than\n"
      "quarter turns it is smaller than all the instance covers. The root's box holds the\n"
      "boxes of its instances exactly.");
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback(GuardedCommand("box", [file, path, json] {
    const OpenedModel model(*file);
    model.FailIfBroken();
    const ModelTarget target = model.Find(*path);
    CATMathBox box;
    if (!PlacedBoxOf(target, box)) {
      AxocorFail("\"" + target.name +
                 "\" has no box: it is no product, part, body or geometrical element");
    }
    const AxocorJson limits = BoxJson(box);
    if (*json) {
      AxocorJson document{{"name", target.name}, {"empty", limits.is_null()}};
      if (!limits.is_null()) document.update(limits);
      PrintJson(document);
      return;
    }
    std::cout << "\"" << AxocorEscapedText(target.name) << "\": " << BoxText(limits) << "\n";
  }));
}
