#include "support/every_element.h"

#include "vxclcmd.h"

namespace vxcl::test {

std::array<int, 15> DrawEveryElement() {
  const char* pdf417 = "SHIP TO&h0DACME";
  const char* matrix = "ORDER 2024-000123456";
  return {
      PrnDrawLine(10.0, 20.0, 0, 2, 50.0),
      PrnDrawBox(2.0, 2.0, 3, 3, 96.0, 46.0),
      PrnReverseImage(5.0, 5.0, 20.0, 8.0),
      PrnDrawBMP(90, 60.0, 30.0, 0.0, 0.0,
                 VXCL_SOURCE_DIR "/examples/logo.bmp"),
      PrnDrawPCX(0, 70.0, 5.0, 12.0, 6.0, VXCL_SOURCE_DIR "/examples/logo.pcx"),
      PrnInternalFont(0, 5.0, 40.0, "U", 1, 1, 2, "INTERNAL"),
      PrnVectorFont(1, 5.0, 30.0, 'A', 60, 60, 3, 0, "VECTOR"),
      PrnAGFARasterFont(2, 5.0, 25.0, 'B', 1, 40, 40, 1, "AGFA"),
      PrnTrueTypeFont(0, 40.0, 10.0, "DejaVu Sans", 12, 0, 0, 7, 0, 1, 0, 0,
                      0.0, "TrueType"),
      PrnBarcode(0, 6.0, 10.0, 'G', 2, 2, 8.0, "TRK1234567890"),
      PrnVariableBarcode(0, 6.0, 20.0, '1', 2, 5, 2, 5, 1, 6.0, "ABC123"),
      PrnUCC128(0, 6.0, 30.0, 2, 2, 10.0, "00123456789012345"),
      PrnEAN128(0, 40.0, 30.0, 2, 10.0, "(01)12345678901231(10)ABC123"),
      PrnPDF417(0, 60.0, 20.0, 0, 3, 8, 2, 4, 0, &pdf417),
      PrnDataMatrix(0, 80.0, 20.0, 1, 20, 5, 5, 0, 1, &matrix),
  };
}

}  // namespace vxcl::test
