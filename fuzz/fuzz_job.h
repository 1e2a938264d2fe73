// What the barcode fuzz targets share: an open job to draw on, and the
// arguments of a call taken from the fuzzer's bytes.
#ifndef VXCL_FUZZ_FUZZ_JOB_H
#define VXCL_FUZZ_FUZZ_JOB_H

#include <fuzzer/FuzzedDataProvider.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "support/open_job_state.h"

namespace vxcl::fuzz {

inline void Require(bool condition) {
  if (!condition) std::abort();
}

using test::OpenJobState;

// Mostly values near the ranges the calls check, sometimes any value.
inline int SmallOrAnyInt(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange(-3, 40)
                          : in.ConsumeIntegral<int>();
}

// Millimetres: ordinary ones, or the values whose conversion to dots is
// out of the ordinary (NaN, infinities, beyond the 32-bit range).
inline double Millimetres(FuzzedDataProvider& in) {
  static constexpr double kSpecial[] = {
      NAN,   INFINITY, -INFINITY, DBL_MAX,     -DBL_MAX,
      1e300, -1e300,   3e8,       -3e8,        -0.0,
      0.0,   DBL_MIN,  -DBL_MIN,  268435455.9, -268435456.1};
  switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0:
      return in.PickValueInArray(kSpecial);
    case 1:
      return in.ConsumeFloatingPoint<double>();
    default:
      return in.ConsumeFloatingPointInRange(-100.0, 1000.0);
  }
}

}  // namespace vxcl::fuzz

#endif
