// The platform's font system, as far as drawing text into one-bit bitmaps
// needs it: fonts described the way Windows describes them, the extent of a
// text, and its glyphs drawn without smoothing.
#ifndef VXCL_PLATFORM_FONT_RASTERIZER_H
#define VXCL_PLATFORM_FONT_RASTERIZER_H

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "raster/bitmap.h"

namespace vxcl {

// A font request with the fields of a Windows LOGFONT that text drawing
// uses. Sizes are in pixels (one pixel is one printer dot). Turning is left
// to the caller unless the font system turns text itself (TurnsText).
struct FontRequest {
  // The face name; a name the font system lacks is substituted (a
  // metric-compatible face where there is one, else the default sans face),
  // and the empty name is the default sans face.
  std::string faceName;
  // < 0: the character (em) height, internal leading excluded;
  // > 0: the cell height, ascent plus descent; 0: a default size.
  int height = 0;
  // The average character width; 0 keeps the face's own proportions.
  int width = 0;
  // 1 to 1000 (400 normal, 700 bold); 0 or less: the face's default.
  int weight = 0;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;

  friend bool operator==(const FontRequest&, const FontRequest&) = default;
};

struct TextExtent {
  int width = 0;   // the sum of the characters' advances, unturned
  int height = 0;  // the cell height, ascent plus descent
};

// The face a request was given, for the caller's reports.
struct FaceChoice {
  std::string used;  // the family name of the face drawn; empty: unknown
  // The asked name is neither an installed face nor a name the font system
  // maps to one (an unknown name, or no face of the mapped style).
  bool replaced = false;
};

class RasterFont {
 public:
  virtual ~RasterFont() = default;

  virtual FaceChoice Face() const { return {}; }

  // The characters of `text` that no installed face has, each once, in the
  // order they first appear: they print as the face's missing-glyph shape.
  // Characters the face lacks but another installed face has are drawn
  // from that face.
  virtual std::u32string Undrawable(std::u32string_view /*text*/) { return {}; }

  virtual TextExtent Extent(std::u32string_view text) = 0;

  // Sets the bits of every glyph pixel of `text`, and of its underline and
  // strike-out, with the top-left corner of the text cell at (x, y). Pixels
  // outside the bitmap are dropped; no other bit changes.
  virtual void Draw(std::u32string_view text, int x, int y,
                    OneBitBitmap& target) = 0;

  // Whether the font system turns text itself (Windows' fonts turned by
  // escapement). Those that do not get an unturned drawing turned exactly.
  virtual bool TurnsText() const { return false; }
  // Where TurnsText: as Draw, with the text turned counter-clockwise by
  // `quarters` quarter turns (1 to 3) and (x, y) the top-left corner of the
  // turned cell.
  virtual void DrawTurned(std::u32string_view /*text*/, int /*quarters*/,
                          int /*x*/, int /*y*/, OneBitBitmap& /*target*/) {}
};

// Failures of the font system (a font file that cannot be read, a size it
// cannot render). Callers report them; nothing is drawn.
class FontError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FontRasterizer {
 public:
  virtual ~FontRasterizer() = default;

  // The font for `request`, never null. Fonts may be cached and shared
  // between calls; throws FontError when no font can be made.
  virtual std::shared_ptr<RasterFont> Font(const FontRequest& request) = 0;

  // The vertical resolution of the display that hosts size their text for:
  // a size in points is that many 72nds of an inch at this resolution. The
  // standard setting's 96 where there is no display to ask.
  virtual int ScreenPixelsPerInch() { return 96; }
};

}  // namespace vxcl

#endif
