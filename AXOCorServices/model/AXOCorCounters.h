#ifndef AXOCorCounters_h
#define AXOCorCounters_h

// Counter files: where they lie and how they hand out numbers. An internal
// unit: linked into the library and into its tools, never exported.

#include <cstdint>
#include <string>

#include "AXOStatus.h"
#include "CATListOfCATUnicodeString.h"
#include "CATUnicodeString.h"

namespace axo_counters {

// The folder of the counter files below each startup path.
constexpr char kCounterFolder[] = "IDSequenceNumbers";

// True when the counter name `name` stays inside the counter folder:
// sub-folders are allowed ("Doors\FrameID"), but not a step up ("..", also
// with dots or blanks added, which Windows drops from the end of a name), a
// root ("\x", "/x"), a drive or stream (":") or a NUL character.
bool IsCounterName(const std::string& name);

// Reserves `count` numbers from the counter file at `hostPath` under the
// lock of AXOPlatform::UpdateFileExclusively, so that no two callers get
// the same number: ok with `first` the first of them, the file holding the
// last. A read-only counter is made writable (0600) first, which only its
// owner may do. Otherwise the reason, `first` -1 and the counter as it was,
// byte for byte: the file's own status (kNotFound, kLocked ...), kDamaged
// for a number no counter holds, kTooLarge when the count would pass
// 2147483647, kInvalidArgument for a negative count.
AXOStatus ReserveNumbers(const CATUnicodeString& hostPath, long count, std::int64_t& first);

// Whether ReserveNumbers could advance the counter file at `hostPath`,
// found out without changing it: ok when it can be read, holds a number
// that a counter holds, and is writable or can be made writable (then
// `madeWritable` is true: its owner runs the reservation); otherwise the
// reason, as ReserveNumbers would give it.
AXOStatus CheckCounterAdvances(const CATUnicodeString& hostPath, bool& madeWritable);

// Reserves from "<startup path>\IDSequenceNumbers\<name>" of the first of
// `startupPaths` whose counter can be advanced. On failure the reason of
// the first counter file that is there and could not be advanced, else
// kNotFound (no startup path holds it); kInvalidArgument, touching nothing,
// for a name that is no counter name.
AXOStatus ReserveFromStartupPaths(const CATListValCATUnicodeString& startupPaths,
                                  const CATUnicodeString& name, long count, std::int64_t& first);

}  // namespace axo_counters

#endif  // AXOCorCounters_h
