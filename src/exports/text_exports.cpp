// Text in the printer's own fonts (bitmap, vector and AGFA raster) and in
// the host's installed fonts, sent as a graphic.
#include <string_view>

#include "exports/export_guard.h"
#include "platform/platform.h"
#include "text/agfa_raster_font.h"
#include "text/internal_font.h"
#include "text/truetype_text.h"
#include "text/vector_font.h"
#include "vxclcmd.h"

using namespace vxcl;

namespace {

// A null string from the host is the empty string.
std::string_view HostText(const char* text) {
  return text ? std::string_view{text} : std::string_view{};
}

}  // namespace

extern "C" {

VXCL_API int VXCL_CALL PrnInternalFont(unsigned int direction, double x,
                                       double y, const char* fontCode,
                                       int hExpansion, int vExpansion,
                                       int pitch, const char* text) {
  return GuardedElement([&] {
    return InternalFont(TheJob(), direction, x, y, HostText(fontCode),
                        hExpansion, vExpansion, pitch, HostText(text));
  });
}

VXCL_API int VXCL_CALL PrnVectorFont(unsigned int direction, double x, double y,
                                     char fontType, int hSize, int vSize,
                                     int variation, int pitch,
                                     const char* text) {
  return GuardedElement([&] {
    return VectorFont(TheJob(), direction, x, y, fontType, hSize, vSize,
                      variation, pitch, HostText(text));
  });
}

VXCL_API int VXCL_CALL PrnAGFARasterFont(unsigned int direction, double x,
                                         double y, char fontType,
                                         unsigned int option, int hSize,
                                         int vSize, int pitch,
                                         const char* text) {
  return GuardedElement([&] {
    return AgfaRasterFont(TheJob(), direction, x, y, fontType, option, hSize,
                          vSize, pitch, HostText(text));
  });
}

VXCL_API int VXCL_CALL PrnTrueTypeFont(int rotation, double x, double y,
                                       const char* fontName, int fontSize,
                                       int charWidth, int charHeight,
                                       int weight, int italic, int underline,
                                       int strikeOut, int alignMode,
                                       double alignOffset, const char* text) {
  return GuardedElement([&] {
    if (!TheJob().JobOpen) return kNoJob;
    FontRasterizer* fonts = CurrentPlatform().fonts;
    if (fonts == nullptr) throw FontError("no font system is available");
    return TrueTypeText(
        TheJob(), *fonts,
        {rotation, x, y, fontName, fontSize, charWidth, charHeight, weight,
         italic, underline, strikeOut, alignMode, alignOffset, text});
  });
}

}  // extern "C"
