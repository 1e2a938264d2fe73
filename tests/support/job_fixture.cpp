#include "support/job_fixture.h"

#include <climits>

#include "job/label_batch.h"
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
  TheBatch() = LabelBatch{};
  header_ = OpenJobHeader();
  VirtualPrinters().Remove(kPrinter);
  ASSERT_TRUE(VirtualPrinters().Add(kPrinter, 203, 104, 1000));
}

void JobTest::TearDown() {
  VirtualPrinters().Remove(kPrinter);
  TheJob() = JobState{};
  TheBatch() = LabelBatch{};
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

LabelLayout JobTest::LastSentLabel() const {
  const int count = SentJobs();
  if (count < 1) return {};
  return VirtualPrinters()
      .Job(kPrinter, count - 1)
      ->label.value_or(LabelLayout{});
}

void JobTest::OpenJob(double widthMm, double shiftMm) {
  ASSERT_EQ(PrnInit(kPrinter, 3, 4, widthMm, 50.0, shiftMm), 1);
  header_ = OpenJobHeader();
}

void JobTest::OpenCx208Job(double widthMm, double shiftMm) {
  ASSERT_EQ(PrnInitCX208(kPrinter, 3, 4, 1, 0, 0, 200, 3300, 0, widthMm, 50.0,
                         shiftMm),
            1);
  header_ = Cx208JobHeader();
}

void JobTest::OpenCt400Job(double widthMm, double shiftMm) {
  ASSERT_EQ(
      PrnInitCT400(kPrinter, 'A', 3, 4, 0, 1, 0, 0, 0, widthMm, 50.0, shiftMm),
      1);
  header_ = Ct400JobHeader();
}

std::string JobTest::OpenJobHeader() {
  return B("<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A");
}

std::string JobTest::Cx208JobHeader() {
  return B(
      "<STX><ESC>A<ESC>CP1<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>CI0<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>CE0<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>CD200,3300<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>CB+0<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>AR<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>A3H001V001<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>A104000832<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>CS4<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>#E3<ESC>Z<ETX>"
      "<STX><ESC>A");
}

std::string JobTest::Ct400JobHeader() {
  return B(
      "<STX><ESC>A<ESC>AR<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>CS4<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>#E3A<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>A3H+000V+0000<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>A104000832<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>PO2+00<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>PM1<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>YE0<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>IG0<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>PH0<ESC>Z<ETX>"
      "<STX><ESC>A");
}

std::string JobTest::PrintedJob() {
  const int before = SentJobs();
  EXPECT_EQ(PrnQty(1), 1);
  EXPECT_EQ(PrnEnd(), 1);
  if (SentJobs() != before + 1) return {};
  return LastSentJob();
}

std::string JobTest::PrintedElements() {
  const std::string sent = PrintedJob();
  const std::string tail = B("<ESC>Q1<ESC>Z<ETX>");
  if (!sent.starts_with(header_) || !sent.ends_with(tail) ||
      sent.size() < header_.size() + tail.size()) {
    ADD_FAILURE() << "unexpected job " << Show(sent);
    return {};
  }
  return sent.substr(header_.size(),
                     sent.size() - header_.size() - tail.size());
}

int JobTest::PrintedLeftEdge() {
  EXPECT_EQ(PrnReverseImage(0.0, 0.0, 1.0, 1.0), 1);
  const std::string sent = PrintedJob();
  const std::string before = B("<ESC>%0<ESC>H");
  const std::size_t h = sent.find(before);
  const std::size_t v = sent.find(B("<ESC>V"), h);
  if (h == std::string::npos || v == std::string::npos) {
    ADD_FAILURE() << "no element in " << Show(sent);
    return INT_MIN;
  }
  return std::stoi(sent.substr(h + before.size(), v - h - before.size()));
}

}  // namespace vxcl::test
