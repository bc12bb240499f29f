// Directory listings. The entries are read and sorted when the directory
// is opened, so a listing does not change while it is read.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AXOPlatform.h"
#include "CATLib.h"

namespace {

struct Listing {
  std::vector<std::string> names;
  std::size_t next = 0;
};

}  // namespace

int CATOpenDirectory(const char* path, CATDirectory* directory) {
  if (directory == nullptr) return -1;
  CATCloseDirectory(directory);
  if (path == nullptr || *path == '\0') return -1;
  AXOPlatform* platform = AXOPlatform::Get();
  auto listing = std::make_unique<Listing>();
  std::vector<AXOFolderEntry> entries;
  if (!platform->ListFolder(platform->NativePath(path), entries).ok()) return -1;
  for (AXOFolderEntry& entry : entries) listing->names.push_back(std::move(entry.name));
  listing->names.erase(
      std::remove_if(listing->names.begin(), listing->names.end(),
                     [](const std::string& name) { return name.size() >= CAT_MAX_PATH; }),
      listing->names.end());
  std::sort(listing->names.begin(), listing->names.end());
  directory->impl = listing.release();
  return 0;
}

int CATReadDirectory(CATDirectory* directory, CATDirectoryEntry* entry, int* endFlag) {
  if (directory == nullptr || directory->impl == nullptr || entry == nullptr) return -1;
  Listing& listing = *static_cast<Listing*>(directory->impl);
  if (listing.next >= listing.names.size()) return -1;
  const std::string& name = listing.names[listing.next++];
  std::memcpy(entry->name, name.c_str(), name.size() + 1);
  if (endFlag != nullptr) *endFlag = listing.next == listing.names.size() ? 1 : 0;
  return 0;
}

int CATCloseDirectory(CATDirectory* directory) {
  if (directory == nullptr || directory->impl == nullptr) return -1;
  delete static_cast<Listing*>(directory->impl);
  directory->impl = nullptr;
  return 0;
}
