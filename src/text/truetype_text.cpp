#include "text/truetype_text.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>

#include "job/check_messages.h"
#include "job/commands.h"
#include "job/element.h"
#include "job/graphic_command.h"
#include "job/job_limits.h"
#include "platform/font_rasterizer.h"
#include "platform/host_text.h"
#include "raster/bitmap_rotation.h"

namespace vxcl {

namespace {

constexpr int kNormalWeight = 400;

// Windows' MulDiv for a positive divisor: a * b / c rounded to the nearest
// integer, halves away from zero; -1 when the result does not fit in 32
// bits.
int MulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long result =
      (product >= 0 ? product + c / 2 : product - c / 2) / c;
  return result < INT_MIN || result > INT_MAX ? -1 : static_cast<int>(result);
}

// The font's height field as sizing it in points makes it: the negated
// character height, so negative sizes give a cell height. Hosts size text
// for their screen; each pixel prints as one dot.
int HeightForPoints(int points, int screenPixelsPerInch) {
  return Saturated(
      -static_cast<long long>(MulDiv(points, screenPixelsPerInch, 72)));
}

bool LowByteSet(int flag) { return (flag & 0xFF) != 0; }

// The 32-bit sum of the turn and the style arguments, wrapping as the
// host's integers do: 1 or more asks for styled rendering.
bool WantsStyles(int quarters, const TrueTypeTextArgs& a) {
  std::uint32_t sum = static_cast<std::uint32_t>(quarters);
  for (int value : {a.charWidth, a.charHeight, a.weight, a.italic, a.underline,
                    a.strikeOut})
    sum += static_cast<std::uint32_t>(value);
  return static_cast<std::int32_t>(sum) >= 1;
}

FontRequest RequestFor(const TrueTypeTextArgs& a, bool styled,
                       int screenPixelsPerInch) {
  FontRequest request;
  request.faceName = HostTextAsUtf8(a.fontName);
  request.height = HeightForPoints(a.fontSize, screenPixelsPerInch);
  request.weight = kNormalWeight;
  if (!styled) return request;
  request.italic = LowByteSet(a.italic);
  request.underline = LowByteSet(a.underline);
  request.strikeOut = LowByteSet(a.strikeOut);
  if (a.charHeight > 0 && a.charWidth > 0) {
    request.height = a.charHeight;
    request.width = a.charWidth;
  }
  request.weight = Saturated(static_cast<long long>(a.weight) * 100);
  return request;
}

// Alignment rules 1 to 3 ignore x; 0 and every other value use it.
bool UsesX(int alignMode) { return alignMode < 1 || alignMode > 3; }

struct Window {
  long long left, top, right, bottom;  // right and bottom excluded
};

// The part of the unturned text's plane that a turn by `quarters` carries
// onto `turned`, a window in the plane of the turned text, whose cell
// (turned) has its top-left corner at (0, 0). The unturned cell is
// cellWidth x cellHeight, also at (0, 0).
Window Unturned(int quarters, const Window& turned, int cellWidth,
                int cellHeight) {
  const Window& t = turned;
  switch (quarters) {
    case 1:
      return {cellWidth - t.bottom, t.left, cellWidth - t.top, t.right};
    case 2:
      return {cellWidth - t.right, cellHeight - t.bottom, cellWidth - t.left,
              cellHeight - t.top};
    case 3:
      return {t.top, cellHeight - t.right, t.bottom, cellHeight - t.left};
    default:
      return t;
  }
}

// The text drawn turned counter-clockwise by `quarters`, as the pixels of
// `window` in the turned text's plane: with a turned font where the font
// system has them, else drawn unturned into the window's counterpart and
// turned exactly, which clips as a turned font would.
OneBitBitmap DrawTurned(RasterFont& font, std::u32string_view text,
                        int quarters, TextExtent cell, const Window& window) {
  if (quarters != 0 && font.TurnsText()) {
    OneBitBitmap turned(static_cast<int>(window.right - window.left),
                        static_cast<int>(window.bottom - window.top));
    font.DrawTurned(text, quarters, static_cast<int>(-window.left),
                    static_cast<int>(-window.top), turned);
    return turned;
  }
  const Window u = Unturned(quarters, window, cell.width, cell.height);
  OneBitBitmap unturned(static_cast<int>(u.right - u.left),
                        static_cast<int>(u.bottom - u.top));
  font.Draw(text, static_cast<int>(-u.left), static_cast<int>(-u.top),
            unturned);
  if (quarters == 0) return unturned;
  return RotateBitmap(unturned, 90 * quarters);
}

long long AlignedX(const JobState& job, int alignMode, long long xDots,
                   long long offDots, int paddedWidth) {
  const long long media = job.mediaOffsetDots;
  switch (alignMode) {
    case 0:
      return xDots + media + offDots;
    case 1:
      return media + offDots;
    case 2: {
      const double centred =
          (static_cast<double>(job.labelWidthDots) - paddedWidth) / 2 + 0.5;
      return static_cast<long long>(centred) + media + offDots;
    }
    case 3:
      return static_cast<long long>(job.maxWidthDots) - paddedWidth + offDots -
             (job.CentresLabel() ? media : 0);
    default:
      return xDots;
  }
}

// At most this many undrawable characters are named in a message.
constexpr std::size_t kNamedCharacters = 10;

std::string CodePoints(std::u32string_view characters) {
  std::string named;
  const std::size_t shown = std::min(characters.size(), kNamedCharacters);
  for (std::size_t i = 0; i < shown; ++i) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X",
                  static_cast<unsigned>(characters[i]));
    if (i > 0) named += i + 1 == characters.size() ? " and " : ", ";
    named += code;
  }
  if (shown < characters.size())
    named += " and " + std::to_string(characters.size() - shown) + " more";
  return named;
}

