#ifndef CATISysSettingController_h
#define CATISysSettingController_h

// Contract: every declaration here is the host's.

// The host's settings controller interface. Repositories may be bound to
// one when they are opened; the settings code of the add-on always passes
// none, so only the name is needed here.
class CATISysSettingController;

#endif  // CATISysSettingController_h
