#ifndef CATLiveObjects_h
#define CATLiveObjects_h

// Which framework objects are alive, for tests that name what they leaked
// (CATTestModel::Leaks). Recording is off until a test turns it on, so that
// making and destroying objects costs no more than a counter otherwise.

#include <vector>

#include "CATBaseUnknown.h"

// Starts (true) or ends (false) the record; ending it forgets every object
// recorded, starting it records the objects made from then on.
void CATRecordLiveObjects(bool on);

// The recorded objects still alive, oldest first. They are valid until the
// next object is destroyed; the caller takes no reference.
std::vector<CATBaseUnknown*> CATRecordedLiveObjects();

// `object` becomes part of another object (an adapter kept by its
// component): it is no longer counted nor recorded on its own.
void CATUncountLiveObject(const CATBaseUnknown* object);
// Counts an uncounted object again, just before it is destroyed (its
// destructor takes it off the count).
void CATCountLiveObjectAgain();

#endif  // CATLiveObjects_h
