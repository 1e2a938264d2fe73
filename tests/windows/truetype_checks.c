/* TrueType text through the DLL against GDI itself: each case is drawn here
 * the way label software has always drawn it on Windows (a font made from
 * a LOGFONTA record, turned with escapement, ExtTextOutA white on a black
 * one-bit bitmap) and must come out of the DLL as the same graphic, dot for
 * dot. The job is a CL job on the 203 dpi virtual printer: 8 dots per mm,
 * elements moved 32 dots right. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "host.h"

#define VP "VP"
#define FACE "Liberation Sans"

struct TextCase {
  double y; /* mm; x is 10 mm */
  int rotation;
  const char *text;
  int size, charWidth, charHeight, weight, italic, underline, strikeOut;
  int alignMode;
};

static int ScreenPixelsPerInch(void) {
  HDC screen = GetDC(NULL);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(NULL, screen);
  return pixelsPerInch;
}

/* The element the DLL must append for `c`: drawn here. */
static size_t ReferenceElement(const struct TextCase *c, unsigned char *out,
                               size_t capacity) {
  const int quarters = c->rotation >= 90 ? c->rotation / 90 : 0;
  const int sum = quarters + c->charWidth + c->charHeight + c->weight +
                  c->italic + c->underline + c->strikeOut;
  LOGFONTA record = {0};
  record.lfHeight = -MulDiv(c->size, ScreenPixelsPerInch(), 72);
  record.lfWeight = FW_NORMAL;
  record.lfCharSet = DEFAULT_CHARSET;
  strcpy(record.lfFaceName, FACE);
  int turn = 0;
  if (sum >= 1) {
    turn = quarters;
    record.lfEscapement = record.lfOrientation = quarters * 900;
    record.lfItalic = (BYTE)c->italic;
    record.lfUnderline = (BYTE)c->underline;
    record.lfStrikeOut = (BYTE)c->strikeOut;
    if (c->charHeight > 0 && c->charWidth > 0) {
      record.lfHeight = c->charHeight;
      record.lfWidth = c->charWidth;
    }
    record.lfWeight = c->weight * 100;
  }
  HDC context = CreateCompatibleDC(NULL);
  HFONT font = CreateFontIndirectA(&record);
  HGDIOBJ previousFont = SelectObject(context, font);
  SIZE extent;
  GetTextExtentPoint32A(context, c->text, (int)strlen(c->text), &extent);
  const int cx = extent.cx, cy = extent.cy;
  const int h = turn % 2;
  int width = (1 - h) * cx + h * cy, height = (1 - h) * cy + h * cx;
  const int ox = (turn / 3) * cy + (turn / 2) * cx * (3 - turn);
  const int oy = (1 - turn / 2) * turn * cx + (1 - h) * (turn / 2) * cy;
  /* What a turn moves above the label or left of it is cut off there. */
  int xDots = 80 - ox, yDots = (int)(c->y * 8 + 0.5) - oy;
  int cutLeft = 0, cutTop = 0;
  if ((turn == 1 || turn == 2) && yDots < 0) {
    cutTop = -yDots < height ? -yDots : height;
    yDots = 0;
  }
  if ((turn == 2 || turn == 3) && c->alignMode == 0 && xDots < 0) {
    cutLeft = -xDots < width ? -xDots : width;
    xDots = 0;
  }
  width -= cutLeft;
  height -= cutTop;
  const int paddedWidth = width + 8 - width % 8;
  const int paddedHeight = height + 8 - height % 8;

  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info = {{sizeof(BITMAPINFOHEADER), paddedWidth, -paddedHeight, 1, 1, BI_RGB,
             0, 0, 0, 0, 0},
            {{0, 0, 0, 0}, {255, 255, 255, 0}}};
  void *bits = NULL;
  HBITMAP bitmap = CreateDIBSection(context, (BITMAPINFO *)&info,
                                    DIB_RGB_COLORS, &bits, NULL, 0);
  const size_t stride = ((size_t)paddedWidth + 31) / 32 * 4;
  memset(bits, 0, stride * (size_t)paddedHeight);
  HGDIOBJ previousBitmap = SelectObject(context, bitmap);
  SetBkMode(context, TRANSPARENT);
  SetTextColor(context, RGB(255, 255, 255));
  ExtTextOutA(context, ox - cutLeft, oy - cutTop, 0, NULL, c->text,
              (int)strlen(c->text), NULL);
  GdiFlush();

  const int rotation = c->rotation >= 0 && c->rotation <= 3 ? c->rotation : 0;
  int x = xDots + 32;
  if (c->alignMode == 2)
    x = (800 - paddedWidth) / 2 + (800 - paddedWidth) % 2 + 32;
  int length =
      snprintf((char *)out, capacity, "\x1b%%%d\x1bH%d\x1bV%d\x1bGB%03d%03d",
               rotation, x, yDots, paddedWidth / 8, paddedHeight / 8);
  for (int row = 0; row < paddedHeight; ++row)
    for (int i = 0; i < paddedWidth / 8 && (size_t)length < capacity; ++i)
      out[length++] = ((const unsigned char *)bits)[row * stride + i];

  SelectObject(context, previousBitmap);
  SelectObject(context, previousFont);
  DeleteObject(bitmap);
  DeleteObject(font);
  DeleteDC(context);
  return (size_t)length;
}

