#include "job/last_error.h"

namespace vxcl {

namespace {
std::string& Storage() noexcept {
  static std::string message;
  return message;
}
}  // namespace

void RecordLastError(std::string_view message) noexcept {
  try {
    Storage().assign(message);
  } catch (...) {
    Storage().clear();
  }
}

void ClearLastError() noexcept { Storage().clear(); }

const std::string& LastErrorMessage() noexcept { return Storage(); }

}  // namespace vxcl
