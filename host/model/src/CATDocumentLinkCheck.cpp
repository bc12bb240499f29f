// The links of an open document that lead nowhere (CATDocumentFileCheck.h).
#include <functional>

#include "CATDocumentFileCheck.h"
#include "CATModelDocument.h"
#include "CATModelSession.h"

std::vector<CATDanglingLink> CATListDanglingLinks(CATDocument* document) {
  std::vector<CATDanglingLink> dangling;
  CATModelDocument* model = CATModelDocumentOf(document);
  if (model == nullptr) return dangling;
  const std::function<void(CATModelNode*)> walk = [&](CATModelNode* node) {
    node->VisitLinks([&](CATModelLink& link) {
      if (!link.IsSet() || node->Follow(link) != nullptr) return;
      CATDanglingLink found;
      found.holder =
          node->name.GetLengthInChar() > 0 ? node->name : CATUnicodeString(node->id.c_str());
      found.document =
          link.Document().GetLengthInChar() > 0 ? link.Document() : model->StorageName();
      found.id = link.Id();
      found.document_open = CATModelSession::Get().FindOpen(found.document) != nullptr;
      dangling.push_back(found);
    });
    for (CATModelNode* child : node->Children()) walk(child);
  };
  for (CATModelNode* container : model->Containers()) walk(container);
  return dangling;
}
