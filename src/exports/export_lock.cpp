#include "exports/export_guard.h"

namespace vxcl {

std::recursive_mutex& ExportLock() noexcept {
  static std::recursive_mutex lock;
  return lock;
}

}  // namespace vxcl
