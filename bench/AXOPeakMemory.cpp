#include "AXOPeakMemory.h"

#include <cstdlib>
#include <new>

namespace {

// Each block carries its size in front of it, so that delete without a
// size can count it off. The benchmarks run on one thread.
constexpr std::size_t kHeader = alignof(std::max_align_t);

std::size_t allocated = 0;
std::size_t peak = 0;

void* Allocate(std::size_t size) noexcept {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) return nullptr;
  *static_cast<std::size_t*>(block) = size;
  allocated += size;
  if (allocated > peak) peak = allocated;
  return static_cast<char*>(block) + kHeader;
}

void Free(void* pointer) noexcept {
  if (pointer == nullptr) return;
  void* block = static_cast<char*>(pointer) - kHeader;
  allocated -= *static_cast<std::size_t*>(block);
  std::free(block);
}

void* AllocateOrThrow(std::size_t size) {
  void* pointer = Allocate(size);
  if (pointer == nullptr) throw std::bad_alloc();
  return pointer;
}

}  // namespace

AXOPeakMemory::AXOPeakMemory() : start_(allocated) {
  peak = allocated;
}

double AXOPeakMemory::Growth() const {
  return static_cast<double>(peak - start_);
}

void* operator new(std::size_t size) {
  return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
  return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void operator delete(void* pointer) noexcept {
  Free(pointer);
}
void operator delete[](void* pointer) noexcept {
  Free(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
  Free(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
  Free(pointer);
}
void operator delete(void* pointer, const std::nothrow_t&) noexcept {
  Free(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept {
  Free(pointer);
}
