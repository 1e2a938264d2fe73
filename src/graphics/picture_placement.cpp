#include "graphics/picture_placement.h"

#include <climits>
#include <span>
#include <string>

#include "graphics/bitmap_rotation.h"
#include "graphics/bmp_decoder.h"
#include "graphics/decoded_picture.h"
#include "graphics/graphic_encoding.h"
#include "graphics/pcx_decoder.h"
#include "graphics/picture_file.h"
#include "graphics/stretch.h"
#include "job/element.h"
#include "job/last_error.h"
#include "job/result_code.h"

namespace vxcl {

namespace {

enum class Format { Bmp, Pcx };

struct PictureArgs {
  int rotation;
  double x, y, width, height;
  const char* fileName;
};

bool TurnedByLibrary(int rotation) {
  return rotation == 90 || rotation == 180 || rotation == 270;
}

int Saturated(long long value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

OneBitBitmap LoadOneBit(Format format, const std::string& path) {
  const PictureFileBytes file = ReadPictureFile(path);
  if (format == Format::Bmp) return ReduceToOneBit(BmpPicture(file.Bytes()));
  return ReduceToOneBit(PcxPicture(file.Bytes()));
}

void Pad(OneBitBitmap& picture) {
  picture.Resize(PaddedSide(picture.Width()), PaddedSide(picture.Height()));
}

int PlacePicture(JobState& job, Format format, const PictureArgs& args) {
  if (!job.JobOpen) return kNoJob;
  if (args.fileName == nullptr) return kPictureNameNull;
  const std::string path = args.fileName;
  if (!PictureFileExists(path)) return kPictureFileMissing;

  CheckCode code;
  int rotation = args.rotation;
  if (rotation < 0 || (rotation > 3 && !TurnedByLibrary(rotation))) {
    rotation = 0;
    code.Fail(kPictureRotationOutOfRange);
  }
  int v = VerticalDots(job, args.y);
  int h = HorizontalDots(job, args.x);
  const int widthDots = SizeDots(job, args.width);
  const int heightDots = SizeDots(job, args.height);
  const bool scaled = args.width != 0.0 && args.height != 0.0;
  if (scaled) {
    for (int side : {widthDots, heightDots}) {
      if (side >= 1 && side <= kMaxPictureSide) continue;
      RecordLastError(side < 1 ? "the picture size converts to no dots"
                               : "the picture size converts to more than "
                                 "32767 dots");
      return kPictureSizeNoDots;
    }
  }

  OneBitBitmap picture;
  try {
    picture = LoadOneBit(format, path);
  } catch (const PictureError& error) {
    RecordLastError(error.what());
    return kPictureUnreadable;
  }
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
  AppendElement(job, rotation, h, v, EncodeBitmapGraphic(picture));
  return code.Result();
}

}  // namespace

int DrawBmp(JobState& job, int rotation, double x, double y, double width,
            double height, const char* fileName) {
  return PlacePicture(job, Format::Bmp,
                      {rotation, x, y, width, height, fileName});
}

int DrawPcx(JobState& job, int rotation, double x, double y, double width,
            double height, const char* fileName) {
  return PlacePicture(job, Format::Pcx,
                      {rotation, x, y, width, height, fileName});
}

}  // namespace vxcl