static void CheckText(const struct TextCase *c) {
  static unsigned char expected[65536];
  static const char kHeader[] =
      "\x02\x1b"
      "A\x1b"
      "AR\x1b"
      "CS4\x1b#E3\x1bZ\x03\x02\x1b"
      "A";
  static const char kEnd[] = "\x1bQ1\x1bZ\x03";
  API(PrnEnd)();
  API(VxclRemoveVirtualPrinter)(VP);
  CHECK_INT(1, API(VxclAddVirtualPrinter)(VP, 203, 104, 1000));
  CHECK_INT(1, API(PrnInit)(VP, 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnTrueTypeFont)(c->rotation, 10.0, c->y, FACE, c->size,
                                    c->charWidth, c->charHeight, c->weight,
                                    c->italic, c->underline, c->strikeOut,
                                    c->alignMode, 0.0, c->text));
  CHECK_INT(1, API(PrnQty)(1));
  CHECK_INT(1, API(PrnEnd)());
  size_t length = sizeof kHeader - 1;
  memcpy(expected, kHeader, length);
  length += ReferenceElement(c, expected + length,
                             sizeof expected - length - sizeof kEnd);
  memcpy(expected + length, kEnd, sizeof kEnd - 1);
  length += sizeof kEnd - 1;
  CHECK_LAST_RAW_JOB(VP, "VP Job", expected, length);
}

static void PlainText(void) {
  const struct TextCase c = {5.0, 0, "Label 123", 12, 0, 0, 0, 0, 0, 0, 0};
  CheckText(&c);
}

static void APrinterRotationLeavesTheTextUnturned(void) {
  const struct TextCase c = {5.0, 2, "Label 123", 12, 0, 0, 0, 0, 0, 0, 0};
  CheckText(&c);
}

static void BoldItalicUnderlinedStruckOut(void) {
  const struct TextCase c = {5.0, 0, "Styled", 16, 0, 0, 7, 1, 1, 1, 0};
  CheckText(&c);
}

static void CharacterCellGivenInDots(void) {
  const struct TextCase c = {5.0, 0, "Narrow", 12, 10, 30, 4, 0, 0, 0, 0};
  CheckText(&c);
}

static void CentredOnTheLabel(void) {
  const struct TextCase c = {5.0, 0, "Centre", 14, 0, 0, 0, 0, 0, 0, 2};
  CheckText(&c);
}

/* Characters of the system's code page (double-byte ones in code page
 * 950) are drawn as the host's code page has them. */
static void TextInTheAnsiCodePage(void) {
  const char *sample = AnsiSample();
  if (!sample) {
    printf("  (code page %u: left out)\n", GetACP());
    return;
  }
  const struct TextCase c = {5.0, 0, sample, 12, 0, 0, 0, 0, 0, 0, 0};
  CheckText(&c);
}

static void TurnedAQuarter(void) {
  const struct TextCase c = {20.0, 90, "Up 90", 12, 0, 0, 4, 0, 0, 0, 0};
  CheckText(&c);
}

static void TurnedHalfway(void) {
  const struct TextCase c = {20.0, 180, "Down", 12, 0, 0, 4, 0, 0, 0, 0};
  CheckText(&c);
}

/* Turned text that a turn moves above the label, or left of it, is cut at
 * the label's edge. */
