// libFuzzer target: any bytes as Code 128 data for the optimiser. The
// symbol it writes must be valid and hold exactly what the data asks for,
// as an independent reader sees it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "barcode/code128_optimizer.h"
#include "support/code128_interpreter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const vxcl::test::Code128Reading reading =
      vxcl::test::ReadCode128(vxcl::Code128Optimizer(input));
  if (!reading.error.empty()) std::abort();
  if (reading.items != vxcl::test::IntendedContent(input)) std::abort();
  return 0;
}
