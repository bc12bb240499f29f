#ifndef AXO_FILE_SIZES_H
#define AXO_FILE_SIZES_H

// Sizes of files as the backends' messages give them.

#include <cstddef>
#include <string>

#include "AXOStatus.h"

// `bytes` in the largest binary unit that divides it: "1 GiB", "64 KiB",
// "1000 bytes".
std::string AXOSizeText(std::size_t bytes);

// kTooLarge for `subject`: "larger than <limit>".
AXOStatus AXOFileTooLarge(const std::string& subject, std::size_t limit);

#endif  // AXO_FILE_SIZES_H
