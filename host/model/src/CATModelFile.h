#ifndef CATModelFile_h
#define CATModelFile_h

// The document file: one document as JSON text, readable and writable by
// hand (examples/models/README.md describes it). Every field that a test or
// a file can give a document round-trips: a document read and written again
// gives the same bytes on every further write.
//
// The format is extended field by field: a field of the document's objects
// is one row of the field table in CATModelFileFields.cpp (its name, the
// kinds that carry it, how it is read and written). A file written with
// fields that older readers refuse carries a higher version, which they
// name in their refusal.

#include <cstddef>
#include <string>
#include <vector>

#include "CATModelDocument.h"
#include "CATUnicodeString.h"

// The text of the "format" field, and the newest version this program
// reads and the one it writes.
extern const char kCATModelFileFormat[];
// Version 2 added geometry.
constexpr int kCATModelFileVersion = 2;
// How deep containers and children may nest (a container is level 1).
constexpr int kCATModelFileMaxDepth = 200;
// The largest file that is read, in bytes: a bound against absurd inputs
// far beyond any building (a part of 500,000 features is a file of about
// 120 MB), since reading takes up to six times the file's size in memory.
constexpr std::size_t kCATModelFileMaxBytes = std::size_t{1} << 30;

// Reads `bytes`, the file stored at `storageName` (normalized; relative
// references are taken from its folder), into a new document with one
// reference for the caller, not open in the session, with `storageName`
// as its storage name. Null, with `fault` naming the first fault (where
// in the file and what), when the bytes are not such a document, of a
// newer version, damaged or cut short, or give a field of the document or
// of an object twice, or when they hold a NUL byte anywhere (also after
// the document's value: a file padded with zeros is damaged, at the
// first). Takes about six times the size of `bytes` in memory
// at most; callers bound that size with kCATModelFileMaxBytes.
CATModelDocument* CATModelReadFile(const std::string& bytes, const CATUnicodeString& storageName,
                                   std::string& fault);

// Writes `document` as the file to be stored at `storageName`: references
// to documents in its folder or below are written relative to it
// (CATHostPathRelative). False, with `fault` set and `bytes` unspecified,
// when a text is not valid Unicode, the tree is deeper than
// kCATModelFileMaxDepth, or a reference cannot be written.
bool CATModelWriteFile(CATModelDocument& document, const CATUnicodeString& storageName,
                       std::string& bytes, std::string& fault);

// The storage names of the documents that `document`'s links lead into,
// each once, in the order of the tree.
std::vector<CATUnicodeString> CATModelReferencedDocuments(const CATModelDocument& document);

// The number of containers and objects of `document`.
int CATModelCountObjects(const CATModelDocument& document);

#endif  // CATModelFile_h
