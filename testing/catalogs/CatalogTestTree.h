#ifndef CatalogTestTree_h
#define CatalogTestTree_h

// A temporary folder for the catalog tests whose subfolders serve as the
// startup paths ("CATStartupPath"); the variable is removed again with the
// folder at the end of the test.

#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestTempFolder.h"

class CatalogTestTree : public AXOTestTempFolder {
 public:
  ~CatalogTestTree() { AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr); }

  // Sets "CATStartupPath" to the host paths of `relatives`, joined by ";".
  void SetStartupPaths(const std::vector<std::string>& relatives) const {
    std::string value;
    for (const std::string& relative : relatives) {
      if (!value.empty()) value += ";";
      value += Host(relative);
    }
    AXOPlatform::Get()->SetEnv("CATStartupPath", value.c_str());
  }
};

#endif  // CatalogTestTree_h
