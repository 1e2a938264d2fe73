// The only door between the C interface and the library's C++: every call
// takes the library's lock, and nothing thrown inside a call may leave it.
#ifndef VXCL_EXPORTS_EXPORT_GUARD_H
#define VXCL_EXPORTS_EXPORT_GUARD_H

#include <exception>
#include <mutex>
#include <new>

#include "job/last_error.h"
#include "job/result_code.h"

namespace vxcl {

// One lock for the whole process, held for the whole of every call. Calls
// from several host threads take turns, so none sees the job half-changed.
// It is recursive: host code that a submission's wait runs (an event
// handler on the calling thread) may call the library again.
std::recursive_mutex& ExportLock() noexcept;

// Runs `body` under the lock; any exception is recorded for VxclLastError,
// `onFailure` restores a consistent state, and `failureCode` is returned.
template <class Body, class OnFailure>
int Guarded(int failureCode, Body&& body, OnFailure&& onFailure) noexcept {
  std::unique_lock<std::recursive_mutex> lock(ExportLock(), std::defer_lock);
  try {
    lock.lock();
  } catch (...) {
    return failureCode;  // not even the last error may be touched unlocked
  }
  try {
    return body();
  } catch (const std::bad_alloc&) {
    RecordLastError("out of memory");
  } catch (const std::exception& error) {
    RecordLastError(error.what());
  } catch (...) {
    RecordLastError("unexpected failure");
  }
  try {
    onFailure();
  } catch (...) {
  }
  return failureCode;
}

template <class Body>
int Guarded(int failureCode, Body&& body) noexcept {
  return Guarded(failureCode, static_cast<Body&&>(body), [] {});
}

// For the drawing calls: elements are built whole before they are appended,
// so a failure leaves the job as it was.
template <class Body>
int GuardedElement(Body&& body) noexcept {
  return Guarded(kInternalFailure, static_cast<Body&&>(body));
}

}  // namespace vxcl

#endif
