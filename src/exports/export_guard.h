// The only door between the C interface and the library's C++: every call
// takes the library's lock, turns its outcome into the host's result code
// (keeping the message for VxclLastError), and lets nothing thrown inside
// it leave.
#ifndef VXCL_EXPORTS_EXPORT_GUARD_H
#define VXCL_EXPORTS_EXPORT_GUARD_H

#include <exception>
#include <initializer_list>
#include <mutex>
#include <new>
#include <string>
#include <string_view>

#include "job/job_limits.h"
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

// The message VxclLastError gives, one per thread (as errno): a host thread
// reads the message of its own last call. The parts are joined; nothing is
// allocated, and a message longer than the store holds is cut, marked
// "...".
void RecordLastError(std::initializer_list<std::string_view> parts) noexcept;
void ClearLastError() noexcept;
std::string_view LastErrorMessage() noexcept;

// The message of a result that came without one: the meaning the result
// code list gives for that code and call.
std::string_view ResultMeaning(std::string_view call, int code) noexcept;

// What the host receives: the code, with its message recorded, named after
// the call. The spooler's messages (144 to 151) keep their own wording.
inline int Answer(std::string_view, int value) { return value; }
int Answer(std::string_view call, const Outcome& outcome) noexcept;
inline int Answer(std::string_view call, VxclResult code) {
  return Answer(call, Outcome(code));
}

// Runs `body` under the lock, the calling thread's message cleared first,
// and answers what it returns; any exception is recorded for VxclLastError,
// `onFailure` restores a consistent state, and `failureCode` is returned.
template <class Body, class OnFailure>
int Guarded(std::string_view call, int failureCode, Body&& body,
            OnFailure&& onFailure) noexcept {
  std::unique_lock<LibraryLock> lock(ExportLock(), std::defer_lock);
  try {
    lock.lock();
  } catch (...) {
    return failureCode;  // not even the last error may be touched unlocked
  }
  ClearLastError();
  try {
    return Answer(call, body());
  } catch (const JobFullError& full) {
    // A refusal, not a failure: nothing was appended.
    return Answer(call, Outcome(VXCL_JOB_TOO_LARGE, full.what()));
  } catch (const std::bad_alloc&) {
    Answer(call, Outcome(VXCL_INTERNAL_FAILURE, "out of memory"));
  } catch (const std::exception& error) {
    Answer(call, Outcome(VXCL_INTERNAL_FAILURE, error.what()));
  } catch (...) {
    Answer(call, Outcome(VXCL_INTERNAL_FAILURE, "unexpected failure"));
  }
  try {
    onFailure();
  } catch (...) {
  }
  return failureCode;
}

template <class Body>
int Guarded(std::string_view call, int failureCode, Body&& body) noexcept {
  return Guarded(call, failureCode, static_cast<Body&&>(body), [] {});
}

// For the calls that only read (the virtual printers' jobs, the printer
// list, the last error): the message of the last call that did work stays.
template <class Body>
int GuardedReading(int failureCode, Body&& body) noexcept {
  std::unique_lock<LibraryLock> lock(ExportLock(), std::defer_lock);
  try {
    lock.lock();
    return body();
  } catch (...) {
    return failureCode;
  }
}

// For the drawing calls: elements are built whole before they are appended,
// so a failure leaves the job as it was.
template <class Body>
int GuardedElement(std::string_view call, Body&& body) noexcept {
  return Guarded(call, VXCL_INTERNAL_FAILURE, static_cast<Body&&>(body));
}

// For the job starts: a failure half-way leaves the job closed.
template <class Start>
int GuardedJobStart(std::string_view call, Start&& start) noexcept {
  return Guarded(call, VXCL_INTERNAL_FAILURE, static_cast<Start&&>(start),
                 [] { CloseFailedStart(TheJob()); });
}

}  // namespace vxcl

#endif
