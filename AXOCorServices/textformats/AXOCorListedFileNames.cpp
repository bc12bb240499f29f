#include "textformats/AXOCorListedFileNames.h"

#include "CATLib.h"
#include "foundations/AXOCorNativeFiles.h"

namespace {

char Folded(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// FNV-1a of the name with letters folded.
std::size_t FoldedHash(const std::string& name) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : name) {
    hash ^= static_cast<unsigned char>(Folded(c));
    hash *= 1099511628211ull;
  }
  return static_cast<std::size_t>(hash ^ (hash >> 29));
}

bool SameFolded(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Folded(a[i]) != Folded(b[i])) return false;
  }
  return true;
}

bool AnsweredByListing(const std::string& name) {
  if (name.empty() || name.size() >= CAT_MAX_PATH - 1) return false;
  if (name.back() == '.' || name.back() == ' ') return false;
  for (const char c : name) {
    // Control characters, "~" and what lies beyond ASCII end the answer.
    if (c < ' ' || c >= '~' || c == '\\' || c == '/' || c == ':') return false;
  }
  return true;
}

}  // namespace

AXOCorListedFileNames::AXOCorListedFileNames(const CATUnicodeString& directory) {
  const std::string native = AXONativePath(directory);
  listed_ = !native.empty() && AXOPlatform::Get()->ListFolder(native, entries_).ok();
  several_.assign(entries_.size(), false);
  std::size_t size = 16;
  while (size < 2 * entries_.size()) size *= 2;
  slots_.assign(size, 0);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    std::uint32_t& slot = slots_[SlotOf(entries_[i].name)];
    if (slot != 0) {
      several_[slot - 1] = true;
      continue;
    }
    slot = static_cast<std::uint32_t>(i + 1);
  }
}

std::size_t AXOCorListedFileNames::SlotOf(const std::string& name) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = FoldedHash(name) & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t entry = slots_[slot];
    if (entry == 0 || SameFolded(entries_[entry - 1].name, name)) return slot;
  }
}

AXOCorListedFileNames::Answer AXOCorListedFileNames::Find(const std::string& name) const {
  if (!listed_ || !AnsweredByListing(name)) return kAsk;
  const std::uint32_t entry = slots_[SlotOf(name)];
  if (entry == 0) return kAbsent;
  const std::size_t index = entry - 1;
  if (several_[index] || entries_[index].name != name) return kAsk;
  if (entries_[index].kind == AXOFileStatus::kRegular) return kFile;
  return entries_[index].kind == AXOFileStatus::kDirectory ? kNotFile : kAsk;
}
