#ifndef CATListVal_h
#define CATListVal_h

// Contract: every declaration here is the host's.

// The host's value lists: ordered copies, duplicates allowed, positions
// counted from 1. Used as CATListValCATUnicodeString and as the object lists
// (CATListValCATBaseUnknown_var ...).

#include <stdexcept>
#include <vector>

template <class T>
class CATListVal {
 public:
  CATListVal() = default;

  void Append(const T& value) { items_.push_back(value); }
  void Append(const CATListVal& other) {
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
  }
  // Inserts before `position` (1 to Size() + 1).
  void InsertAt(int position, const T& value) {
    CheckPosition(position, Size() + 1);
    items_.insert(items_.begin() + (position - 1), value);
  }

  int Size() const { return static_cast<int>(items_.size()); }

  // Positions run from 1 to Size(); others throw std::out_of_range.
  T& operator[](int position) {
    CheckPosition(position, Size());
    return items_[static_cast<size_t>(position - 1)];
  }
  const T& operator[](int position) const {
    CheckPosition(position, Size());
    return items_[static_cast<size_t>(position - 1)];
  }

  // Position of the first element equal to `value` at or after `from`, or 0.
  int Locate(const T& value, int from = 1) const {
    for (int i = from < 1 ? 1 : from; i <= Size(); ++i) {
      if (items_[static_cast<size_t>(i - 1)] == value) return i;
    }
    return 0;
  }

  // Drops every element equal to an earlier one; the first stays in place.
  // Returns how many were dropped.
  int RemoveDuplicates() {
    std::vector<T> kept;
    kept.reserve(items_.size());
    for (const T& item : items_) {
      bool seen = false;
      for (const T& k : kept) {
        if (k == item) {
          seen = true;
          break;
        }
      }
      if (!seen) kept.push_back(item);
    }
    const int dropped = Size() - static_cast<int>(kept.size());
    items_.swap(kept);
    return dropped;
  }

  void RemovePosition(int position) {
    CheckPosition(position, Size());
    items_.erase(items_.begin() + (position - 1));
  }
  void RemoveAll() { items_.clear(); }

  bool operator==(const CATListVal& other) const { return items_ == other.items_; }

 private:
  static void CheckPosition(int position, int last) {
    if (position < 1 || position > last) throw std::out_of_range("CATListVal position");
  }

  std::vector<T> items_;
};

#endif  // CATListVal_h
