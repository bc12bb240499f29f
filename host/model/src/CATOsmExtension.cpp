// The stand-in's feature extension: an identifier text and nothing more.
#include <cstring>
#include <string>

#include "CATIOsmExtension.h"

const IID IID_CATIOsmExtension = {
    0x3e8d5c21, 0x94b7, 0x4f0a, {0xb6, 0x1d, 0x2a, 0x7c, 0x58, 0x93, 0xe4, 0x0f}};

namespace {

class CATOsmExtension : public CATIOsmExtension {
 public:
  explicit CATOsmExtension(const char* id) : has_id_(id != nullptr), id_(id != nullptr ? id : "") {}

  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (out != nullptr && iid == IID_CATIOsmExtension) {
      AddRef();
      *out = static_cast<CATIOsmExtension*>(this);
      return S_OK;
    }
    return CATBaseUnknown::QueryInterface(iid, out);
  }

  char* GetID() override {
    if (!has_id_) return nullptr;
    char* copy = new char[id_.size() + 1];
    std::memcpy(copy, id_.c_str(), id_.size() + 1);
    return copy;
  }

  const char* IsA() const override { return "CATOsmExtension"; }

 private:
  const bool has_id_;
  const std::string id_;
};

}  // namespace

CATIOsmExtension* CATCreateOsmExtension(const char* id) {
  return new CATOsmExtension(id);
}
