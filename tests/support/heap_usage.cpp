#include "support/heap_usage.h"

#include <malloc.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VXCL_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VXCL_ADDRESS_SANITIZER 1
#endif
#ifdef VXCL_ADDRESS_SANITIZER
#include <sanitizer/allocator_interface.h>
#endif

namespace vxcl::test {

std::size_t HeapBytesInUse() {
#ifdef VXCL_ADDRESS_SANITIZER
  return __sanitizer_get_current_allocated_bytes();
#else
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
#endif
}

}  // namespace vxcl::test
