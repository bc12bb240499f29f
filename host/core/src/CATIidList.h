#ifndef CATIidList_h
#define CATIidList_h

// A list of entries, each for a different interface, with an index from
// interface to entry: finding the entry of an interface, or learning that
// there is none, takes one or two probes of a small table instead of
// comparing the interface with every entry's. The object model asks such
// lists on every QueryInterface (the interfaces of a component, the
// dictionary's entries by interface).

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "CATObjectModelInternal.h"

// E has a member `IID iid`.
template <class E>
class CATIidList {
 public:
  // The entry of `iid`; null when there is none. Valid until the list
  // changes.
  const E* Find(const IID& iid) const {
    if (slots_.empty()) return nullptr;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = SlotOf(iid, mask);; slot = (slot + 1) & mask) {
      const std::uint32_t taken = slots_[slot];
      if (taken == 0) return nullptr;
      const E& entry = entries_[taken - 1];
      if (CATSameIid(entry.iid, iid)) return &entry;
    }
  }
  E* Find(const IID& iid) {
    return const_cast<E*>(static_cast<const CATIidList&>(*this).Find(iid));
  }

  // Adds `entry` last; no entry may have its interface yet.
  E& Add(E entry) {
    entries_.push_back(std::move(entry));
    if (slots_.size() < 2 * entries_.size()) {
      Reindex();
    } else {
      Index(entries_.size() - 1);
    }
    return entries_.back();
  }
  // Removes `entry` (found in this list); the others keep their order.
  void Erase(const E* entry) {
    entries_.erase(entries_.begin() + (entry - entries_.data()));
    Reindex();
  }

  // The entries, oldest first.
  const std::vector<E>& Entries() const { return entries_; }

 private:
  // Both words of the identifier: interfaces of one family often share
  // the first and differ only in the second.
  static std::size_t SlotOf(const IID& iid, std::size_t mask) {
    std::uint64_t words[2];
    std::memcpy(words, &iid, sizeof words);
    const std::uint64_t mixed = (words[0] ^ words[1]) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(mixed >> 32) & mask;
  }
  // Places entry `index` in the table, which has room for it.
  void Index(std::size_t index) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = SlotOf(entries_[index].iid, mask);
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = static_cast<std::uint32_t>(index + 1);
  }
  // Sizes the table for the entries (a power of two, at least twice their
  // number, so that most probes end at once) and fills it.
  void Reindex() {
    std::size_t size = 4;
    while (size < 2 * entries_.size()) size *= 2;
    slots_.assign(size, 0);
    for (std::size_t i = 0; i < entries_.size(); ++i) Index(i);
  }

  std::vector<E> entries_;
  // Each slot is 0 (empty) or an entry's index plus one.
  std::vector<std::uint32_t> slots_;
};

#endif  // CATIidList_h
