// libFuzzer target: any bytes as a PCX or SCR file.
#include <cstddef>
#include <cstdint>

#include "picture_pipeline.h"
#include "raster/pcx_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  try {
    const vxcl::PcxPicture picture({data, size});
    vxcl::fuzz::ExercisePicture(picture);
  } catch (const vxcl::PictureError&) {
    // Refusing the file is a correct answer.
  }
  return 0;
}
