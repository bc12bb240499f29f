#include "BoxCommand.h"

#include <CLI/CLI.hpp>
#include <charconv>
#include <iostream>
#include <memory>
#include <string>

#include "AXOCorGeomServices.h"
#include "AXOCorParserServices.h"
#include "AXOICorPartDocument.h"
#include "AXOICorProductDocument.h"
#include "AxocorCommands.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATIAlias.h"
#include "CATIDescendants.h"
#include "CATIProduct.h"

namespace {

std::string Name(const CATBaseUnknown_var& object) {
  const CATIAlias_var alias(object);
  return !alias ? "(no name)" : "\"" + std::string(alias->GetAlias().ConvertToChar()) + "\"";
}

CATBaseUnknown_var Root(CATDocument* document) {
  const AXOICorProductDocument_var product(document);
  if (!!product) return product->GetRootObject();
  const AXOICorPartDocument_var part(document);
  return !part ? CATBaseUnknown_var() : part->GetRootObject();
}

// The direct child of `parent` named `name`; null when there is none.
CATBaseUnknown_var Child(const CATBaseUnknown_var& parent, const CATUnicodeString& name) {
  CATListValCATBaseUnknown_var children;
  const CATIProduct_var product(parent);
  const CATIDescendants_var descendants(parent);
  if (!!product) {
    const std::unique_ptr<CATListValCATBaseUnknown_var> list(product->GetChildren("CATIProduct"));
    if (list != nullptr) children = *list;
  } else if (!!descendants) {
    CATListValCATISpecObject_var list;
    descendants->GetDirectChildren(nullptr, list);
    for (int i = 1; i <= list.Size(); ++i) children.Append(list[i]);
  }
  for (int i = 1; i <= children.Size(); ++i) {
    const CATIAlias_var alias(children[i]);
    if (!!alias && alias->GetAlias() == name) return children[i];
  }
  return CATBaseUnknown_var();
}

std::string Number(double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, end.ptr);
}

}  // namespace

void RegisterBoxCommand(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "box", "Print the bounding box of a document's product or part, or of an object below it");
  auto file = std::make_shared<std::string>();
  auto path = std::make_shared<std::string>();
  command->add_option("file", *file, "Document file (.CATPart, .CATProduct ...)")->required();
  command->add_option("feature-path", *path,
                      "Names below the root, separated by \\ (\"Level 1\\Wall.1\")");
  command->callback([file, path] {
    CATDocument* document = nullptr;
    if (FAILED(CATDocumentServices::OpenDocument(file->c_str(), document, 1))) {
      AxocorFail("cannot open '" + *file + "' (axocor model check says why)");
    }
    CATBaseUnknown_var object = Root(document);
    if (!object) AxocorFail("'" + *file + "' holds no product or part");
    CATListValCATUnicodeString names;
    AXOCorParserServices::ParseString(path->c_str(), "\\", names);
    for (int i = 1; i <= names.Size(); ++i) {
      const CATBaseUnknown_var child = Child(object, names[i]);
      if (!child) {
        AxocorFail("no \"" + std::string(names[i].ConvertToChar()) + "\" below " + Name(object));
      }
      object = child;
    }
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
  });
}
