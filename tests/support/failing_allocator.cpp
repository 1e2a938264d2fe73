#include "support/failing_allocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
// Negative: allocations never fail.
std::atomic<long> allowedAllocations{-1};
std::atomic<long> liveAllocations{0};
}  // namespace

void* operator new(std::size_t size) {
  long allowed = allowedAllocations.load();
  while (allowed >= 0) {
    if (allowed == 0) throw std::bad_alloc();
    if (allowedAllocations.compare_exchange_weak(allowed, allowed - 1)) break;
  }
  if (void* p = std::malloc(size ? size : 1)) {
    ++liveAllocations;
    return p;
  }
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
  if (p) --liveAllocations;
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

// Every form of new and delete goes through the two above, so no block is
// taken by one allocator and given back to another.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return operator new(size);
  } catch (...) {
    return nullptr;
  }
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return operator new(size, std::nothrow);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  operator delete(p);
}
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  operator delete(p);
}

namespace vxcl::test {

FailingAllocations::FailingAllocations(long allowed) {
  allowedAllocations = allowed;
}

FailingAllocations::~FailingAllocations() { allowedAllocations = -1; }

long LiveAllocations() { return liveAllocations.load(); }

}  // namespace vxcl::test
