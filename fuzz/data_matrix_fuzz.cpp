// libFuzzer target: PrnDataMatrix's checks and command. Data of 1 to 500
// bytes is sent as it is, after the settings; anything else adds nothing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "barcode/data_matrix.h"
#include "fuzz_job.h"

using vxcl::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  FuzzedDataProvider in(data, size);
  vxcl::JobState job = vxcl::fuzz::OpenJobState();
  const int direction = vxcl::fuzz::SmallOrAnyInt(in);
  vxcl::DataMatrixSettings settings;
  for (int* value :
       {&settings.formatId, &settings.eccLevel, &settings.cellWidth,
        &settings.cellHeight, &settings.symbolFlag, &settings.symbolOption})
    *value = vxcl::fuzz::SmallOrAnyInt(in);
  const double x = vxcl::fuzz::Millimetres(in);
  const double y = vxcl::fuzz::Millimetres(in);
  const std::string text = in.ConsumeRemainingBytesAsString();

  const int result =
      vxcl::AddDataMatrix(job, direction, x, y, settings, text).code;
  if (result == VXCL_DATAMATRIX_DATA) {
    Require(text.empty() || text.size() > vxcl::kDataMatrixMaxData);
    Require(job.body.empty());
    return 0;
  }
  Require(!text.empty() && text.size() <= vxcl::kDataMatrixMaxData);
  Require(
      result == 1 || result == 7 ||
      (result >= VXCL_DATAMATRIX_FORMAT && result <= VXCL_DATAMATRIX_OPTION));
  const std::string tail =
      "\x1b"
      "DC" +
      text;
  Require(job.body.size() > tail.size() &&
          job.body.compare(job.body.size() - tail.size(), tail.size(), tail) ==
              0);
  return 0;
}
