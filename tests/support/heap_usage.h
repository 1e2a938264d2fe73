// The bytes the process holds on its heap (malloc and operator new alike),
// for tests that check memory stays flat.
#ifndef VXCL_TESTS_HEAP_USAGE_H
#define VXCL_TESTS_HEAP_USAGE_H

#include <cstddef>

namespace vxcl::test {

// Under AddressSanitizer its allocator's count, else glibc's (mapped
// blocks included).
std::size_t HeapBytesInUse();

}  // namespace vxcl::test

#endif
