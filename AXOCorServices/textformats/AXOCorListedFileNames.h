#ifndef AXOCorListedFileNames_h
#define AXOCorListedFileNames_h

// The entries of a directory, listed once with their kinds, so that
// whether a file of a given name exists there is mostly answered without
// asking the file system for that name.
//
// The listing answers only for names that no system could know by another
// spelling: printable ASCII without "\", "/", ":" or "~" (short names), not
// ending in "." or " " (which some systems drop), short enough to be
// listed. Such a name is absent when no entry bears it with ASCII letters
// folded to lower case (so the answer holds where the file system ignores
// letter case), a file or not when an entry bears it exactly and the
// listing tells the entry's kind. Every other case is left to the caller
// (kAsk): other names, an entry spelt in another letter case, an entry of
// unknown kind (a symbolic link), a directory that could not be listed.

#include <cstdint>
#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "CATUnicodeString.h"

class AXOCorListedFileNames {
 public:
  enum Answer { kAbsent, kFile, kNotFile, kAsk };

  // Lists `directory` (a host path).
  explicit AXOCorListedFileNames(const CATUnicodeString& directory);

  // What the listing tells of the entry called `name` (UTF-8).
  Answer Find(const std::string& name) const;

 private:
  // The slot of `name` in `slots_` compared without letter case: the one
  // that holds an entry of that name, or the empty one where it would go.
  std::size_t SlotOf(const std::string& name) const;

  bool listed_ = false;
  std::vector<AXOFolderEntry> entries_;
  std::vector<bool> several_;  // entries that others match but for letter case
  // An open-addressing table of the entries by their folded names: entry
  // index + 1 per slot, 0 for an empty slot; its size a power of two, at
  // least twice the entries. Built once, probed per name without copies.
  std::vector<std::uint32_t> slots_;
};

#endif  // AXOCorListedFileNames_h
