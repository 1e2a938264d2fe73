#include "exports/export_guard.h"

namespace vxcl {

namespace {
std::string& LastError() noexcept {
  static std::string message;
  return message;
}
}  // namespace

std::recursive_mutex& ExportLock() noexcept {
  static std::recursive_mutex lock;
  return lock;
}

void RecordLastError(std::string_view message) noexcept {
  try {
    LastError().assign(message);
  } catch (...) {
    LastError().clear();
  }
}

void ClearLastError() noexcept { LastError().clear(); }

const std::string& LastErrorMessage() noexcept { return LastError(); }

}  // namespace vxcl
