#include "graphics/picture_placement.h"

#include "graphics/picture_file.h"
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
Expected<OneBitBitmap> LoadOneBit(Format format, PictureFile& picture) {
  try {
    const PictureFileBytes file = picture.ReadAll();
    if (format == Format::Bmp) return ReduceToOneBit(BmpPicture(file.Bytes()));
    return ReduceToOneBit(PcxPicture(file.Bytes()));
  } catch (const PictureError& error) {
    return Outcome(VXCL_PICTURE_UNREADABLE, error.what());
  }
}

void Pad(OneBitBitmap& picture) {
  picture.Resize(PaddedSide(picture.Width()), PaddedSide(picture.Height()));
}

Outcome PlacePicture(JobState& job, Format format, const PictureArgs& args) {
  if (!job.open) return VXCL_NO_JOB;
  if (!args.fileName) return VXCL_PICTURE_NAME_NULL;
  // Opened once, here: the file found is the file read later.
  PictureFile file(*args.fileName);
  if (!file.Exists()) return VXCL_PICTURE_FILE_MISSING;

  CheckCode code;
  int rotation = args.rotation;
  if (rotation < 0 || (rotation > 3 && !TurnedByLibrary(rotation))) {
    rotation = 0;
    code.Fail(VXCL_DIRECTION);
  }
  int v = VerticalDots(job, args.y);
  int h = HorizontalDots(job, args.x);
  const int widthDots = SizeDots(job, args.width);
  const int heightDots = SizeDots(job, args.height);
  const bool scaled = args.width != 0.0 && args.height != 0.0;
  if (scaled) {
    for (int side : {widthDots, heightDots}) {
      if (side >= 1 && side <= kMaxPictureSide) continue;
      return {VXCL_PICTURE_SIZE_NO_DOTS,
              side < 1 ? "the picture size converts to no dots"
                       : "the picture size converts to more than 32767 dots"};
    }
  }

  Expected<OneBitBitmap> loaded = LoadOneBit(format, file);
  if (!loaded) return std::move(loaded.Failure());
  OneBitBitmap picture = std::move(*loaded);
  // Refused before it is stretched, turned or encoded.
  const int finalWidth = scaled ? widthDots : picture.Width();
  const int finalHeight = scaled ? heightDots : picture.Height();
  const char* call = format == Format::Bmp ? "PrnDrawBMP" : "PrnDrawPCX";
  Outcome room = RoomInJob(
      job,
      GraphicElementsBytes(PaddedSide(finalWidth), PaddedSide(finalHeight)),
      std::string(call) + ": the picture of " + std::to_string(finalWidth) +
          " x " + std::to_string(finalHeight) + " dots");
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
  Expected<std::string> elements =
      GraphicElements(rotation, h, v, picture, call);
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
