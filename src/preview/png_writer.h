// Writes label previews as PNG pictures with libpng.
#ifndef VXCL_PREVIEW_PNG_WRITER_H
#define VXCL_PREVIEW_PNG_WRITER_H

#include <stdexcept>
#include <string>
#include <vector>

#include "preview/label_picture.h"

namespace vxcl::preview {

// The colours of the picture, by palette index.
enum PreviewColour : unsigned char {
  kWhite = 0,    // the label
  kPrinted = 1,  // a printed dot
  kBeside = 2,   // light grey: the head's dots beside the label, and the
                 // gap between labels
  kEdge = 3,     // light blue: the label's outermost dots, where none is
                 // printed (light enough for scanners to read as white)
};

// A PNG that could not be made or written; the message says why.
class PreviewWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The labels one under the other, two millimetres of gap between them, as
// a palette PNG of two bits a pixel, with the resolution recorded so that
// viewers show the labels at their size.
std::string EncodePng(const std::vector<LabelPicture>& labels, int dotsPerMm);

// Writes `png` to the file at `path`, replacing it.
void WriteFile(const std::string& path, const std::string& png);

}  // namespace vxcl::preview

#endif
