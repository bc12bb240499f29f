// The names, keys and entries of a profile map.
#include "profilemap/AXOCorCSVMapEntries.h"

#include <functional>
#include <stdexcept>

#include "foundations/AXOCorHostText.h"

namespace axo_profile_map {

namespace {

// A slot of the map: the entry's index + 1 and the high bits of its hash.
constexpr std::uint64_t kIndexBits = 0xFFFFFFFFu;
constexpr std::uint64_t kHashBits = ~kIndexBits;

std::uint64_t HashOf(std::string_view key) {
  return std::hash<std::string_view>()(key);
}

bool IsAscii(std::string_view bytes) {
  for (const unsigned char c : bytes) {
    if (c >= 0x80) return false;
  }
  return true;
}

bool IsAscii(const std::u32string& chars) {
  for (const char32_t c : chars) {
    if (c >= 0x80) return false;
  }
  return true;
}

// One ASCII character of a normalised key: blanks go, "*" is "x", and
// letters are upper-cased (the host's rules, restricted to ASCII).
void AppendNormalisedAscii(char32_t c, std::string& key) {
  if (c == ' ') return;
  if (c == '*') c = 'x';
  if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
  key.push_back(static_cast<char>(c));
}

// The host's normalisation, for texts beyond ASCII.
void Normalise(CATUnicodeString& text) {
  text = text.Strip(CATUnicodeString::CATStripModeAll);
  text.ReplaceAll("*", "x");
  text.ToUpper();
}

// UTF-8 of `chars`, surrogates included (see the header). False for a
// character that no file text gives.
bool AppendCharacters(const std::u32string& chars, std::string& key) {
  for (const char32_t c : chars) {
    if (c < 0x80) {
      key.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      key.push_back(static_cast<char>(0xC0 | (c >> 6)));
      key.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      if (c >= 0xD800 && c <= 0xDFFF && (c < 0xDC80 || c > 0xDCFF)) return false;
      key.push_back(static_cast<char>(0xE0 | (c >> 12)));
      key.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      key.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c <= 0x10FFFF) {
      key.push_back(static_cast<char>(0xF0 | (c >> 18)));
      key.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      key.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      key.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      return false;
    }
  }
  return true;
}

Source ExportSource(const std::string_view (&fields)[3]) {
  return IsName(fields[2])   ? Source::kField3
         : IsName(fields[1]) ? Source::kField2
                             : Source::kField1;
}

}  // namespace

bool IsName(std::string_view field) {
  if (field.size() < 2) return false;
  // A character takes at most four bytes, so five bytes hold two.
  if (field.size() > 4 || IsAscii(field)) return true;
  return AXOCorTextOfBytes(field).GetLengthInChar() >= 2;
}

std::string_view ExportName(const std::string_view (&fields)[3]) {
  return fields[static_cast<int>(ExportSource(fields)) - 1];
}

void AppendKey(std::string_view bytes, std::string& key) {
  if (IsAscii(bytes)) {
    key.append(bytes);
  } else {
    AppendCharacters(AXOCorCodePoints(AXOCorTextOfBytes(bytes)), key);
  }
}

void AppendNormalisedKey(std::string_view bytes, std::string& key) {
  if (IsAscii(bytes)) {
    for (const char c : bytes) AppendNormalisedAscii(static_cast<char32_t>(c), key);
    return;
  }
  CATUnicodeString text = AXOCorTextOfBytes(bytes);
  Normalise(text);
  AppendCharacters(AXOCorCodePoints(text), key);
}

bool AppendKey(const CATUnicodeString& text, std::string& key) {
  return AppendCharacters(AXOCorCodePoints(text), key);
}

bool AppendNormalisedKey(const CATUnicodeString& text, std::string& key) {
  const std::u32string chars = AXOCorCodePoints(text);
  if (IsAscii(chars)) {
    for (const char32_t c : chars) AppendNormalisedAscii(c, key);
    return true;
  }
  CATUnicodeString normalised = text;
  Normalise(normalised);
  return AppendCharacters(AXOCorCodePoints(normalised), key);
}

void ProfileMap::Add(const std::string_view (&fields)[3], int line) {
  if (direction_ == Direction::kImport) {
    ForEachImportKey(fields, key_,
                     [&](const std::string&, Source source) { Insert(fields[0], line, source); });
    return;
  }
  key_.clear();
  AppendKey(fields[0], key_);
  const Source source = ExportSource(fields);
  Insert(fields[static_cast<int>(source) - 1], line, source);
}

void ProfileMap::Insert(std::string_view value, int line, Source source) {
  if (2 * (entries_.size() + 1) > slots_.size()) Rehash(slots_.empty() ? 64 : 2 * slots_.size());
  const std::uint64_t hash = HashOf(key_);
  const std::size_t slot = Locate(key_, hash);
  if (slots_[slot] != 0) {
    // Export: the first record of a name wins. Import: a key from a higher
    // field displaces one from a lower field; lines are added in order, so
    // among keys from the same field the earliest stays.
    MapEntry& entry = entries_[(slots_[slot] & kIndexBits) - 1];
    if (direction_ == Direction::kImport && entry.source < source) {
      entry.value.assign(value);
      entry.line = line;
      entry.source = source;
    }
    return;
  }
  entries_.push_back(MapEntry{key_, std::string(value), hash, line, source});
  slots_[slot] = (hash & kHashBits) | entries_.size();
}

std::size_t ProfileMap::Locate(std::string_view key, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const std::uint64_t held = slots_[slot];
    if (held == 0) return slot;
    if ((held & kHashBits) == (hash & kHashBits) && entries_[(held & kIndexBits) - 1].key == key) {
      return slot;
    }
  }
}

void ProfileMap::Reserve(std::size_t records) {
  const std::size_t entries =
      entries_.size() + records * (direction_ == Direction::kImport ? 3 : 1);
  std::size_t slots = slots_.empty() ? 64 : slots_.size();
  while (2 * entries > slots) slots *= 2;
  if (slots != slots_.size()) Rehash(slots);
}

void ProfileMap::Rehash(std::size_t slots) {
  // An entry's index + 1 must fit the slot's 32 bits.
  if (entries_.size() >= kIndexBits) throw std::length_error("profile map too large");
  slots_.assign(slots, 0);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t index = 0; index < entries_.size(); ++index) {
    std::size_t slot = entries_[index].hash & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = (entries_[index].hash & kHashBits) | (index + 1);
  }
}

const MapEntry* ProfileMap::Find(std::string_view key) const {
  if (slots_.empty()) return nullptr;
  const std::uint64_t held = slots_[Locate(key, HashOf(key))];
  return held != 0 ? &entries_[(held & kIndexBits) - 1] : nullptr;
}

}  // namespace axo_profile_map
