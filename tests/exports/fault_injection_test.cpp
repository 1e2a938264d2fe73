// Faults at every spooler step of a whole job (one element of every kind,
// then both maintenance jobs): each is answered with a result code, leaves
// the job closed or whole, leaks nothing, and the next job prints exactly.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/every_element.h"
#include "support/failing_allocator.h"
#include "support/fake_platform.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

struct Results {
  int start = 0, end = 0, calibrate = 0, defaults = 0;
  int elements = 0;  // drawn with result 1
};

// The whole job on printer "P", then the two maintenance jobs.
Results RunWholeJob(const std::function<void()>& afterStart = {}) {
  Results r;
  r.start = PrnInit("P", 3, 4, 100.0, 50.0, 0.0);
  if (afterStart) afterStart();
  for (int element : DrawEveryElement())
    if (element == 1) ++r.elements;
  PrnQty(1);
  PrnCutter(1, 0, 0);
  r.end = PrnEnd();
  r.calibrate = PrnCXCalibrate("P", 50.0, 1, 0, 0, 200, 3300, 0);
  r.defaults = PrnCTDefault("P", 2, 0, 0, 41, 3, 1, 1, 0, 0, 0, 3200, 832, 0, 0,
                            0, 0, 0, 0, 0, 0, 0);
  return r;
}

class FaultInjectionTest : public JobTest {
 protected:
  void SetUp() override {
    JobTest::SetUp();
    // The bytes of a clean run; fonts and caches warm up on the way.
    FakePlatform fake;
    FakePrinterScript& p = fake.printers.Add("P");
    const Results r = RunWholeJob();
    ASSERT_EQ(r.elements, 15);
    ASSERT_EQ(r.end, 1);
    ASSERT_EQ(r.calibrate, 1);
    ASSERT_EQ(r.defaults, 1);
    clean_ = p.written;
  }

  // After a fault: no job half-open, and a clean run prints what it should.
  void ExpectConsistentThenClean(FakePlatform& fake) {
    EXPECT_EQ(PrnQty(1), 0) << "the job was left open";
    for (const FakePrinterScript& p : fake.printers.printers)
      EXPECT_EQ(p.opened, p.closed) << p.name << " left open";
    fake.printers.printers.clear();
    fake.printers.enumerationFails = false;
    fake.printers.throwBadAlloc = false;
    FakePrinterScript& p = fake.printers.Add("P");
    const Results r = RunWholeJob();
    EXPECT_EQ(r.start, 1);
    EXPECT_EQ(r.elements, 15);
    EXPECT_EQ(r.end, 1);
    EXPECT_EQ(r.calibrate, 1);
    EXPECT_EQ(r.defaults, 1);
    EXPECT_TRUE(p.written == clean_) << "the next job differs";
  }

  std::string clean_;
};

struct SpoolerFault {
  const char* name;
  std::function<void(FakePrinterSystem&, FakePrinterScript&)> apply;
  Results expected;         // of the faulty run
  bool afterStart = false;  // the fault arises once the job is open
};

const SpoolerFault kSpoolerFaults[] = {
    {"printer list unreadable",
     [](FakePrinterSystem& s, FakePrinterScript&) {
       s.enumerationFails = true;
     },
     {3, 0, 0, 0}},
    {"out of memory listing printers",
     [](FakePrinterSystem& s, FakePrinterScript&) { s.throwBadAlloc = true; },
     {31, 0, 31, 31}},
    {"device query fails",
     [](FakePrinterSystem&, FakePrinterScript& p) { p.queryFailsAt = 0; },
     {3, 0, 1, 1}},
    {"device mode unreadable",
     [](FakePrinterSystem&, FakePrinterScript& p) { p.canReadMode = false; },
     {3, 0, 0, 0}},
    {"printer vanishes once the job is open",
     [](FakePrinterSystem&, FakePrinterScript& p) { p.canOpen = false; },
     {1, 145, 0, 0},
     true},
    {"queue enumeration keeps failing",
     [](FakePrinterSystem&, FakePrinterScript& p) { p.queue = {std::nullopt}; },
     {1, 1, 1, 1}},
    {"queue full, then drains",
     [](FakePrinterSystem&, FakePrinterScript& p) {
       p.queue = {5, 3, 2};
     },
     {1, 1, 1, 1}},
    {"document refused",
     [](FakePrinterSystem&, FakePrinterScript& p) { p.startDoc = false; },
     {1, 146, 146, 146}},
    {"page refused",
     [](FakePrinterSystem&, FakePrinterScript& p) { p.startPage = false; },
     {1, 146, 146, 146}},
    {"write fails",
     [](FakePrinterSystem&, FakePrinterScript& p) { p.write = false; },
     {1, 147, 147, 147}},
    {"write throws",
     [](FakePrinterSystem&, FakePrinterScript& p) { p.throwOnWrite = true; },
     {1, 147, 147, 147}},
    {"short write",
     [](FakePrinterSystem&, FakePrinterScript& p) { p.shortBy = 1; },
     {1, 148, 148, 148}},
    {"page end refused",
     [](FakePrinterSystem&, FakePrinterScript& p) { p.endPage = false; },
     {1, 149, 149, 149}},
    {"document end refused",
     [](FakePrinterSystem&, FakePrinterScript& p) { p.endDoc = false; },
     {1, 150, 150, 150}},
};

TEST_F(FaultInjectionTest, EverySpoolerStep) {
  for (const SpoolerFault& fault : kSpoolerFaults) {
    SCOPED_TRACE(fault.name);
    long live[2];
    for (long& count : live) {  // twice: a leak shows as growth
      {
        FakePlatform fake;
        FakePrinterScript& p = fake.printers.Add("P");
        auto apply = [&] { fault.apply(fake.printers, p); };
        if (!fault.afterStart) apply();
        const Results r =
            RunWholeJob(fault.afterStart ? apply : std::function<void()>());
        EXPECT_EQ(r.start, fault.expected.start);
        EXPECT_EQ(r.end, fault.expected.end);
        EXPECT_EQ(r.calibrate, fault.expected.calibrate);
        EXPECT_EQ(r.defaults, fault.expected.defaults);
        ExpectConsistentThenClean(fake);
      }
      count = LiveAllocations();
    }
    EXPECT_EQ(live[1], live[0]) << "leaked";
  }
}

}  // namespace
}  // namespace vxcl::test
