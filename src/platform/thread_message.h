// A short message kept per thread, for what a printer system found wrong on
// the calling thread: its requests run without the library's lock, so
// several threads may ask at once.
#ifndef VXCL_PLATFORM_THREAD_MESSAGE_H
#define VXCL_PLATFORM_THREAD_MESSAGE_H

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace vxcl {

// Trivially destroyed, to be declared `thread_local ThreadMessage name{};`:
// a thread-local with a destructor would keep the library loaded until
// every thread that called it ended. A longer message is cut where no UTF-8
// sequence is split.
struct ThreadMessage {
  static constexpr std::size_t kCapacity = 1024;
  char text[kCapacity];
  std::size_t length;

  void Set(std::string_view message) noexcept {
    std::size_t keep = message.size();
    if (keep > kCapacity) {
      keep = kCapacity;
      while (keep > 0 &&
             (static_cast<unsigned char>(message[keep]) & 0xC0) == 0x80)
        --keep;
    }
    std::memcpy(text, message.data(), keep);
    length = keep;
  }
  void Clear() noexcept { length = 0; }
  std::string Get() const { return std::string(text, length); }
};

}  // namespace vxcl

#endif