// What the host is told when the text printed, but not quite as asked.
std::string NoteMessage(const TextNote& note) {
  std::string message;
  if (note.faceReplaced)
    message = "font \"" + note.faceAsked +
              "\" is not installed and no installed face is mapped to it; \"" +
              note.faceUsed + "\" used";
  if (!note.undrawable.empty()) {
    if (!message.empty()) message += "; ";
    message += "no installed font has " + CodePoints(note.undrawable) +
               "; printed as the missing-character shape of \"" +
               note.faceUsed + "\"";
  }
  return message;
}

Outcome DrawAndAppend(JobState& job, FontRasterizer& fonts,
                      const TrueTypeTextArgs& args) {
  long long xDots = MmToDots(job.dotsPerMm, args.x);
  long long yDots = MmToDots(job.dotsPerMm, args.y);

  CheckCode code;
  int rotation = args.rotation;
  if (rotation < 0 ||
      (rotation > 3 && rotation != 90 && rotation != 180 && rotation != 270)) {
    code.Fail(VXCL_DIRECTION,
              Replaced("Rotation", Number(rotation), "0 to 3, 90, 180 or 270",
                       "0 (unturned)"));
    rotation = 0;
  }
  int quarters = 0;
  if (rotation >= 90) {
    quarters = rotation / 90;
    rotation = 0;
  }

  // Plain rendering leaves out the turn as well as the styles.
  const bool styled = WantsStyles(quarters, args);
  if (!styled) quarters = 0;
  const std::shared_ptr<RasterFont> font =
      fonts.Font(RequestFor(args, styled, fonts.ScreenPixelsPerInch()));
  const std::u32string text = DecodeHostText(args.text);
  const TextExtent cell = font->Extent(text);

  // The turned cell, and the move that keeps its top-left corner at (x, y).
  const bool sideways = quarters % 2 == 1;
  const long long width = sideways ? cell.height : cell.width;
  const long long height = sideways ? cell.width : cell.height;
  const bool movesUp = quarters == 1 || quarters == 2;
  const bool movesLeft = quarters == 2 || quarters == 3;
  if (movesUp) yDots -= quarters == 1 ? cell.width : cell.height;
  if (movesLeft) xDots -= quarters == 2 ? cell.width : cell.height;

  // What a turn pushed above the label or left of it is cut off.
  long long cutTop = 0, cutLeft = 0;
  if (movesUp && yDots < 0) {
    cutTop = std::min(-yDots, height);
    yDots = 0;
  }
  if (movesLeft && UsesX(args.alignMode) && xDots < 0) {
    cutLeft = std::min(-xDots, width);
    xDots = 0;
  }
  const long long keptWidth = width - cutLeft, keptHeight = height - cutTop;
  if (keptWidth > kMaxTextSide || keptHeight > kMaxTextSide) {
    code.Fail(VXCL_INTERNAL_FAILURE,
              "the text is too large to draw (" + Number(keptWidth) + " by " +
                  Number(keptHeight) + " dots, at most " +
                  Number(kMaxTextSide) + " a side); nothing added");
    return code.Result();
  }
  const int paddedWidth = PaddedSide(static_cast<int>(keptWidth));
  const int paddedHeight = PaddedSide(static_cast<int>(keptHeight));
  // Refused before it is drawn.
  Outcome room = RoomInJob(job, GraphicElementsBytes(paddedWidth, paddedHeight),
                           "the text of " + std::to_string(keptWidth) + " x " +
                               std::to_string(keptHeight) + " dots");
  if (room.code != VXCL_OK) return room;

  TextNote note;
  const FaceChoice face = font->Face();
  note.faceUsed = face.used;
  note.faceReplaced = face.replaced;
  note.undrawable = font->Undrawable(text);
  const bool noted = note.faceReplaced || !note.undrawable.empty();
  if (noted) {
    note.faceAsked = HostTextAsUtf8(args.fontName);
    note.bodyOffset = job.body.size();
    job.textNotes.reserve(job.textNotes.size() + 1);
  }
  std::string message = noted ? NoteMessage(note) : std::string();

  const OneBitBitmap bitmap = DrawTurned(
      *font, text, quarters, cell,
      {cutLeft, cutTop, cutLeft + paddedWidth, cutTop + paddedHeight});

  const long long offDots = MmToDots(job.dotsPerMm, args.alignOffset);
  const long long x =
      AlignedX(job, args.alignMode, xDots, offDots, paddedWidth);
  Expected<std::string> elements = GraphicElements(
      rotation, Saturated(x + job.shiftDots), Saturated(yDots), bitmap);
  if (!elements) return std::move(elements.Failure());
  AppendElementText(job, *elements);
  Outcome result = code.Result();
  if (!noted) return result;
  job.textNotes.push_back(std::move(note));  // room reserved above
  result.message += (result.message.empty() ? "" : ". ") + message;
  return result;
}

}  // namespace

Outcome AddTrueTypeText(JobState& job, FontRasterizer* fonts,
                        const TrueTypeTextArgs& args) {
  if (!job.open) return VXCL_NO_JOB;
  if (fonts == nullptr)
    return {VXCL_INTERNAL_FAILURE,
            "no font system is available; nothing added"};
  // The font system's failures end here, with nothing appended.
  try {
    return DrawAndAppend(job, *fonts, args);
  } catch (const FontError& error) {
    return {VXCL_INTERNAL_FAILURE, "FontName " + QuotedExcerpt(args.fontName) +
                                       ": " + error.what() + "; nothing added"};
  }
}

}  // namespace vxcl
