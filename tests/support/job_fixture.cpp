#include "support/job_fixture.h"

#include "platform/virtual_printers.h"
#include "vxclcmd.h"

namespace vxcl::test {

// Only virtual printers: the tests never depend on a system spooler. Set
// before a derived fixture's members, so their fakes go on top.
JobTest::JobTest() : saved_(CurrentPlatform()) {
  Platform hermetic = saved_;
  hermetic.printers = &VirtualPrinters();
  ReplacePlatform(hermetic);
}

JobTest::~JobTest() { ReplacePlatform(saved_); }

void JobTest::SetUp() {
  TheJob() = JobState{};
  VirtualPrinters().Remove(kPrinter);
  ASSERT_TRUE(VirtualPrinters().Add(kPrinter, 203, 104, 1000));
}

void JobTest::TearDown() {
  VirtualPrinters().Remove(kPrinter);
  TheJob() = JobState{};
}

int JobTest::SentJobs() const {
  return VirtualPrinters().JobCount(kPrinter).value_or(-1);
}

std::string JobTest::LastSentJob() const {
  const int count = SentJobs();
  if (count < 1) return {};
  return VirtualPrinters().Job(kPrinter, count - 1)->bytes;
}

std::string JobTest::LastSentJobName() const {
  const int count = SentJobs();
  if (count < 1) return {};
  return VirtualPrinters().Job(kPrinter, count - 1)->documentName;
}

void JobTest::OpenJob() {
  ASSERT_EQ(PrnInit(kPrinter, 3, 4, 100.0, 50.0, 0.0), 1);
}

std::string JobTest::OpenJobHeader() {
  return B("<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A");
}

}  // namespace vxcl::test
