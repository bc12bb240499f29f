#ifndef AXO_TEMPORARY_FILES_H
#define AXO_TEMPORARY_FILES_H

// The names of the temporary files through which the backends replace a
// file atomically, shared so that both find each other's leftovers alike.

#include <string>

#include "AXOPlatform.h"

// A temporary file name for a file of the same folder: ".axo-<16
// hexadecimal digits>.tmp", the digits from 64 random bits of `random` (a
// new GUID: Data1 and the last four bytes of Data4). It does not hold the
// replaced file's name, so that it stays 25 bytes long whatever that name's
// length: a name at the file system's limit can still be replaced.
std::string AXOTemporaryFileName(const AXOGuidFields& random);

// True when `entry` (a name in a folder) is a temporary file name that some
// replacement in that folder gives or once gave: the present
// ".axo-<16 hexadecimal digits>.tmp", or of the file named `fileName` the
// older "<fileName>.<1 to 16 hexadecimal digits>.tmp" (which takes in
// "<fileName>.<process id>.tmp" as well).
bool AXOIsTemporaryFileNameOf(const std::string& entry, const std::string& fileName);

#endif  // AXO_TEMPORARY_FILES_H
