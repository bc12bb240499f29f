#ifndef AXO_TEMPORARY_FILES_H
#define AXO_TEMPORARY_FILES_H

// The names of the temporary files through which the backends replace a
// file atomically, shared so that both find each other's leftovers alike.

#include <string>

#include "AXOPlatform.h"

// A temporary file name for the file named `fileName` (a name, no folder):
// "<fileName>.<16 hexadecimal digits>.tmp", the digits from 64 random bits
// of `random` (a new GUID: Data1 and the last four bytes of Data4).
std::string AXOTemporaryFileName(const std::string& fileName, const AXOGuidFields& random);

// True when `entry` (a name in the same folder) is a temporary file name of
// `fileName`: "<fileName>.<1 to 16 hexadecimal digits>.tmp", which takes in
// the older "<fileName>.<process id>.tmp" as well.
bool AXOIsTemporaryFileNameOf(const std::string& entry, const std::string& fileName);

#endif  // AXO_TEMPORARY_FILES_H
