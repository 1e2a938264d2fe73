// What both fuzz targets do with a picture that decoded: every colour row,
// and the one-bit path of a placement (reduce, scale, turn, pad, encode).
#ifndef VXCL_FUZZ_PICTURE_PIPELINE_H
#define VXCL_FUZZ_PICTURE_PIPELINE_H

#include <cstdint>
#include <vector>

#include "job/graphic_command.h"
#include "raster/bitmap_rotation.h"
#include "raster/decoded_picture.h"
#include "raster/stretch.h"

namespace vxcl::fuzz {

inline void ExercisePicture(const DecodedPicture& picture) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(picture.Width()) * 3);
  for (int y = 0; y < picture.Height(); ++y) picture.ColorRow(y, rgb.data());
  OneBitBitmap bitmap = ReduceToOneBit(picture);
  bitmap =
      Stretch(bitmap, bitmap.Width() / 3 + 1, bitmap.Height() * 2 % 97 + 1);
  for (int degrees : {90, 180, 270}) {
    OneBitBitmap turned = RotateBitmap(bitmap, degrees);
    turned.Resize(PaddedSide(turned.Width()), PaddedSide(turned.Height()));
    volatile std::size_t size = EncodeBitmapGraphic(turned).size();
    (void)size;
  }
}

}  // namespace vxcl::fuzz

#endif
