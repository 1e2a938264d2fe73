// libFuzzer target: any bytes as a printer command stream, drawn, and the
// top of its first label encoded as PNG. The first byte picks the head: 203,
// 305 or 609 dpi, with or without a known label length.
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/platform.h"
#include "preview/png_writer.h"
#include "preview/stream_preview.h"

// fontconfig and FreeType keep what they load for the process's life:
// loaded here, before the runs, it is not taken for a leak of one input,
// and fontconfig's configuration is released at exit.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit(FcFini);
  const std::string_view warmUp =
      "\x02\x1b"
      "A\x1bH0\x1bV0\x1bSText\x1b$A,50,50,0\x1b$=V"
      "\x1bRDA00,020,020,R\x1bPS\x1bXMP\x1bQ1\x1bZ\x03";
  vxcl::preview::PreviewStream(warmUp, {}, *vxcl::CurrentPlatform().fonts);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size == 0) return 0;
  vxcl::preview::PreviewMetrics metrics;
  constexpr int kDotsPerMm[] = {8, 12, 24};
  metrics.dotsPerMm = kDotsPerMm[data[0] % 3];
  metrics.headWidthDots = 104 * metrics.dotsPerMm;
  if (data[0] & 4) {
    metrics.labelWidthDots = 100 * metrics.dotsPerMm;
    metrics.labelLengthDots = 50 * metrics.dotsPerMm;
  }
  const std::string_view stream(reinterpret_cast<const char*>(data + 1),
                                size - 1);
  vxcl::preview::StreamPreview preview = vxcl::preview::PreviewStream(
      stream, metrics, *vxcl::CurrentPlatform().fonts);
  // The top of the first label as PNG: every row is encoded alike, and the
  // picture of sixteen long labels would cost more than all the reading.
  preview.labels.resize(1);
  vxcl::OneBitBitmap& dots = preview.labels[0].dots;
  dots.Resize(dots.Width(), std::min(dots.Height(), 64));
  volatile std::size_t bytes =
      vxcl::preview::EncodePng(preview.labels, metrics.dotsPerMm).size();
  (void)bytes;
  return 0;
}
