#ifndef AXOCorCSVMapEntries_h
#define AXOCorCSVMapEntries_h

// The map that a profile map file gives in one direction, and the rules for
// its names and keys. An internal unit: linked into the library and into
// its tools, never exported.
//
// Export: key field 1, value field 3, else field 2, else field 1, where a
// field of fewer than two characters counts as absent. The first record of
// a name wins.
// Import: keys normalised field 3, field 2 as written and field 1, each
// giving field 1. For one key an entry from field 3 beats one from field 2,
// which beats one from field 1; among entries from the same field the
// earliest line wins.
//
// Normalising a name removes every blank, turns "*" into "x" and upper-cases
// it as the host does: "w 10*12" => "W10X12".
//
// Keys are bytes: the characters of the text in UTF-8, where a byte of the
// file that is not valid UTF-8 (which the host keeps as the character
// U+DC00 + byte) is written as that character's three bytes. Two texts have
// the same key exactly when the host holds them as the same characters, and
// keys order as their characters do.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "CATUnicodeString.h"

namespace axo_profile_map {

// Whether a foreign-name field names something: two characters or more.
bool IsName(std::string_view field);

// The name that an export gives for a record's fields.
std::string_view ExportName(const std::string_view (&fields)[3]);

// Appends the key of file text resp. of its normalised form to `key`.
void AppendKey(std::string_view bytes, std::string& key);
void AppendNormalisedKey(std::string_view bytes, std::string& key);
// The same for a host text. False, `key` unusable, when the text holds a
// character that no file text gives (an unpaired surrogate other than
// those of bytes that are not UTF-8, or a value above U+10FFFF), so that no
// key can match it.
bool AppendKey(const CATUnicodeString& text, std::string& key);
bool AppendNormalisedKey(const CATUnicodeString& text, std::string& key);

enum class Direction { kImport, kExport };

// The field a key (import) or a value (export) comes from.
enum class Source : unsigned char { kField1 = 1, kField2 = 2, kField3 = 3 };

// Calls visit(key, source) for each key that a record with `fields` gives
// on import, in the order they are added: normalised field 3, field 2 as
// written, field 1 (the first two only when they are names). `key` holds
// each key in turn.
template <class Visit>
void ForEachImportKey(const std::string_view (&fields)[3], std::string& key, Visit visit) {
  if (IsName(fields[2])) {
    key.clear();
    AppendNormalisedKey(fields[2], key);
    visit(key, Source::kField3);
  }
  if (IsName(fields[1])) {
    key.clear();
    AppendKey(fields[1], key);
    visit(key, Source::kField2);
  }
  key.clear();
  AppendKey(fields[0], key);
  visit(key, Source::kField1);
}

struct MapEntry {
  std::string key;
  std::string value;       // as written in the file
  std::uint64_t hash = 0;  // of the key
  int line = 0;            // the line it comes from, counted from 1
  Source source = Source::kField1;
};

// A hash map of keys to entries, filled record by record. Standard-container
// exceptions (allocation) pass to the caller.
class ProfileMap {
 public:
  explicit ProfileMap(Direction direction) : direction_(direction) {}

  // Adds the entries of the record with `fields`, read on line `line`.
  void Add(const std::string_view (&fields)[3], int line);

  // Sizes the table for the entries of `records` more records, so that
  // adding them places no entry again.
  void Reserve(std::size_t records);

  // The entry of `key`, or null.
  const MapEntry* Find(std::string_view key) const;
  // Every entry, in the order their keys were first added.
  const std::deque<MapEntry>& entries() const { return entries_; }

 private:
  void Insert(std::string_view value, int line, Source source);
  // The slot holding `key`, or the empty slot where it belongs.
  std::size_t Locate(std::string_view key, std::uint64_t hash) const;
  // Gives the table `slots` slots (a power of two, more than twice the
  // entries) and places every entry again.
  void Rehash(std::size_t slots);

  Direction direction_;
  // A deque: an entry added never moves the others, so that a map of
  // millions of entries is not copied at each growth.
  std::deque<MapEntry> entries_;
  // Open addressing with linear probing, at most half full. A slot holds 0
  // when empty, else the entry's index + 1 in its low 32 bits and the high
  // 32 bits of the key's hash, which spare most key comparisons.
  std::vector<std::uint64_t> slots_;
  std::string key_;  // the key being added
};

}  // namespace axo_profile_map

#endif  // AXOCorCSVMapEntries_h
