// Chinese through font fallback against Latin text: a warm call with ten
// Chinese characters in DejaVu Sans (drawn from the fallback face) beside a
// warm call with ten Latin characters, both at 12 points; and the first
// call of a process, fontconfig's configuration, the fallback ranking and
// the fallback face all new.
#include <benchmark/benchmark.h>

#include "platform/portable/freetype_font_rasterizer.h"
#include "support/open_job_state.h"
#include "text/truetype_text.h"

namespace {

constexpr const char* kLatin = "Lot 012345";
constexpr const char* kChinese = "東京都千代田區丸之內";

vxcl::TrueTypeTextArgs TextArgs(const char* text) {
  return {.x = 5.0,
          .y = 5.0,
          .fontName = "DejaVu Sans",
          .fontSize = 12,
          .text = text};
}

void Warm(benchmark::State& state, const char* text) {
  vxcl::FreeTypeFontRasterizer fonts;
  vxcl::JobState job = vxcl::test::OpenJobState();
  const vxcl::TrueTypeTextArgs args = TextArgs(text);
  vxcl::AddTrueTypeText(job, &fonts, args);  // faces and glyphs now cached
  for (auto _ : state) {
    job.body.clear();
    benchmark::DoNotOptimize(vxcl::AddTrueTypeText(job, &fonts, args));
  }
}

void WarmLatin10(benchmark::State& state) { Warm(state, kLatin); }
void WarmChinese10ThroughFallback(benchmark::State& state) {
  Warm(state, kChinese);
}
BENCHMARK(WarmLatin10)->Unit(benchmark::kMicrosecond);
BENCHMARK(WarmChinese10ThroughFallback)->Unit(benchmark::kMicrosecond);

void FirstCallWithANewFallbackFace(benchmark::State& state) {
  for (auto _ : state) {
    vxcl::FreeTypeFontRasterizer fonts;
    vxcl::JobState job = vxcl::test::OpenJobState();
    benchmark::DoNotOptimize(
        vxcl::AddTrueTypeText(job, &fonts, TextArgs(kChinese)));
  }
}
BENCHMARK(FirstCallWithANewFallbackFace)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace
