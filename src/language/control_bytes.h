// The control bytes of the printer's command language, for those who write
// commands and those who read them.
#ifndef VXCL_LANGUAGE_CONTROL_BYTES_H
#define VXCL_LANGUAGE_CONTROL_BYTES_H

namespace vxcl {

inline constexpr char NUL = '\x00';
inline constexpr char STX = '\x02';  // opens a command block
inline constexpr char ETX = '\x03';  // closes it
inline constexpr char ESC = '\x1b';  // starts every command

}  // namespace vxcl

#endif
