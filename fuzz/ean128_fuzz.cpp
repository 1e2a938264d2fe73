// libFuzzer target: PrnEAN128's data parser and symbol assembly. Faulty
// data is refused with nothing added; data that is taken gives a valid
// Code 128 symbol that starts with FNC1.
#include <cstddef>
#include <cstdint>
#include <string>

#include "barcode/ean128.h"
#include "fuzz_job.h"
#include "support/code128_interpreter.h"

using vxcl::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider in(data, size);
  vxcl::JobState job = vxcl::fuzz::OpenJobState();
  const int direction = vxcl::fuzz::SmallOrAnyInt(in);
  const int narrowWidth = vxcl::fuzz::SmallOrAnyInt(in);
  const double barHeight = vxcl::fuzz::Millimetres(in);
  const std::string text = in.ConsumeRemainingBytesAsString();

  const int result =
      vxcl::AddEan128(job, direction, 10.0, 20.0, narrowWidth, barHeight, text)
          .code;
  if (result >= VXCL_AI_UNKNOWN) {
    Require(result <= VXCL_AI_MALFORMED);
    Require(job.body.empty());
    return 0;
  }
  Require(result == 1 || result == 7 || result == 34 || result == 35);
  // Rotation prefix, position, ESC "BG", width and height, symbol data.
  const std::size_t command = job.body.find(
      "\x1b"
      "BG");
  Require(command != std::string::npos);
  const vxcl::test::Code128Reading reading =
      vxcl::test::ReadCode128(std::string_view(job.body).substr(command + 8));
  Require(reading.error.empty());
  Require(!reading.items.empty() && reading.items.front().fnc1);
  return 0;
}
