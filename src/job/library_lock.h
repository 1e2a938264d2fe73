// The library's one process-wide lock. Every exported call holds it; a call
// that waits on the print system lets go of it for the wait, so other
// threads, and host code that the wait runs, go on meanwhile.
#ifndef VXCL_JOB_LIBRARY_LOCK_H
#define VXCL_JOB_LIBRARY_LOCK_H

#include <condition_variable>
#include <mutex>
#include <thread>

namespace vxcl {

// Recursive, so that host code run by a wait on the calling thread may call
// the library again; and it can be let go whole, however deep it is held.
class LibraryLock {
 public:
  void lock();
  void unlock();

  // Lets go of every level the calling thread holds; returns how many (0
  // when it holds none).
  int ReleaseAll();
  // Takes `depth` levels back, waiting for other threads to let go.
  void Retake(int depth);

 private:
  std::mutex mutex_;
  std::condition_variable freed_;
  std::thread::id owner_;
  int depth_ = 0;
};

LibraryLock& TheLibraryLock() noexcept;

// While it lives, the calling thread holds none of the library's lock; its
// end takes back what the thread held before.
class WithoutLibraryLock {
 public:
  WithoutLibraryLock() : depth_(TheLibraryLock().ReleaseAll()) {}
  ~WithoutLibraryLock() { TheLibraryLock().Retake(depth_); }
  WithoutLibraryLock(const WithoutLibraryLock&) = delete;
  WithoutLibraryLock& operator=(const WithoutLibraryLock&) = delete;

 private:
  int depth_;
};

}  // namespace vxcl

#endif
