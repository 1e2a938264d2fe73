// The only door between the C interface and the library's C++: nothing
// thrown inside a call may leave it.
#ifndef VXCL_EXPORTS_EXPORT_GUARD_H
#define VXCL_EXPORTS_EXPORT_GUARD_H

#include <exception>
#include <new>

#include "job/last_error.h"
#include "job/result_code.h"

namespace vxcl {

// Runs `body`; any exception is recorded for VxclLastError, `onFailure`
// restores a consistent state, and `failureCode` is returned.
template <class Body, class OnFailure>
int Guarded(int failureCode, Body&& body, OnFailure&& onFailure) noexcept {
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
