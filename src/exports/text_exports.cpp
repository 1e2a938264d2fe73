// Text in the printer's own fonts (bitmap, vector and AGFA raster) and in
// the host's installed fonts, sent as a graphic.
#include "exports/export_guard.h"
#include "exports/host_values.h"
#include "platform/platform.h"
#include "text/agfa_raster_font.h"
#include "text/internal_font.h"
#include "text/truetype_text.h"
#include "text/vector_font.h"
#include "vxclcmd.h"

using namespace vxcl;

extern "C" {

VXCL_API int VXCL_CALL PrnInternalFont(unsigned int direction, double x,
                                       double y, const char* fontCode,
                                       int hExpansion, int vExpansion,
                                       int pitch, const char* text) {
  return GuardedElement("PrnInternalFont", [&] {
    return AddInternalFontText(TheJob(), direction, x, y, HostString(fontCode),
                               hExpansion, vExpansion, pitch, HostString(text));
  });
}

VXCL_API int VXCL_CALL PrnVectorFont(unsigned int direction, double x, double y,
                                     char fontType, int hSize, int vSize,
                                     int variation, int pitch,
                                     const char* text) {
  return GuardedElement("PrnVectorFont", [&] {
    return AddVectorFontText(TheJob(), direction, x, y, fontType, hSize, vSize,
                             variation, pitch, HostString(text));
  });
}

VXCL_API int VXCL_CALL PrnAGFARasterFont(unsigned int direction, double x,
                                         double y, char fontType,
                                         unsigned int option, int hSize,
                                         int vSize, int pitch,
                                         const char* text) {
  return GuardedElement("PrnAGFARasterFont", [&] {
    return AddAgfaRasterFontText(TheJob(), direction, x, y, fontType, option,
                                 hSize, vSize, pitch, HostString(text));
  });
}

VXCL_API int VXCL_CALL PrnTrueTypeFont(int rotation, double x, double y,
                                       const char* fontName, int fontSize,
                                       int charWidth, int charHeight,
                                       int weight, int italic, int underline,
                                       int strikeOut, int alignMode,
                                       double alignOffset, const char* text) {
  return GuardedElement("PrnTrueTypeFont", [&] {
    return AddTrueTypeText(
        TheJob(), CurrentPlatform().fonts,
        {rotation, x, y, HostString(fontName), fontSize, charWidth, charHeight,
         weight, italic, underline, strikeOut, alignMode, alignOffset,
         HostString(text)});
  });
}

}  // extern "C"