static void TurnedOverTheTopEdge(void) {
  const struct TextCase c = {5.0, 90, "Up 90", 12, 0, 0, 4, 0, 0, 0, 0};
  CheckText(&c);
}

static void TurnedOverTheLeftEdge(void) {
  const struct TextCase c = {20.0, 180, "Turned halfway", 14, 0, 0, 4, 0, 0,
                             0,    0};
  CheckText(&c);
}

static void TurnedThreeQuarters(void) {
  const struct TextCase c = {20.0, 270, "Side", 12, 0, 0, 4, 0, 0, 0, 0};
  CheckText(&c);
}

/* Chinese in code page 950 with the CJK face the test prefix installs:
 * every character cell (a full em, 16 dots at 12 points) has ink. The
 * encoding call takes the system code page's own names only. */
static void ChineseInCodePage950(void) {
  static const char kTokyo[] = "\xaa\x46\xa8\xca\xb3\xa3\xa4\x64\xa5\x4e"
                               "\xa5\xd0\xb0\xcf"; /* 東京都千代田區 */
  static unsigned char job[65536];
  if (GetACP() != 950) {
    printf("  (code page %u: left out)\n", GetACP());
    return;
  }
  CHECK_INT(1, API(VxclSetTextEncoding)("CP950"));
  CHECK_INT(180, API(VxclSetTextEncoding)("EUC-KR"));
  API(PrnEnd)();
  API(VxclRemoveVirtualPrinter)(VP);
  CHECK_INT(1, API(VxclAddVirtualPrinter)(VP, 203, 104, 1000));
  CHECK_INT(1, API(PrnInit)(VP, 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnTrueTypeFont)(0, 10.0, 5.0, "WenQuanYi Micro Hei", 12, 0,
                                    0, 0, 0, 0, 0, 0, 0.0, kTokyo));
  CHECK_INT(1, API(PrnQty)(1));
  CHECK_INT(1, API(PrnEnd)());
  const int count = API(VxclVirtualJobCount)(VP);
  const int length =
      API(VxclVirtualJob)(VP, count - 1, job, (int)sizeof job);
  const unsigned char *graphic = NULL;
  for (int i = 0; i + 9 <= length && !graphic; ++i)
    if (memcmp(job + i, "\x1bGB", 3) == 0) graphic = job + i;
  CHECK(graphic != NULL, "no graphic in the job");
  if (!graphic) return;
  const int widthBytes = (graphic[3] - '0') * 100 + (graphic[4] - '0') * 10 +
                         (graphic[5] - '0');
  const int rows = 8 * ((graphic[6] - '0') * 100 + (graphic[7] - '0') * 10 +
                        (graphic[8] - '0'));
  const unsigned char *bits = graphic + 9;
  CHECK(widthBytes * 8 >= 7 * 16, "graphic %d bytes wide", widthBytes);
  CHECK((bits - job) + (long)widthBytes * rows <= length, "graphic cut");
  if (widthBytes * 8 < 7 * 16 || (bits - job) + (long)widthBytes * rows > length)
    return;
  for (int cell = 0; cell < 7; ++cell) {
    int ink = 0;
    for (int row = 0; row < rows; ++row)
      for (int x = cell * 16; x < cell * 16 + 16; ++x)
        ink += (bits[row * widthBytes + x / 8] >> (7 - x % 8)) & 1;
    CHECK(ink > 10, "character %d has %d dots of ink", cell + 1, ink);
  }
}

const struct CheckCase kTrueTypeChecks[] = {
    {"ChineseInCodePage950", ChineseInCodePage950},
    {"PlainText", PlainText},
    {"APrinterRotationLeavesTheTextUnturned",
     APrinterRotationLeavesTheTextUnturned},
    {"BoldItalicUnderlinedStruckOut", BoldItalicUnderlinedStruckOut},
    {"CharacterCellGivenInDots", CharacterCellGivenInDots},
    {"CentredOnTheLabel", CentredOnTheLabel},
    {"TextInTheAnsiCodePage", TextInTheAnsiCodePage},
    {"TurnedAQuarter", TurnedAQuarter},
    {"TurnedHalfway", TurnedHalfway},
    {"TurnedThreeQuarters", TurnedThreeQuarters},
    {"TurnedOverTheTopEdge", TurnedOverTheTopEdge},
    {"TurnedOverTheLeftEdge", TurnedOverTheLeftEdge},
    {NULL, NULL},
};
