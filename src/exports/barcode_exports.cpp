// One- and two-dimensional barcodes.
#include "barcode/data_matrix.h"
#include "barcode/ean128.h"
#include "barcode/fixed_ratio_barcode.h"
#include "barcode/pdf417.h"
#include "barcode/ucc128.h"
#include "barcode/variable_ratio_barcode.h"
#include "exports/export_guard.h"
#include "exports/host_values.h"
#include "vxclcmd.h"

using namespace vxcl;

extern "C" {

VXCL_API int VXCL_CALL PrnBarcode(int direction, double x, double y,
                                  char barcodeType, int ratio, int narrowWidth,
                                  double barHeight, const char* data) {
  return GuardedElement("PrnBarcode", [&] {
    return AddFixedRatioBarcode(TheJob(), direction, x, y, barcodeType, ratio,
                                narrowWidth, barHeight, HostString(data));
  });
}

VXCL_API int VXCL_CALL PrnVariableBarcode(int direction, double x, double y,
                                          char barcodeType, int elementWidth1,
                                          int elementWidth2, int elementWidth3,
                                          int elementWidth4, int expansion,
                                          double barHeight, const char* data) {
  return GuardedElement("PrnVariableBarcode", [&] {
    return AddVariableRatioBarcode(
        TheJob(), direction, x, y, barcodeType,
        {elementWidth1, elementWidth2, elementWidth3, elementWidth4}, expansion,
        barHeight, HostString(data));
  });
}

VXCL_API int VXCL_CALL PrnUCC128(int direction, double x, double y,
                                 int narrowWidth, int mode, double barHeight,
                                 const char* data) {
  return GuardedElement("PrnUCC128", [&] {
    return AddUcc128(TheJob(), direction, x, y, narrowWidth, mode, barHeight,
                     HostString(data));
  });
}

VXCL_API int VXCL_CALL PrnEAN128(int direction, double x, double y,
                                 int narrowWidth, double barHeight,
                                 const char* data) {
  return GuardedElement("PrnEAN128", [&] {
    return AddEan128(TheJob(), direction, x, y, narrowWidth, barHeight,
                     HostString(data));
  });
}

VXCL_API int VXCL_CALL PrnPDF417(int direction, double x, double y, int variant,
                                 int moduleWidth, int rowHeight,
                                 int securityLevel, int columns, int rows,
                                 const char** data) {
  return GuardedElement("PrnPDF417", [&] {
    return AddPdf417(
        TheJob(), direction, x, y,
        {variant, moduleWidth, rowHeight, securityLevel, columns, rows},
        HostStringAt(data));
  });
}

VXCL_API int VXCL_CALL PrnDataMatrix(int direction, double x, double y,
                                     int formatId, int eccLevel, int cellWidth,
                                     int cellHeight, int symbolFlag,
                                     int symbolOption, const char** data) {
  return GuardedElement("PrnDataMatrix", [&] {
    return AddDataMatrix(
        TheJob(), direction, x, y,
        {formatId, eccLevel, cellWidth, cellHeight, symbolFlag, symbolOption},
        HostStringAt(data));
  });
}

}  // extern "C"
