#include "CATError.h"

#include <cstring>

CATError::CATError(const CATUnicodeString& message) : message_(message) {}

CATError::~CATError() = default;

const char* CATError::IsA() const {
  return ClassName();
}

int CATError::IsAKindOf(const char* className) const {
  if (className != nullptr && std::strcmp(className, ClassName()) == 0) return 1;
  return CATBaseUnknown::IsAKindOf(className);
}

CATUnicodeString CATError::GetNLSMessage() const {
  return message_;
}

void CATThrow(CATError* error) {
  throw error != nullptr ? error : new CATError(CATUnicodeString());
}

void Flush(CATError* error) {
  if (error != nullptr) error->Release();
}
