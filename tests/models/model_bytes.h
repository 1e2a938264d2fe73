// Expected bytes of the CX208 and CT400 headers and maintenance streams.
#ifndef VXCL_TESTS_MODEL_BYTES_H
#define VXCL_TESTS_MODEL_BYTES_H

#include <string>
#include <string_view>

#include "support/bytes.h"

namespace vxcl::test {

// One framed command: STX ESC "A" ESC text ESC "Z" ETX.
inline std::string Frame(std::string_view text) {
  return B("<STX><ESC>A<ESC>") + std::string(text) + B("<ESC>Z<ETX>");
}

inline bool HasFrame(const std::string& stream, std::string_view text) {
  return stream.find(Frame(text)) != std::string::npos;
}

}  // namespace vxcl::test

#endif
