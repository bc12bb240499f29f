#ifndef CatalogTestTree_h
#define CatalogTestTree_h

// A temporary folder tree for the catalog tests, removed again at the end
// of the test, and the "CATStartupPath" value that points into it.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "AXOPlatform.h"

class CatalogTestTree {
 public:
  CatalogTestTree() {
    std::random_device random;
    root_ = std::filesystem::temp_directory_path() /
            ("axo-catalogs-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(root_);
  }
  ~CatalogTestTree() {
    AXOPlatform::Get()->SetEnv("CATStartupPath", nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  CatalogTestTree(const CatalogTestTree&) = delete;
  CatalogTestTree& operator=(const CatalogTestTree&) = delete;

  // Creates an empty file, and its folders, at `relative` ("/"-separated).
  void AddFile(const std::string& relative) {
    const std::filesystem::path file = root_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file).put('x');
  }
  void AddFolder(const std::string& relative) {
    std::filesystem::create_directories(root_ / relative);
  }
  void Remove(const std::string& relative) { std::filesystem::remove_all(root_ / relative); }

  // The host path of `relative` below the root ("" for the root itself).
  std::string HostPath(const std::string& relative = "") const {
    std::string path = root_.string();
    if (!relative.empty()) path += "\\" + relative;
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
    return path;
  }

  // Sets "CATStartupPath" to the host paths of `relatives`, joined by ";".
  void SetStartupPaths(const std::vector<std::string>& relatives) const {
    std::string value;
    for (const std::string& relative : relatives) {
      if (!value.empty()) value += ";";
      value += HostPath(relative);
    }
    AXOPlatform::Get()->SetEnv("CATStartupPath", value.c_str());
  }

 private:
  std::filesystem::path root_;
};

#endif  // CatalogTestTree_h
