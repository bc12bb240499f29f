#ifndef CATInterfaceFamily_h
#define CATInterfaceFamily_h

// Interface ids of a family of the stand-in's interfaces (the model's, the
// geometry's, the catalogs'): each family states one id of its own, and its
// members count up from it in Data1.

#include "CATBaseUnknown.h"

constexpr IID CATFamilyIID(const IID& family, std::uint32_t member) {
  return {family.Data1 + member,
          family.Data2,
          family.Data3,
          {family.Data4[0], family.Data4[1], family.Data4[2], family.Data4[3], family.Data4[4],
           family.Data4[5], family.Data4[6], family.Data4[7]}};
}

#endif  // CATInterfaceFamily_h
