#include "CATPathElement.h"

CATPathElement::CATPathElement(const CATListValCATBaseUnknown_var& objects) {
  for (int i = 1; i <= objects.Size(); ++i) {
    if (!!objects[i]) objects_.push_back(objects[i]);
  }
}

int CATPathElement::GetSize() const {
  return static_cast<int>(objects_.size());
}

CATBaseUnknown* CATPathElement::Search(const IID& iid) const {
  for (const CATBaseUnknown_var& object : objects_) {
    void* out = nullptr;
    if (SUCCEEDED(object->QueryInterface(iid, &out))) return static_cast<CATBaseUnknown*>(out);
  }
  return nullptr;
}
