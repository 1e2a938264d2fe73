// The message of the last error raised inside a call, for VxclLastError.
#ifndef VXCL_JOB_LAST_ERROR_H
#define VXCL_JOB_LAST_ERROR_H

#include <string>
#include <string_view>

namespace vxcl {

// Never throws: a message that cannot be stored is dropped.
void RecordLastError(std::string_view message) noexcept;
void ClearLastError() noexcept;
const std::string& LastErrorMessage() noexcept;

}  // namespace vxcl

#endif
