#include "graphics/picture_placement.h"

#include "graphics/picture_file.h"
#include "job/check_messages.h"
#include "job/commands.h"
#include "job/element.h"
#include "job/graphic_command.h"
#include "job/job_limits.h"
#include "raster/bitmap_rotation.h"
#include "raster/bmp_decoder.h"
#include "raster/decoded_picture.h"
#include "raster/pcx_decoder.h"
#include "raster/stretch.h"

namespace vxcl {

namespace {

enum class Format { Bmp, Pcx };

struct PictureArgs {
  int rotation;
  double x, y, width, height;
  std::optional<std::string_view> fileName;
};

bool TurnedByLibrary(int rotation) {
  return rotation == 90 || rotation == 180 || rotation == 270;
}

// The picture reduced to one bit, or why it cannot be read: the decoders'
// complaints end here.
Expected<OneBitBitmap> LoadOneBit(Format format, PictureFile& picture,
                                  std::string_view path) {
  try {
    const PictureFileBytes file = picture.ReadAll();
    if (format == Format::Bmp) return ReduceToOneBit(BmpPicture(file.Bytes()));
    return ReduceToOneBit(PcxPicture(file.Bytes()));
  } catch (const PictureError& error) {
    return Outcome(VXCL_PICTURE_UNREADABLE,
                   "FileName " + QuotedName(path) +
                       " is unreadable or unsupported (" + error.what() +
                       "); nothing added");
  }
}

void Pad(OneBitBitmap& picture) {
  picture.Resize(PaddedSide(picture.Width()), PaddedSide(picture.Height()));
}

Outcome PlacePicture(JobState& job, Format format, const PictureArgs& args) {
  if (!job.open) return VXCL_NO_JOB;
  if (!args.fileName)
    return Outcome(VXCL_PICTURE_NAME_NULL,
                   "FileName is a null pointer; nothing added");
  const std::string_view path = *args.fileName;
  // Opened once, here: the file found is the file read later.
  PictureFile file(path);
  if (!file.Exists())
    return Outcome(VXCL_PICTURE_FILE_MISSING,
                   "FileName " + QuotedName(path) +
                       ": no such file (or not a regular file); nothing "
                       "added");

  CheckCode code;
  int rotation = args.rotation;
  if (rotation < 0 || (rotation > 3 && !TurnedByLibrary(rotation))) {
    code.Fail(VXCL_DIRECTION, Replaced("Rotation", Number(rotation),
                                       "0 to 3, 90, 180 or 270", "0"));
    rotation = 0;
  }
  int v = VerticalDots(job, args.y);
  int h = HorizontalDots(job, args.x);
  const int widthDots = SizeDots(job, args.width);
  const int heightDots = SizeDots(job, args.height);
  const bool scaled = args.width != 0.0 && args.height != 0.0;
  if (scaled) {
    const struct {
      const char* argument;
      double mm;
      int dots;
    } sides[] = {{"Width", args.width, widthDots},
                 {"Height", args.height, heightDots}};
    for (const auto& side : sides) {
      if (side.dots >= 1 && side.dots <= kMaxPictureSide) continue;
      code.Fail(VXCL_PICTURE_SIZE_NO_DOTS,
                std::string(side.argument) + " " + Millimetres(side.mm) +
                    " converts to " + Number(side.dots) +
                    " dots, not 1 to 32767 (0 for both: the picture's own "
                    "size); nothing added");
      return code.Result();
    }
  }

  Expected<OneBitBitmap> loaded = LoadOneBit(format, file, path);
  if (!loaded) {
    code.Fail(loaded.Failure().code, loaded.Failure().message);
    return code.Result();
  }
  OneBitBitmap picture = std::move(*loaded);
  // Refused before it is stretched, turned or encoded.
  const int finalWidth = scaled ? widthDots : picture.Width();
  const int finalHeight = scaled ? heightDots : picture.Height();
  Outcome room = RoomInJob(
      job,
      GraphicElementsBytes(PaddedSide(finalWidth), PaddedSide(finalHeight)),
      "the picture of " + std::to_string(finalWidth) + " x " +
          std::to_string(finalHeight) + " dots");
  if (room.code != VXCL_OK) return room;
  if (scaled) picture = Stretch(picture, widthDots, heightDots);

  // BMP pictures turn padded, PCX pictures turn first and are padded after;
  // either way the turn keeps the top-left corner at (x, y).
  if (format == Format::Bmp) Pad(picture);
  if (TurnedByLibrary(rotation)) {
    const int w = picture.Width(), ht = picture.Height();
    if (rotation == 90) v = Saturated(static_cast<long long>(v) - w);
    if (rotation == 180) {
      v = Saturated(static_cast<long long>(v) - ht);
      h = Saturated(static_cast<long long>(h) - w);
    }
    if (rotation == 270) h = Saturated(static_cast<long long>(h) - ht);
    picture = RotateBitmap(picture, rotation);
    rotation = 0;
  }
  if (format == Format::Pcx) Pad(picture);

  // The picture's dark pixels are already the set bits the printer prints.
  Expected<std::string> elements = GraphicElements(rotation, h, v, picture);
  if (!elements) return std::move(elements.Failure());
  AppendElementText(job, *elements);
  return code.Result();
}

}  // namespace

Outcome AddBmpPicture(JobState& job, int rotation, double x, double y,
                      double width, double height,
                      std::optional<std::string_view> fileName) {
  return PlacePicture(job, Format::Bmp,
                      {rotation, x, y, width, height, fileName});
}

Outcome AddPcxPicture(JobState& job, int rotation, double x, double y,
                      double width, double height,
                      std::optional<std::string_view> fileName) {
  return PlacePicture(job, Format::Pcx,
                      {rotation, x, y, width, height, fileName});
}

}  // namespace vxcl
