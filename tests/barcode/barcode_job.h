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
  // A label as wide as the printer (104 mm at 8 dots/mm): MediaOffsetDots
  // and ShiftDots 0, as in the worked examples.
  void OpenFullWidthJob() {
    ASSERT_EQ(PrnInit(kPrinter, 3, 4, 104.0, 50.0, 0.0), 1);
    ASSERT_EQ(job().mediaOffsetDots, 0);
    header_ = job().header;
  }

  // The same label in a CX208 job (centred: no offset either).
  void OpenFullWidthCx208Job() {
    ASSERT_EQ(
        PrnInitCX208(kPrinter, 3, 4, 1, 0, 0, 200, 3300, 0, 104.0, 50.0, 0.0),
        1);
    ASSERT_EQ(job().mediaOffsetDots, 0);
    header_ = job().header;
  }

  // Ends the job; the bytes the printer received between the job header
  // and the quantity, shown readably for comparisons.
  std::string SentElements() {
    EXPECT_EQ(PrnQty(1), 1);
    EXPECT_EQ(PrnEnd(), 1);
    const std::string sent = LastSentJob();
    const std::string tail = B("<ESC>Q1<ESC>Z<ETX>");
    if (sent.size() < header_.size() + tail.size() ||
        sent.compare(0, header_.size(), header_) != 0 ||
        sent.compare(sent.size() - tail.size(), tail.size(), tail) != 0) {
      ADD_FAILURE() << "unexpected job " << Show(sent);
      return {};
    }
    return Show(sent.substr(header_.size(),
                            sent.size() - header_.size() - tail.size()));
  }

 private:
  std::string header_;
};

}  // namespace vxcl::test

#endif
