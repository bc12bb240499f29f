#include "CATFileFailure.h"

namespace {

AXOStatus& LastFailure() {
  thread_local AXOStatus failure;
  return failure;
}

}  // namespace

const AXOStatus& CATLastFileFailure() {
  return LastFailure();
}

const AXOStatus& CATNoteFileFailure(const AXOStatus& status) {
  LastFailure() = status;
  return LastFailure();
}
