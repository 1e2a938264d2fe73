// Makes the process's allocations fail on demand, to show that a failed
// allocation inside a call is answered with a result code.
#ifndef VXCL_TESTS_FAILING_ALLOCATOR_H
#define VXCL_TESTS_FAILING_ALLOCATOR_H

namespace vxcl::test {

// While alive, every allocation after the first `allowed` ones throws
// std::bad_alloc.
class FailingAllocations {
 public:
  explicit FailingAllocations(long allowed = 0);
  ~FailingAllocations();
  FailingAllocations(const FailingAllocations&) = delete;
  FailingAllocations& operator=(const FailingAllocations&) = delete;
};

// Blocks allocated by operator new and not yet deleted, process-wide: a
// count that grows from one round of the same work to the next is a leak.
long LiveAllocations();

}  // namespace vxcl::test

#endif
