#include "preview_command.h"

#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>

#include "result_codes.h"
#include "vxclcmd.h"

namespace vxlabel {

namespace {

std::string FromLibrary(int (*copy)(char*, int)) {
  const int length = copy(nullptr, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  copy(text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace

void ShowPreviewWarnings(std::ostream& out) {
  std::istringstream warnings(FromLibrary(VxclPreviewWarnings));
  for (std::string line; std::getline(warnings, line);)
    out << "  warning: " << line << "\n";
}

int PreviewFile(const PreviewOptions& options, std::ostream& out,
                std::ostream& err) {
  std::ifstream in(options.stream, std::ios::binary);
  if (!in) {
    err << "cannot read " << options.stream << "\n";
    return 2;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();  // an empty file gives an empty stream
  const std::string stream = bytes.str();
  if (stream.size() > static_cast<std::size_t>(INT32_MAX)) {
    err << options.stream << " is too large\n";
    return 2;
  }
  const int result = VxclPreviewStream(
      reinterpret_cast<const unsigned char*>(stream.data()),
      static_cast<int>(stream.size()), options.dotsPerInch, options.headWidthMm,
      options.labelWidthMm, options.labelLengthMm, options.png.c_str());
  if (result != 1) {
    err << "preview failed: " << result << " ("
        << MeaningOf("VxclPreviewStream", result).text << ")";
    const std::string message = FromLibrary(VxclLastError);
    if (!message.empty()) err << ": " << message;
    err << "\n";
    return 1;
  }
  out << "drawn to " << options.png << "\n";
  ShowPreviewWarnings(err);
  return 0;
}

}  // namespace vxlabel
