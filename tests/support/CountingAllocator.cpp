#include "CountingAllocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> bytesHeld{0};
std::atomic<std::size_t> mostHeld{0};

// Every block carries its size in front of it, so that a release can count it off.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) return nullptr;
  *static_cast<std::size_t*>(block) = size;
  std::size_t held = bytesHeld += size;
  std::size_t most = mostHeld.load();
  while (held > most && !mostHeld.compare_exchange_weak(most, held)) {
  }
  return static_cast<char*>(block) + kHeader;
}

void Release(void* pointer) {
  if (pointer == nullptr) return;
  void* block = static_cast<char*>(pointer) - kHeader;
  bytesHeld -= *static_cast<std::size_t*>(block);
  std::free(block);
}

}  // namespace

void* operator new(std::size_t size) {
  if (void* pointer = Allocate(size)) return pointer;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* pointer) noexcept { Release(pointer); }
void operator delete[](void* pointer) noexcept { Release(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Release(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { Release(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { Release(pointer); }

namespace testsupport {

std::size_t BytesHeld() { return bytesHeld.load(); }
void ResetMostBytesHeld() { mostHeld = bytesHeld.load(); }
std::size_t MostBytesHeld() { return mostHeld.load(); }

}  // namespace testsupport
