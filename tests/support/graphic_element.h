// A graphic element of the job body taken apart: rotation prefix, position
// and the graphic's pixels.
#ifndef VXCL_TESTS_GRAPHIC_ELEMENT_H
#define VXCL_TESTS_GRAPHIC_ELEMENT_H

#include <string>
#include <string_view>

#include "raster/bitmap.h"

namespace vxcl::test {

struct GraphicElement {
  std::string prefix;  // ESC "%" and a digit
  long long h = 0, v = 0;
  std::string header;  // ESC "GB" and the two sizes
  OneBitBitmap bitmap;
};

// The first element of `body`; fails the current test when it is not a
// whole graphic element.
GraphicElement ParseGraphicElement(std::string_view body);

}  // namespace vxcl::test

#endif
