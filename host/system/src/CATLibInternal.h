#ifndef CATLibInternal_h
#define CATLibInternal_h

// Helpers shared by the stand-in's CATLib files.

struct AXOFileStatus;

// The status of the file at `hostPath` through the platform (one query of
// the system); false when nothing of that name can be reached.
bool CATFileStatus(const char* hostPath, AXOFileStatus& status);

#endif  // CATLibInternal_h
