#ifndef CATSettingFiles_h
#define CATSettingFiles_h

// Where the stand-in keeps settings repositories on disk, and how it loads
// and saves one (see CATSettingRepository.h for the folders and
// CATSettingFormat.h for the file's text).

#include <string>

#include "CATSettingValue.h"

// The native path of the repository `name` in the user's settings folder,
// looked up anew at each call so that the environment may change.
std::string CATUserSettingFile(const std::string& name);

// The native path of the repository `name` in the administrator's folder
// ("CATReferenceSettingPath"); empty when that variable is not set or empty.
std::string CATAdminSettingFile(const std::string& name);

// The contents of the file at `nativePath`; empty when the file is missing,
// unreadable or not a settings file.
CATSettingMap CATLoadSettingFile(const std::string& nativePath);

// Replaces the file at `nativePath` atomically with `settings`, creating
// its folder first when `createFolder` is set. False when it fails; the
// file is then as it was.
bool CATSaveSettingFile(const std::string& nativePath, const CATSettingMap& settings,
                        bool createFolder);

#endif  // CATSettingFiles_h
