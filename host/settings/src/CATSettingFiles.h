#ifndef CATSettingFiles_h
#define CATSettingFiles_h

// Where the stand-in keeps settings repositories on disk, and how it loads
// and saves one (see CATSettingRepository.h for the folders and
// CATSettingFormat.h for the file's text).

#include <string>
#include <vector>

#include "AXOStatus.h"
#include "CATSettingValue.h"

// The native path of the repository `name` in the user's settings folder,
// looked up anew at each call so that the environment may change.
std::string CATUserSettingFile(const std::string& name);

// The native path of the repository `name` in the administrator's folder
// ("CATReferenceSettingPath"); empty when that variable is not set or empty.
std::string CATAdminSettingFile(const std::string& name);

enum class CATSettingFileRead {
  kRead,        // a settings file (an empty file counts as one without settings)
  kMissing,     // no file of that name
  kUnreadable,  // there, but no right to read it, a read error, not a
                // regular file, or not the text of a settings file
};

// Reads the file at `nativePath` into `settings`, which is emptied first
// and stays empty unless the result is kRead.
CATSettingFileRead CATReadSettingFile(const std::string& nativePath, CATSettingMap& settings);

// Replaces the file at `nativePath` atomically with `settings`, creating
// its folder first when `createFolder` is set. A file there that cannot be
// read is never replaced: it is first set aside under the next free name of
// "<file>.unreadable", "<file>.unreadable-2", "<file>.unreadable-3", ...
// in the same folder. A status that is not ok when a step fails; the file
// is then as it was, or set aside.
AXOStatus CATSaveSettingFile(const std::string& nativePath, const CATSettingMap& settings,
                             bool createFolder);

// Appends to `files` the files of the repository file `nativePath` that
// cannot be read: the file itself when it is there and cannot be read now,
// then its copies set aside by earlier saves, in the order they were set
// aside. Reads and changes nothing else.
void CATListUnreadableSettingFiles(const std::string& nativePath, std::vector<std::string>& files);

#endif  // CATSettingFiles_h
