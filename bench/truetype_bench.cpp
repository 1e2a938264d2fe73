// A warm PrnTrueTypeFont call: "Shipping label 0123456789" in DejaVu Sans
// at 24 points (32 dots per em), from the font request to the appended
// graphic. bench/pil_truetype.py times PIL drawing the same text one-bit at
// the same size, and runs this benchmark after it.
#include <benchmark/benchmark.h>

#include "platform/portable/freetype_font_rasterizer.h"
#include "support/open_job_state.h"
#include "text/truetype_text.h"

namespace {

void WarmTrueTypeText(benchmark::State& state) {
  vxcl::FreeTypeFontRasterizer fonts;
  vxcl::JobState job = vxcl::test::OpenJobState();
  const vxcl::TrueTypeTextArgs args{.x = 5.0,
                                    .y = 5.0,
                                    .fontName = "DejaVu Sans",
                                    .fontSize = 24,
                                    .text = "Shipping label 0123456789"};
  vxcl::AddTrueTypeText(job, &fonts, args);  // faces and glyphs now cached
  for (auto _ : state) {
    job.body.clear();
    benchmark::DoNotOptimize(vxcl::AddTrueTypeText(job, &fonts, args));
  }
  state.counters["bytes"] = static_cast<double>(job.body.size());
}
BENCHMARK(WarmTrueTypeText)->Unit(benchmark::kMicrosecond);

}  // namespace
