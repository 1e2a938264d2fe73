// A fresh job state and a 203 dpi virtual printer "VP" (104 mm wide, 1000 mm
// long: 8 dots/mm, 832 dots wide, 8000 dots long) for every test.
#ifndef VXCL_TESTS_JOB_FIXTURE_H
#define VXCL_TESTS_JOB_FIXTURE_H

#include <gtest/gtest.h>

#include <string>

#include "job/job_state.h"
#include "platform/platform.h"
#include "platform/printer_system.h"
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

  // Jobs the virtual printer received, and the bytes of the last one.
  int SentJobs() const;
  std::string LastSentJob() const;
  std::string LastSentJobName() const;
  // The label the last job described to the printer (what its preview
  // draws).
  LabelLayout LastSentLabel() const;

  // Opens a CL job on "VP": darkness 3, speed 4, 50 mm long; 100 mm wide
  // and unshifted unless asked (media offset 832 - 8 * width dots).
  void OpenJob(double widthMm = 100.0, double shiftMm = 0.0);
  // The same label as a CX208 or CT400 job with the worked examples'
  // settings (centred: media offset (832 - 8 * width) / 2 dots).
  void OpenCx208Job(double widthMm = 100.0, double shiftMm = 0.0);
  void OpenCt400Job(double widthMm = 100.0, double shiftMm = 0.0);

  // The job headers these build.
  static std::string OpenJobHeader();
  static std::string Cx208JobHeader();
  static std::string Ct400JobHeader();

  // Ends the job with a quantity of one: the bytes the printer received.
  std::string PrintedJob();
  // The same without the header of the job last opened above (OpenJob's
  // for jobs opened otherwise) and the closing "<ESC>Q1<ESC>Z<ETX>": the
  // elements, then any cut command.
  std::string PrintedElements();
  // Draws a reversed 1 mm square at x = 0 and ends the job: the H position
  // the printer received, the media offset plus the shift.
  int PrintedLeftEdge();

 private:
  Platform saved_;
  std::string header_;
};

}  // namespace vxcl::test

#endif
