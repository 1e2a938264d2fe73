// A fresh job state and a 203 dpi virtual printer "VP" (104 mm wide, 1000 mm
// long: DotsPerMm 8, MaxWidthDots 832, MaxHeightDots 8000) for every test.
#ifndef VXCL_TESTS_JOB_FIXTURE_H
#define VXCL_TESTS_JOB_FIXTURE_H

#include <gtest/gtest.h>

#include <string>

#include "job/job_state.h"
#include "platform/platform.h"
#include "support/bytes.h"

namespace vxcl::test {

inline constexpr const char* kPrinter = "VP";

class JobTest : public ::testing::Test {
 protected:
  JobTest();
  ~JobTest() override;
  void SetUp() override;
  void TearDown() override;

  JobState& job() { return TheJob(); }

  // The job body since the job start, for element tests.
  const std::string& Body() { return TheJob().body; }

  // Jobs the virtual printer received, and the bytes of the last one.
  int SentJobs() const;
  std::string LastSentJob() const;
  std::string LastSentJobName() const;

  // Opens a CL job on "VP": 100 x 50 mm, darkness 3, speed 4, no shift
  // (MediaOffsetDots 32).
  void OpenJob();

  // The job header that OpenJob builds.
  static std::string OpenJobHeader();

 private:
  Platform saved_;
};

}  // namespace vxcl::test

#endif
