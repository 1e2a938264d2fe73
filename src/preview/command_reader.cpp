#include "preview/command_reader.h"

#include <algorithm>

#include "language/byte_notation.h"
#include "language/control_bytes.h"

namespace vxcl::preview {

namespace {

// Every command name the printers know, matched longest first: a name that
// begins another ("B" and "BD", "P" and "PS") never hides the longer one.
constexpr std::string_view kNames[] = {
    // Frames, label size and print area, position and rotation.
    "A", "A1", "A3", "AR", "AX", "AO", "Z", "Q", "H", "V", "%", "EX", "E", "C",
    "R", "N", "@",
    // Settings without an image.
    "CS", "#E", "CP", "CI", "CE", "CD", "CB", "CA", "CC", "CL", "PO", "PM",
    "PH", "PG", "PI", "PY", "YE", "YS", "YR", "IG", "ID", "WK", "TP", "LD", "~",
    "~A", "~B", std::string_view("\0", 1),
    // Text: pitch, expansion, spacing, the bitmap, vector and raster fonts.
    "P", "PS", "PR", "L", "U", "S", "M", "XU", "XS", "XM", "OA", "OB", "WB",
    "WL", "XB", "XL", "XW", "$", "$=", "RD", "T", "K",
    // Barcodes and two-dimensional symbols.
    "B", "D", "BD", "BT", "BW", "BK", "BX", "DC", "BV", "BP", "BQ", "2D", "DS",
    "DN", "FX",
    // Graphics, lines, boxes, reversed areas, forms and copies.
    "GB", "GH", "GM", "GP", "GI", "GR", "GC", "GT", "FW", "F", "(", "WD", "RM",
    "&", "/", "*"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of `count` digits at `at`, or -1 when they are not all there.
long long DigitsAt(std::string_view s, std::size_t at, std::size_t count) {
  if (at > s.size() || s.size() - at < count) return -1;
  long long value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (!IsDigit(s[at + i])) return -1;
    value = value * 10 + (s[at + i] - '0');
  }
  return value;
}

}  // namespace

std::size_t CommandReader::UncountedEnd(std::size_t from) const {
  std::size_t end = from;
  while (end < stream_.size() && stream_[end] != ESC && stream_[end] != STX &&
         stream_[end] != ETX)
    ++end;
  return end;
}

// Counted data: the end of the body, which may lie beyond the stream (then
// the body is cut there and marked truncated). npos when the command's size
// fields are malformed, so that the body is read up to the next ESC.
std::size_t CommandReader::CountedEnd(std::string_view name,
                                      std::size_t bodyStart,
                                      bool& truncated) const {
  constexpr std::size_t npos = std::string_view::npos;
  std::size_t end = npos;
  if (name == "GB" || name == "GH") {
    // Three digits of bytes a row, three of blocks of eight rows; hex data
    // takes two characters a byte.
    const long long row = DigitsAt(stream_, bodyStart, 3);
    const long long blocks = DigitsAt(stream_, bodyStart + 3, 3);
    if (row < 0 || blocks < 0) return npos;
    const auto bytes = static_cast<std::size_t>(row * blocks * 8);
    end = bodyStart + 6 + (name == "GH" ? 2 * bytes : bytes);
  } else if (name == "GM" || name == "GP") {
    // Five digits of file size, a comma, the file.
    const long long size = DigitsAt(stream_, bodyStart, 5);
    if (size < 0 || bodyStart + 5 >= stream_.size() ||
        stream_[bodyStart + 5] != ',')
      return npos;
    end = bodyStart + 6 + static_cast<std::size_t>(size);
  } else if (name == "BK") {
    // Module width, row height, security level, columns, rows, then four
    // digits of data length, the data, and an optional variant up to the
    // next ESC.
    const long long length = DigitsAt(stream_, bodyStart + 9, 4);
    if (length < 0) return npos;
    const std::size_t dataEnd =
        bodyStart + 13 + static_cast<std::size_t>(length);
    if (dataEnd > stream_.size()) {
      truncated = true;
      return stream_.size();
    }
    return UncountedEnd(dataEnd);
  } else if (name == "PG") {
    end = bodyStart + 30;  // the CT settings record's fixed size
  } else if (name == "T") {
    // A custom character stored as binary data: 16 x 16 or 24 x 24 dots.
    if (bodyStart + 1 >= stream_.size() || stream_[bodyStart + 1] != 'B')
      return npos;
    const char size = stream_[bodyStart];
    if (size != '1' && size != '2') return npos;
    end = bodyStart + 4 + (size == '1' ? 32 : 72);
  } else {
    return npos;
  }
  if (end > stream_.size()) {
    truncated = true;
    return stream_.size();
  }
  return end;
}

Token CommandReader::Next() {
  Token token;
  token.offset = pos_;
  const char c = stream_[pos_];
  if (c == STX || c == ETX) {
    token.kind = c == STX ? Token::Kind::FrameStart : Token::Kind::FrameEnd;
    ++pos_;
    return token;
  }
  if (c != ESC) {
    token.kind = Token::Kind::Stray;
    const std::size_t end = UncountedEnd(pos_);
    token.body = stream_.substr(pos_, end - pos_);
    pos_ = end;
    return token;
  }

  token.kind = Token::Kind::Command;
  const std::size_t nameStart = pos_ + 1;
  std::string_view name;
  for (std::string_view candidate : kNames)
    if (candidate.size() > name.size() &&
        stream_.substr(nameStart, candidate.size()) == candidate)
      name = candidate;
  token.name = name;
  const std::size_t bodyStart = nameStart + name.size();
  std::size_t end = std::string_view::npos;
  if (!name.empty()) end = CountedEnd(name, bodyStart, token.truncated);
  if (end == std::string_view::npos) end = UncountedEnd(bodyStart);
  token.body = stream_.substr(bodyStart, end - bodyStart);
  pos_ = end;
  return token;
}

std::string Shown(std::string_view bytes, std::size_t limit) {
  std::string out = ByteNotation(bytes, limit);
  if (bytes.size() > limit) out += "...";
  return out;
}

}  // namespace vxcl::preview
