#include "platform/windows/gdi_font_rasterizer.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>

namespace vxcl {

namespace {

constexpr int kStandardPixelsPerInch = 96;

std::wstring Utf16(std::u32string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (char32_t c : text) {
    if (c >= 0x10000 && c <= 0x10FFFF) {
      c -= 0x10000;
      out += static_cast<wchar_t>(0xD800 + (c >> 10));
      out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
    } else if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      out += L'\xFFFD';
    } else {
      out += static_cast<wchar_t>(c);
    }
  }
  return out;
}

int Count(const std::wstring& text) {
  if (text.size() > INT_MAX) throw FontError("text too long for the font");
  return static_cast<int>(text.size());
}

// The face name in the record's 32 characters, terminator included.
void CopyFaceName(const std::string& utf8, WCHAR (&face)[LF_FACESIZE]) {
  face[0] = L'\0';
  if (utf8.empty() || utf8.size() > INT_MAX) return;
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(),
                          static_cast<int>(utf8.size()), face, LF_FACESIZE - 1);
  face[std::clamp(length, 0, LF_FACESIZE - 1)] = L'\0';
}

// A memory device context with a font selected; both are released, the
// font given back, when it goes.
class FontContext {
 public:
  explicit FontContext(HFONT font) : context_(CreateCompatibleDC(nullptr)) {
    if (!context_) throw FontError("no device context for text");
    previousFont_ = SelectObject(context_, font);
  }
  ~FontContext() {
    SelectObject(context_, previousFont_);
    DeleteDC(context_);
  }
  FontContext(const FontContext&) = delete;
  FontContext& operator=(const FontContext&) = delete;

  HDC get() const { return context_; }

 private:
  HDC context_;
  HGDIOBJ previousFont_ = nullptr;
};

// A one-bit DIB section, top row first, colour 0 black and 1 white,
// selected into a context while it lives.
class OneBitSurface {
 public:
  OneBitSurface(HDC context, int width, int height) : context_(context) {
    struct {
      BITMAPINFOHEADER header;
      RGBQUAD colours[2];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.colours[1] = RGBQUAD{255, 255, 255, 0};
    bitmap_ = CreateDIBSection(context, reinterpret_cast<BITMAPINFO*>(&info),
                               DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (!bitmap_ || !bits_) throw FontError("no bitmap to draw the text in");
    stride_ = (static_cast<std::size_t>(width) + 31) / 32 * 4;
    std::memset(bits_, 0, stride_ * static_cast<std::size_t>(height));
    previous_ = SelectObject(context, bitmap_);
  }
  ~OneBitSurface() {
    SelectObject(context_, previous_);
    DeleteObject(bitmap_);
  }
  OneBitSurface(const OneBitSurface&) = delete;
  OneBitSurface& operator=(const OneBitSurface&) = delete;

  const std::uint8_t* Row(int y) const {
    GdiFlush();  // drawing may still be queued
    return static_cast<const std::uint8_t*>(bits_) + y * stride_;
  }

 private:
  HDC context_;
  HBITMAP bitmap_ = nullptr;
  void* bits_ = nullptr;
  std::size_t stride_ = 0;
  HGDIOBJ previous_ = nullptr;
};

// An owned GDI font.
class FontHandle {
 public:
  explicit FontHandle(const LOGFONTW& record)
      : font_(CreateFontIndirectW(&record)) {
    if (!font_) throw FontError("no font can be made from the description");
  }
  ~FontHandle() { DeleteObject(font_); }
  FontHandle(const FontHandle&) = delete;
  FontHandle& operator=(const FontHandle&) = delete;

  HFONT get() const { return font_; }

 private:
  HFONT font_;
};

SIZE Measure(HDC context, const std::wstring& text) {
  SIZE size{};
  if (!GetTextExtentPoint32W(context, text.c_str(), Count(text), &size))
    throw FontError("the text cannot be measured");
  return size;
}

// Glyphs are drawn white on a black surface the target's size, then their
// pixels are set in the target: the target's other bits stay.
void DrawInto(HDC context, const std::wstring& text, int x, int y,
              OneBitBitmap& target) {
  OneBitSurface surface(context, target.Width(), target.Height());
  SetTextAlign(context, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SetBkMode(context, TRANSPARENT);
  SetTextColor(context, RGB(255, 255, 255));
  ExtTextOutW(context, x, y, 0, nullptr, text.c_str(), Count(text), nullptr);
  for (int row = 0; row < target.Height(); ++row) {
    const std::uint8_t* drawn = surface.Row(row);
    std::uint8_t* bits = target.Row(row);
    for (std::size_t i = 0; i < target.BytesPerRow(); ++i) bits[i] |= drawn[i];
    target.ClearRowTail(row);
  }
}

class GdiFont final : public RasterFont {
 public:
  explicit GdiFont(const LOGFONTW& record) : record_(record), font_(record) {}

  TextExtent Extent(std::u32string_view text) override {
    FontContext context(font_.get());
    const SIZE size = Measure(context.get(), Utf16(text));
    return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
  }

  void Draw(std::u32string_view text, int x, int y,
            OneBitBitmap& target) override {
    if (text.empty() || target.Width() <= 0 || target.Height() <= 0) return;
    FontContext context(font_.get());
    DrawInto(context.get(), Utf16(text), x, y, target);
  }

  bool TurnsText() const override { return true; }

  // The font turned by escapement starts its text at the corner where the
  // turned text begins: (0, width) for a quarter turn, (width, height) for
  // a half turn, (height, 0) for three quarters, from the turned cell's
  // top-left corner.
  void DrawTurned(std::u32string_view text, int quarters, int x, int y,
                  OneBitBitmap& target) override {
    if (text.empty() || target.Width() <= 0 || target.Height() <= 0) return;
    LOGFONTW turnedRecord = record_;
    turnedRecord.lfEscapement = turnedRecord.lfOrientation = quarters * 900;
    const FontHandle turned(turnedRecord);
    FontContext context(turned.get());
    const std::wstring wide = Utf16(text);
    const SIZE size = Measure(context.get(), wide);
    const long long cx = size.cx, cy = size.cy;
    const long long originX = quarters == 2 ? cx : quarters == 3 ? cy : 0;
    const long long originY = quarters == 1 ? cx : quarters == 2 ? cy : 0;
    DrawInto(context.get(), wide, static_cast<int>(x + originX),
             static_cast<int>(y + originY), target);
  }

 private:
  LOGFONTW record_;
  FontHandle font_;
};

}  // namespace

std::shared_ptr<RasterFont> GdiFontRasterizer::Font(
    const FontRequest& request) {
  LOGFONTW record{};
  record.lfHeight = request.height;
  record.lfWidth = request.width;
  record.lfWeight = std::clamp(request.weight, 0, 1000);  // 0: the default
  record.lfItalic = request.italic;
  record.lfUnderline = request.underline;
  record.lfStrikeOut = request.strikeOut;
  record.lfCharSet = DEFAULT_CHARSET;
  record.lfOutPrecision = OUT_DEFAULT_PRECIS;
  record.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  record.lfQuality = NONANTIALIASED_QUALITY;
  record.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  CopyFaceName(request.faceName, record.lfFaceName);
  return std::make_shared<GdiFont>(record);
}

int GdiFontRasterizer::ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  if (!screen) return kStandardPixelsPerInch;
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return pixelsPerInch > 0 ? pixelsPerInch : kStandardPixelsPerInch;
}

}  // namespace vxcl
