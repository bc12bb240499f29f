#include "BoxCommand.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <iostream>
#include <memory>
#include <string>

#include "AXOCorGeomServices.h"
#include "AxocorCommands.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATIAlias.h"
#include "ModelGuard.h"
#include "ModelLookup.h"

namespace {

std::string Name(const CATBaseUnknown_var& object) {
  const CATIAlias_var alias(object);
  return !alias ? "(no name)" : "\"" + std::string(alias->GetAlias().ConvertToChar()) + "\"";
}

// The object that `path` names in `document`: with no path, the part of a
// part document or the root product of another; else the feature it names.
CATBaseUnknown_var Measured(CATDocument* document, const std::string& path, std::string& fault) {
  if (path.empty()) {
    const CATIPrtPart_var part = PartOfDocument(document);
    if (!!part) return part;
    const CATIProduct_var root = RootProductOfDocument(document);
    if (!root) fault = "the document holds no part and no product";
    return root;
  }
  CATIPrtPart_var part;
  return FindFeatureByPath(document, path, part, fault);
}

std::string Number(double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, end.ptr);
}

}  // namespace

void RegisterBoxCommand(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "box", "Print the bounding box of a document's product or part, or of a feature in it");
  auto file = std::make_shared<std::string>();
  auto path = std::make_shared<std::string>();
  command->add_option("file", *file, "Document file (.CATPart, .CATProduct ...)")->required();
  command->add_option("feature-path", *path,
                      "Feature names separated by \\ (\"Level 1\\Wall.1\"; in a product "
                      "document starting with an instance: \"Room.1\\Level 1\")");
  command->callback(GuardedCommand("box", [file, path] {
    CATDocument* document = nullptr;
    if (FAILED(CATDocumentServices::OpenDocument(file->c_str(), document, 1))) {
      AxocorFail("cannot open '" + *file + "' (axocor model check says why)");
    }
    std::string fault;
    const CATBaseUnknown_var object = Measured(document, *path, fault);
    if (!object) AxocorFail(fault);
    CATMathBox box;
    if (FAILED(AXOCorGeomServices::GetBoundingBox(object, box))) {
      AxocorFail(Name(object) +
                 " has no box: it is no product, part, body or geometrical element, or its "
                 "part cannot be reached");
    }
    double x0, x1, y0, y1, z0, z1;
    std::cout << Name(object) << ": ";
    if (FAILED(box.GetLimits(x0, x1, y0, y1, z0, z1))) {
      std::cout << "empty\n";
    } else {
      std::cout << "x " << Number(x0) << " .. " << Number(x1) << "  y " << Number(y0) << " .. "
                << Number(y1) << "  z " << Number(z0) << " .. " << Number(z1) << "\n";
    }
  }));
}
