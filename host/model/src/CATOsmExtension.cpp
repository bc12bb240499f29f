// The stand-in's feature extension: an identifier text and nothing more.
#include <cstring>
#include <string>

#include "CATAdapter.h"
#include "CATAdopt.h"
#include "CATComponent.h"
#include "CATIOsmExtension.h"

namespace {

class OsmExtension;

class OsmExtensionAdapter : public CATAdapterOf<CATIOsmExtension, OsmExtension> {
 public:
  using CATAdapterOf::CATAdapterOf;
  char* GetID() override;
};

const CATInterfaceEntry kOsmExtensionInterfaces[] = {
    {&IID_CATIOsmExtension, &CATNewAdapter<OsmExtensionAdapter>}};

class OsmExtension : public CATComponent {
 public:
  explicit OsmExtension(const char* id)
      : CATComponent(kOsmExtensionInterfaces),
        has_id_(id != nullptr),
        id_(id != nullptr ? id : "") {}

  const char* IsA() const override { return "CATOsmExtension"; }

  char* CopyOfId() const {
    if (!has_id_) return nullptr;
    char* copy = new char[id_.size() + 1];
    std::memcpy(copy, id_.c_str(), id_.size() + 1);
    return copy;
  }

 private:
  const bool has_id_;
  const std::string id_;
};

char* OsmExtensionAdapter::GetID() {
  return Object()->CopyOfId();
}

}  // namespace

CATIOsmExtension* CATCreateOsmExtension(const char* id) {
  return CATAdoptAs<CATIOsmExtension>(new OsmExtension(id));
}
