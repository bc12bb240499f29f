#ifndef AXOTrsSettingRepository_h
#define AXOTrsSettingRepository_h

// How the library's settings code opens a host settings repository and
// reads, writes and describes one attribute of it. Each operation states
// the repository result it counts as success. A null repository fails every
// operation without touching the host or the caller's buffer.
//
// Repositories belong to the host: the library keeps plain pointers to
// them and never deletes or releases them.

#include "CATSettingInfo.h"
#include "CATSettingRepository.h"
#include "CATString.h"
#include "CATUnicodeString.h"
#include "translatorsettings/AXOTrsSettingDescription.h"

class AXOTrsSettingRepository {
 public:
  // How many values a Unicode text read or write must report: one or more,
  // or exactly one (the last-used-catalog settings).
  enum class TextCount { kOneOrMore, kExactlyOne };

  // The repository `name` (GetRepository(name, 0, 1, null)); null when the
  // host gives none.
  static CATSettingRepository* Open(const char* name);

  // A 32-bit integer in the repository's "long" form. Reads into a scratch
  // value preset from `value` and copies it back only when the repository
  // reports exactly 1 value; `value` is untouched otherwise.
  static bool ReadLong(CATSettingRepository* repository, const char* key, int& value);
  // A 32-bit integer, read directly into `value` (count 1); success when
  // more than 0 values are read. On failure `value` holds what the
  // repository left there (normally the caller's preset).
  static bool ReadInteger(CATSettingRepository* repository, const char* key, int& value);
  // Char text, read directly into `value`; success when more than 0 values
  // are read and the text is not empty.
  static bool ReadString(CATSettingRepository* repository, const char* key, CATString& value);
  // Unicode text, read directly into `value`; success per `count`.
  static bool ReadUnicode(CATSettingRepository* repository, const char* key,
                          CATUnicodeString& value, TextCount count = TextCount::kOneOrMore);

  // Writes (count 1 for numbers, last argument 0); success when the
  // repository reports exactly 1 ("long" form, char text), more than 0
  // (integer), or per `count` (Unicode text). The repository changes in
  // memory only.
  static bool WriteLong(CATSettingRepository* repository, const char* key, int value);
  static bool WriteInteger(CATSettingRepository* repository, const char* key, int value);
  static bool WriteString(CATSettingRepository* repository, const char* key,
                          const CATString& value);
  static bool WriteUnicode(CATSettingRepository* repository, const char* key,
                           const CATUnicodeString& value, TextCount count = TextCount::kOneOrMore);

  // An integer setting as its row describes it: `value` preset with the
  // default, then ReadInteger.
  static bool ReadInteger(CATSettingRepository* repository, const axo_settings::Setting& setting,
                          int& value);
  // The value of the setting that `setting` must exceed (setting.above of
  // `translator`), read with its default preset; the outcome of the read
  // does not count. 0 where there is none.
  static int ReadBound(CATSettingRepository* repository, const axo_settings::Translator& translator,
                       const axo_settings::Setting& setting);
  // WriteInteger, when the setter of `setting` accepts `value` (bound read
  // by ReadBound); false, with nothing written, when it does not.
  static bool WriteInteger(CATSettingRepository* repository,
                           const axo_settings::Translator& translator,
                           const axo_settings::Setting& setting, int value);

  // The host's description of `key` (GetInfo with `option`); success when
  // the repository returns 0.
  static bool GetInfo(CATSettingRepository* repository, const char* key, CATSettingInfo& info,
                      int option);
};

#endif  // AXOTrsSettingRepository_h
