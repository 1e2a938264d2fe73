// The only door between the C interface and the library's C++: every call
// takes the library's lock, turns its outcome into the host's result code
// (keeping the message for VxclLastError), and lets nothing thrown inside
// it leave.
#ifndef VXCL_EXPORTS_EXPORT_GUARD_H
#define VXCL_EXPORTS_EXPORT_GUARD_H

#include <exception>
#include <mutex>
#include <new>
#include <string>
#include <string_view>

#include "job/job_start.h"
#include "job/library_lock.h"
#include "job/outcome.h"

namespace vxcl {

// One lock for the whole process, held by every call except while it waits
// on the print system. Calls from several host threads take turns, so none
// sees the job half-changed. It is recursive: host code that a submission's
// wait runs (an event handler on the calling thread) may call the library
// again.
inline LibraryLock& ExportLock() noexcept { return TheLibraryLock(); }

// The message VxclLastError gives. Never throws: a message that cannot be
// stored is dropped.
void RecordLastError(std::string_view message) noexcept;
void ClearLastError() noexcept;
const std::string& LastErrorMessage() noexcept;

// What the host receives: the code, with an outcome's message recorded.
inline int Answer(int value) { return value; }
inline int Answer(const Outcome& outcome) {
  if (!outcome.message.empty()) RecordLastError(outcome.message);
  return outcome.code;
}

// Runs `body` under the lock and answers what it returns; any exception is
// recorded for VxclLastError, `onFailure` restores a consistent state, and
// `failureCode` is returned.
template <class Body, class OnFailure>
int Guarded(int failureCode, Body&& body, OnFailure&& onFailure) noexcept {
  std::unique_lock<LibraryLock> lock(ExportLock(), std::defer_lock);
  try {
    lock.lock();
  } catch (...) {
    return failureCode;  // not even the last error may be touched unlocked
  }
  try {
    return Answer(body());
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
  return Guarded(VXCL_INTERNAL_FAILURE, static_cast<Body&&>(body));
}

// For the calls that begin afresh (maintenance jobs, printer queries): the
// message of an earlier call is cleared first.
template <class Body>
int GuardedAfresh(int failureCode, Body&& body) noexcept {
  return Guarded(failureCode, [&] {
    ClearLastError();
    return body();
  });
}

// For the job starts, which begin afresh too: a failure half-way leaves the
// job closed.
template <class Start>
int GuardedJobStart(Start&& start) noexcept {
  return Guarded(
      VXCL_INTERNAL_FAILURE,
      [&] {
        ClearLastError();
        return start();
      },
      [] { CloseFailedStart(TheJob()); });
}

}  // namespace vxcl

#endif
