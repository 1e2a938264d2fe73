// `vxlabel preview`: draws a saved command stream as a PNG picture.
#ifndef VXLABEL_PREVIEW_COMMAND_H
#define VXLABEL_PREVIEW_COMMAND_H

#include <iosfwd>
#include <string>

namespace vxlabel {

struct PreviewOptions {
  std::string stream;  // the file holding the stream
  std::string png;     // the picture to write
  int dotsPerInch = 203;
  double headWidthMm = 104.0;
  double labelWidthMm = 0.0;   // 0: the whole head
  double labelLengthMm = 0.0;  // 0: from the stream, else what is drawn
};

// Prints the preview's warnings to `err`. Returns the process exit code: 0
// when written, 1 when the preview failed, 2 when the stream is unreadable.
int PreviewFile(const PreviewOptions& options, std::ostream& out,
                std::ostream& err);

// The last preview's warnings, one a line, each indented by two spaces.
void ShowPreviewWarnings(std::ostream& out);

}  // namespace vxlabel

#endif
