#include "models/cx_calibration.h"

#include <gtest/gtest.h>

#include <string>

#include "model_bytes.h"
#include "platform/virtual_printers.h"
#include "support/job_fixture.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

// The arguments of the worked example; each test changes what it needs.
struct CalibrationArgs {
  const char* printer = kPrinter;
  double height = 50.0;
  int cp = 1, ci = 0, ce = 0, cd1 = 200, cd2 = 3300, cb = 0;

  int Call() const {
    return PrnCXCalibrate(printer, height, cp, ci, ce, cd1, cd2, cb);
  }
};

const std::string kExampleStream =
    B("<STX><ESC>A<ESC>CP1<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>CI0<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>CE0<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>CD200,3300<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>CB+0<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>AR<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>A3H001V001<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>A104000832<ESC>Z<ETX>"
      "<STX><ESC>A<ESC>CA<ESC>Z<ETX>"
      "<ESC>A <ESC>Z");

using CalibrationTest = JobTest;

TEST_F(CalibrationTest, WorkedExampleSendsThe115ByteStream) {
  ASSERT_EQ(CalibrationArgs{}.Call(), 1);
  EXPECT_EQ(kExampleStream.size(), 115u);
  ASSERT_EQ(SentJobs(), 1);
  EXPECT_EQ(Show(LastSentJob()), Show(kExampleStream));
  EXPECT_EQ(LastSentJobName(), "VP Job");
  EXPECT_EQ(LastSentJob().back(), 'Z');
}

TEST_F(CalibrationTest, SettingsAndHeightAreWrittenOrReplaced) {
  struct Case {
    CalibrationArgs args;
    const char* frame;
    int code;
  } cases[] = {
      {{.cb = 99}, "CB+19", 18},
      {{.cb = -5}, "CB-5", 1},
      {{.cd2 = 7000}, "CD200,3300", 17},
      {{.cd1 = 7, .cd2 = 0}, "CD007,0000", 1},
      {{.cp = 2}, "CP1", 13},
      {{.ci = -1}, "CI0", 14},
      {{.ce = 3}, "CE0", 15},
      {{.cd1 = 401}, "CD200,3300", 16},
      {{.cp = 2, .cb = 99}, "CP1", 18},
      {{.ce = 3, .cd1 = 401}, "CE0", 16},
      // The height is never tested, and the area stays "AR" for long labels.
      {{.height = 300.0}, "A124000832", 1},
      {{.height = 300.0}, "AR", 1},
      {{.height = -1.0}, "A1-00070832", 1},
      {{.height = 0.0}, "A100000832", 1},
  };
  for (const Case& c : cases) {
    const int before = SentJobs();
    EXPECT_EQ(c.args.Call(), c.code) << c.frame;
    ASSERT_EQ(SentJobs(), before + 1);
    EXPECT_TRUE(HasFrame(LastSentJob(), c.frame))
        << c.frame << " in " << Show(LastSentJob());
    EXPECT_FALSE(HasFrame(LastSentJob(), "EX0"));
  }
}

TEST_F(CalibrationTest, DropsAnOpenJob) {
  OpenJob();
  ASSERT_EQ(PrnQty(1), 1);
  ASSERT_TRUE(VirtualPrinters().Add("CX", 203, 104, 1000));
  CalibrationArgs args;
  args.printer = "CX";
  EXPECT_EQ(args.Call(), 1);
  EXPECT_EQ(PrnQty(1), 0);
  EXPECT_EQ(PrnEnd(), 0);
  EXPECT_EQ(SentJobs(), 0);  // the label job was never sent
  EXPECT_EQ(VirtualPrinters().JobCount("CX"), 1);
  VirtualPrinters().Remove("CX");
}

TEST_F(CalibrationTest, RefusesUnknownPrinterAndLowResolution) {
  CalibrationArgs unknown;
  unknown.printer = "Nowhere";
  EXPECT_EQ(unknown.Call(), 0);
  CalibrationArgs null;
  null.printer = nullptr;
  EXPECT_EQ(null.Call(), 0);

  ASSERT_TRUE(VirtualPrinters().Add("LOW", 88, 104, 1000));  // 3 dots/mm
  CalibrationArgs low;
  low.printer = "LOW";
  EXPECT_EQ(low.Call(), 4);
  EXPECT_EQ(VirtualPrinters().JobCount("LOW"), 0);
  VirtualPrinters().Remove("LOW");
  EXPECT_EQ(SentJobs(), 0);
}

TEST(CxCalibrationStream, UsesTheGivenHeightWithAllItsDigits) {
  CheckCode code;
  const std::string stream = CxCalibrationStream(123456, CxSettings{}, code);
  EXPECT_FALSE(code.Failed());
  EXPECT_TRUE(HasFrame(stream, "A11234560832"));
}

}  // namespace
}  // namespace vxcl::test
