#ifndef CATMathConstant_h
#define CATMathConstant_h

// Contract: every declaration here is the host's.

// Mathematical constants of the host's geometry library.

// Pi, and twice pi (a full turn in radians). Doubling is exact in binary
// floating point, so CAT2PI is the double nearest to 2 pi.
constexpr double CATPI = 3.14159265358979323846;
constexpr double CAT2PI = 2.0 * CATPI;

#endif  // CATMathConstant_h
