#include "exports/export_guard.h"

namespace vxcl {

namespace {
std::string& LastError() noexcept {
  static std::string message;
  return message;
}
}  // namespace

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
