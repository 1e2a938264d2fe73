#include "job/library_lock.h"

namespace vxcl {

void LibraryLock::lock() {
  const std::thread::id self = std::this_thread::get_id();
  std::unique_lock guard(mutex_);
  if (depth_ > 0 && owner_ == self) {
    ++depth_;
    return;
  }
  freed_.wait(guard, [&] { return depth_ == 0; });
  owner_ = self;
  depth_ = 1;
}

void LibraryLock::unlock() {
  {
    std::lock_guard guard(mutex_);
    if (depth_ == 0 || owner_ != std::this_thread::get_id()) return;
    if (--depth_ > 0) return;
    owner_ = std::thread::id();
  }
  freed_.notify_one();
}

int LibraryLock::ReleaseAll() {
  int held = 0;
  {
    std::lock_guard guard(mutex_);
    if (depth_ == 0 || owner_ != std::this_thread::get_id()) return 0;
    held = depth_;
    depth_ = 0;
    owner_ = std::thread::id();
  }
  freed_.notify_one();
  return held;
}

void LibraryLock::Retake(int depth) {
  if (depth <= 0) return;
  std::unique_lock guard(mutex_);
  freed_.wait(guard, [&] { return depth_ == 0; });
  owner_ = std::this_thread::get_id();
  depth_ = depth;
}

LibraryLock& TheLibraryLock() noexcept {
  static LibraryLock lock;
  return lock;
}

}  // namespace vxcl
