// Barcode tests run whole jobs: open, add one symbol, end, and look at what
// the virtual printer received.
#ifndef VXCL_TESTS_BARCODE_BARCODE_JOB_H
#define VXCL_TESTS_BARCODE_BARCODE_JOB_H

#include <gtest/gtest.h>

#include <string>

#include "support/bytes.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {

class BarcodeJobTest : public JobTest {
 protected:
  // A label as wide as the printer (104 mm at 8 dots/mm): media offset and
  // shift 0, as in the worked examples; also in a CX208 job (centred: no
  // offset either).
  void OpenFullWidthJob() { OpenJob(104.0); }
  void OpenFullWidthCx208Job() { OpenCx208Job(104.0); }

  // Ends the job; the elements the printer received, shown readably for
  // comparisons.
  std::string SentElements() { return Show(PrintedElements()); }
};

}  // namespace vxcl::test

#endif
