// Splits a printer command stream into the pieces the printer acts on: the
// frame bytes STX and ETX, and ESC commands with their parameters and data.
#ifndef VXCL_PREVIEW_COMMAND_READER_H
#define VXCL_PREVIEW_COMMAND_READER_H

#include <cstddef>
#include <string>
#include <string_view>

namespace vxcl::preview {

struct Token {
  enum class Kind {
    FrameStart,  // STX
    FrameEnd,    // ETX
    Command,     // ESC, a command name and its body
    Stray,       // bytes outside any command (not ESC, STX or ETX)
  };
  Kind kind = Kind::Stray;
  // The command's name as the printer matches it (the longest known name;
  // "\0" for the cutter's ESC NUL), or, for a command the reader does not
  // know, empty.
  std::string_view name;
  // Parameters and data: up to the next ESC, STX or ETX, or, for the
  // commands whose data is counted (graphics, PDF417, the CT settings
  // record), exactly as many bytes as the command says.
  std::string_view body;
  std::size_t offset = 0;  // of the token's first byte in the stream
  bool truncated = false;  // counted data that the stream cuts short
};

// Reads tokens one after the other; the stream must outlive the reader.
class CommandReader {
 public:
  explicit CommandReader(std::string_view stream) : stream_(stream) {}

  bool AtEnd() const { return pos_ >= stream_.size(); }
  Token Next();

 private:
  std::size_t UncountedEnd(std::size_t from) const;
  std::size_t CountedEnd(std::string_view name, std::size_t bodyStart,
                         bool& truncated) const;

  std::string_view stream_;
  std::size_t pos_ = 0;
};

// The bytes for a message: printable ASCII as it is, others as <ESC>,
// <STX>, <ETX>, <NUL> or <xHH>, cut after `limit` bytes with "...".
std::string Shown(std::string_view bytes, std::size_t limit = 24);

}  // namespace vxcl::preview

#endif
