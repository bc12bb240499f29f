#include "BoxCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>

#include "AxocorCommands.h"
#include "AxocorJson.h"
#include "ModelGuard.h"
#include "OpenedModel.h"

void RegisterBoxCommand(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "box", "Print the bounding box of a document's product or part, or of an object below it");
  auto file = std::make_shared<std::string>();
  auto path = std::make_shared<std::string>();
  command->add_option("file", *file, "Document file (.CATPart, .CATProduct ...)")->required();
  command->add_option("feature-path", *path, kFeaturePathHelp);
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
    double limits[6];
    const bool empty =
        FAILED(box.GetLimits(limits[0], limits[1], limits[2], limits[3], limits[4], limits[5]));
    if (*json) {
      AxocorJson document{{"name", target.name}, {"empty", empty}};
      if (!empty) {
        const char* axes[] = {"x", "y", "z"};
        for (int i = 0; i < 3; ++i)
          document[axes[i]] = {limits[2 * i] + 0.0, limits[2 * i + 1] + 0.0};
      }
      PrintJson(document);
      return;
    }
    std::cout << "\"" << target.name << "\": ";
    if (empty) {
      std::cout << "empty\n";
      return;
    }
    std::cout << "x " << CoordinateText(limits[0]) << " .. " << CoordinateText(limits[1]) << "  y "
              << CoordinateText(limits[2]) << " .. " << CoordinateText(limits[3]) << "  z "
              << CoordinateText(limits[4]) << " .. " << CoordinateText(limits[5]) << "\n";
  }));
}
