// The barcode calls answer a failed allocation anywhere inside them with 31
// and leave the job as it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/failing_allocator.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

using BarcodeExportTest = JobTest;

TEST_F(BarcodeExportTest, FailedAllocationsAddNothing) {
  OpenJob();
  const char* pdf = "AB&h0D12";
  const char* matrix = "HELLO";
  const std::function<int()> calls[] = {
      [] { return PrnBarcode(0, 1, 1, 'G', 2, 2, 10, "AB1234<x>"); },
      [] { return PrnBarcode(0, 1, 1, '1', 2, 2, 10, "AB"); },
      [] { return PrnVariableBarcode(0, 1, 1, '1', 2, 6, 2, 6, 1, 10, "A"); },
      [] { return PrnUCC128(0, 1, 1, 2, 1, 10, "12345678901234567"); },
      [] { return PrnEAN128(0, 1, 1, 2, 10, "(10)AB(21)12345(01)1234"); },
      [] { return PrnEAN128(0, 1, 1, 2, 10, "(10)AB(21)12345"); },
      [&] { return PrnPDF417(0, 1, 1, 0, 3, 12, 2, 0, 0, &pdf); },
      [&] { return PrnDataMatrix(0, 1, 1, 1, 20, 4, 4, 0, 1, &matrix); },
  };
  for (std::size_t i = 0; i < std::size(calls); ++i) {
    for (long allowed = 0;; ++allowed) {
      const std::string before = Body();
      int result = 0;
      {
        FailingAllocations fail(allowed);
        result = calls[i]();
      }
      if (result != VXCL_INTERNAL_FAILURE) {
        EXPECT_GT(allowed, 0) << "call " << i;
        break;
      }
      EXPECT_EQ(Body(), before) << "call " << i << ", " << allowed;
      ASSERT_LT(allowed, 1000) << "call " << i;
    }
  }
  EXPECT_TRUE(job().open);
}

}  // namespace
}  // namespace vxcl::test
