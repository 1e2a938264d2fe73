// Every export with the n-th allocation inside the call failing, for every
// n until the call gets through: the call answers its failure value, leaves
// the job and the printers as its documentation allows, leaks nothing, and
// the same call then runs exactly as it does clean.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "support/bytes.h"
#include "support/export_calls.h"
#include "support/failing_allocator.h"
#include "support/fake_platform.h"
#include "support/job_fixture.h"
#include "support/scratch_dir.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

// Where the row's jobs go: virtual printer "VP", or fake printer "P" (203
// dpi) beside "Q" (300 dpi), whose opens and closes are counted.
enum class On { Virtual, Fake };

enum class Setup {
  NoJob,
  OpenJob,         // a 100 x 50 mm label on the printer, quantity 1
  SentJob,         // one such label sent, no job open
  RefusedPicture,  // an open job, and why a picture was refused
  BatchedJob,      // such a label in an open batch, no job open
};

// What a failed call may leave, as the printers show once whatever job is
// open has been finished: the state before the call, no job with nothing
// sent, or the state after a clean call.
enum Leaves : unsigned { AsBefore = 1, NothingSent = 2, AsDone = 4 };

struct Row {
  const char* name;
  On on;
  Setup setup;
  unsigned mayLeave;
  int failure;  // the answer to a failed allocation
  int (*call)();
};

using enum On;
using enum Setup;
constexpr int k31 = VXCL_INTERNAL_FAILURE;

// Arguments that must not allocate while allocations fail.
const ScratchDir previewDir;
const std::string png = (previewDir.Path() / "label.png").string();
const char* pdf417Data = "AB&h0D12";
const char* dataMatrixData = "HELLO";
const unsigned char kStream[] = "\2\33A\33H8\33V8\33FW02H0100\33Z\3";
unsigned char copiedBytes[64];
char copiedText[256];
int metricsOut[3];
int findingFields[VXCL_FINDING_FIELDS];

// clang-format off
#define ROW(on, setup, mayLeave, failure, fn, args) \
  {#fn, on, setup, mayLeave, failure, [] { return fn args; }}
// A call that adds to the open job; failed, it adds nothing.
#define ELEMENT(fn, args) ROW(Virtual, OpenJob, AsBefore, k31, fn, args)
// clang-format on

// The maintenance jobs go to another printer than the label job's, so that
// a kept job shows whether its printer and metrics came back.
const Row kRows[] = {
    ROW(Fake, NoJob, AsBefore | AsDone, k31, PrnInit,
        ("P", 3, 4, 100.0, 50.0, 0.0)),
    ROW(Fake, NoJob, AsBefore | AsDone, k31, PrnInitESeries,
        ("P", 3, 4, 100.0, 200.0, 0.0)),
    ELEMENT(PrnDrawBMP,
            (90, 60.0, 30.0, 0.0, 0.0, VXCL_SOURCE_DIR "/examples/logo.bmp")),
    ELEMENT(PrnDrawPCX,
            (0, 70.0, 5.0, 12.0, 6.0, VXCL_SOURCE_DIR "/examples/logo.pcx")),
    ROW(Fake, NoJob, AsBefore | AsDone, k31, PrnInitCX208,
        ("P", 3, 4, 1, 0, 0, 200, 3300, 0, 100.0, 50.0, 0.0)),
    ROW(Fake, NoJob, AsBefore | AsDone, k31, PrnInitCT400,
        ("P", 'A', 3, 4, 0, 1, 0, 0, 0, 100.0, 50.0, 0.0)),
    ROW(Fake, OpenJob, AsBefore | NothingSent | AsDone, k31, PrnCXCalibrate,
        ("Q", 50.0, 1, 0, 0, 200, 3300, 0)),
    ROW(Fake, OpenJob, AsBefore | NothingSent | AsDone, k31, PrnCTDefault,
        ("Q", 2, 0, 0, 41, 3, 1, 1, 0, 0, 0, 3200, 832, 0, 0, 0, 0, 0, 0, 0, 0,
         0)),
    ELEMENT(PrnDrawLine, (10.0, 20.0, 0, 2, 50.0)),
    ELEMENT(PrnDrawBox, (2.0, 2.0, 3, 3, 96.0, 46.0)),
    ELEMENT(PrnReverseImage, (5.0, 5.0, 20.0, 8.0)),
    ELEMENT(PrnInternalFont, (0, 5.0, 40.0, "U", 1, 1, 2, "INTERNAL")),
    ELEMENT(PrnVectorFont, (1, 5.0, 30.0, 'A', 60, 60, 3, 0, "VECTOR")),
    ELEMENT(PrnAGFARasterFont, (2, 5.0, 25.0, 'B', 1, 40, 40, 1, "AGFA")),
    ELEMENT(PrnTrueTypeFont, (0, 40.0, 10.0, "DejaVu Sans", 12, 0, 0, 7, 0, 1,
                              0, 0, 0.0, "Text")),
    // Code 128 with automatic code sets; Code 39 framed in "*".
    ELEMENT(PrnBarcode, (0, 1, 1, 'G', 2, 2, 10, "AB1234<x>")),
    ELEMENT(PrnBarcode, (0, 1, 1, '1', 2, 2, 10, "AB")),
    ELEMENT(PrnVariableBarcode, (0, 1, 1, '1', 2, 6, 2, 6, 1, 10, "A")),
    ELEMENT(PrnUCC128, (0, 1, 1, 2, 1, 10, "12345678901234567")),
    // A value of the wrong length; groups reordered.
    ELEMENT(PrnEAN128, (0, 1, 1, 2, 10, "(10)AB(21)12345(01)1234")),
    ELEMENT(PrnEAN128, (0, 40, 30, 2, 10, "(01)12345678901231(10)AB")),
    ELEMENT(PrnPDF417, (0, 1, 1, 0, 3, 12, 2, 0, 0, &pdf417Data)),
    ELEMENT(PrnDataMatrix, (0, 1, 1, 1, 20, 4, 4, 0, 1, &dataMatrixData)),
    ELEMENT(PrnQty, (123456)),
    ELEMENT(PrnCutter, (1234, 0, 0)),
    ROW(Virtual, OpenJob, NothingSent | AsDone, k31, PrnEnd, ()),
    ROW(Fake, OpenJob, NothingSent | AsDone, k31, PrnEnd, ()),
    ROW(Virtual, NoJob, AsBefore, k31, VxclBeginBatch, ()),
    ROW(Virtual, BatchedJob, NothingSent | AsDone, k31, VxclEndBatch, ()),
    ROW(Virtual, BatchedJob, AsBefore, k31, VxclCancelBatch, ()),
    ROW(Virtual, NoJob, AsBefore, 0, VxclAddVirtualPrinter,
        ("VX", 300, 56, 400)),
    ROW(Virtual, SentJob, AsBefore, 0, VxclRemoveVirtualPrinter, ("VP")),
    ROW(Virtual, SentJob, AsBefore, -1, VxclVirtualJobCount, ("VP")),
    ROW(Virtual, SentJob, AsBefore, -1, VxclVirtualJob,
        ("VP", 0, copiedBytes, sizeof copiedBytes)),
    ROW(Virtual, SentJob, AsBefore, -1, VxclVirtualJobName,
        ("VP", 0, copiedText, sizeof copiedText)),
    ROW(Virtual, RefusedPicture, AsBefore, 0, VxclLastError,
        (copiedText, sizeof copiedText)),
    ROW(Virtual, NoJob, AsBefore, k31, VxclSetTextEncoding, ("CP950")),
    ROW(Virtual, SentJob, AsBefore, k31, VxclVirtualJobPreview,
        ("VP", 0, png.c_str())),
    ROW(Virtual, NoJob, AsBefore, k31, VxclPreviewStream,
        (kStream, sizeof kStream - 1, 203, 104.0, 0.0, 0.0, png.c_str())),
    ROW(Virtual, NoJob, AsBefore, 0, VxclPreviewWarnings,
        (copiedText, sizeof copiedText)),
    ROW(Virtual, NoJob, AsBefore, 0, VxclPreviewFindingCount, ()),
    ROW(Virtual, NoJob, AsBefore, -1, VxclPreviewFinding,
        (0, findingFields, VXCL_FINDING_FIELDS, copiedText, sizeof copiedText)),
    ROW(Virtual, NoJob, AsBefore, 0, VxclSetSpoolerTimeout, (60)),
    ROW(Virtual, NoJob, AsBefore, -1, VxclPrinterCount, ()),
    ROW(Fake, NoJob, AsBefore, -1, VxclPrinterName,
        (1, copiedText, sizeof copiedText)),
    ROW(Fake, NoJob, AsBefore, 0, VxclPrinterMetrics,
        ("Q", &metricsOut[0], &metricsOut[1], &metricsOut[2])),
    ROW(Virtual, NoJob, AsBefore, VXCL_VERSION_NUMBER, VxclVersion, ()),
};

// The calls that only read leave the last call's message.
bool OnlyReads(std::string_view call) {
  for (std::string_view reader :
       {"VxclVirtualJobCount", "VxclVirtualJob", "VxclVirtualJobName",
        "VxclLastError", "VxclPreviewWarnings", "VxclPrinterCount",
        "VxclPrinterName", "VxclVersion"})
    if (call == reader) return true;
  return false;
}

// What a user sees of one round.
struct Outcome {
  int result = 0;
  std::string lastError;  // right after the call
  std::string seen;       // the printers listed, the jobs received after setup
};

class AllocationFailureTest : public JobTest {
 protected:
  // The row's setup; its call with every allocation after the first
  // `allowed` failing (none when negative), or no call; then whatever job
  // is open finished.
  Outcome Round(const Row& row, long allowed, bool call = true) {
    VxclAddVirtualPrinter("VP", 203, 104, 1000);  // removed at each end
    std::optional<FakePlatform> fake;
    if (row.on == Fake) {
      fake.emplace();
      fake->printers.Add("P");
      fake->printers.Add("Q").dotsPerInch = 300;
    }
    if (row.setup == BatchedJob) {
      EXPECT_EQ(VxclBeginBatch(), 1);
    }
    if (row.setup != NoJob) {
      EXPECT_EQ(PrnInit(row.on == Fake ? "P" : "VP", 3, 4, 100.0, 50.0, 0.0),
                1);
      EXPECT_EQ(PrnQty(1), 1);
    }
    if (row.setup == SentJob || row.setup == BatchedJob) {
      EXPECT_EQ(PrnEnd(), 1);
    } else if (row.setup == RefusedPicture) {
      EXPECT_EQ(PrnDrawPCX(0, 1.0, 1.0, 0.0, 0.0, VXCL_SOURCE_DIR "/README.md"),
                VXCL_PICTURE_UNREADABLE);
    }
    const int sentBefore = SentJobs();
    Outcome o;
    if (call) {
      FailingAllocations fail(allowed);
      o.result = row.call();
    }
    char message[256] = {};
    VxclLastError(message, sizeof message);
    o.lastError = message;
    PrnDrawLine(1.0, 1.0, 0, 1, 1.0);
    if (row.setup != Setup::OpenJob) PrnQty(1);  // else the setup set it
    PrnEnd();
    VxclCancelBatch();  // a batch the call left open is dropped

    o.seen = "printers:";
    for (int i = 0; i < VxclPrinterCount(); ++i) {
      VxclPrinterName(i, message, sizeof message);
      o.seen += std::string(" ") + message;
    }
    o.seen += "\n";
    if (const int jobs = SentJobs() - sentBefore; jobs > 0)
      o.seen += "VP, " + std::to_string(jobs) +
                " new, the last: " + Show(LastSentJob()) + "\n";
    if (fake) {  // no setup sends them anything
      for (const FakePrinterScript& p : fake->printers.printers) {
        if (!p.written.empty())
          o.seen += p.name + ": " + Show(p.written) + "\n";
        if (p.opened != p.closed) o.seen += p.name + " left open\n";
      }
    }
    VxclRemoveVirtualPrinter("VX");
    VxclRemoveVirtualPrinter("VP");
    return o;
  }

  // For n = 0, 1, ... until the call answers as it does clean; stops at the
  // first fault.
  void CheckRow(const Row& row) {
    Round(row, -1);  // fonts and caches warm up
    const Outcome clean = Round(row, -1);
    const Outcome before = Round(row, -1, false);
    std::vector<std::string> allowedStates;
    const std::string nothingSent =
        before.seen.substr(0, before.seen.find('\n') + 1);
    if (row.mayLeave & AsBefore) allowedStates.push_back(before.seen);
    if (row.mayLeave & NothingSent) allowedStates.push_back(nothingSent);
    if (row.mayLeave & AsDone) allowedStates.push_back(clean.seen);
    const long live = LiveAllocations();
    for (long allowed = 0;; ++allowed) {
      {
        SCOPED_TRACE("allocations allowed: " + std::to_string(allowed));
        const Outcome failed = Round(row, allowed);
        if (failed.result == clean.result) {
          EXPECT_EQ(failed.seen, clean.seen);
          return;
        }
        ASSERT_EQ(failed.result, row.failure);
        EXPECT_EQ(failed.lastError,
                  OnlyReads(row.name)
                      ? before.lastError
                      : std::string(row.name) + ": out of memory");
        ASSERT_THAT(failed.seen, ::testing::AnyOfArray(allowedStates));
        const Outcome next = Round(row, -1);
        ASSERT_EQ(next.result, clean.result) << "the next clean call";
        ASSERT_EQ(next.seen, clean.seen) << "the next clean call";
      }
      ASSERT_EQ(LiveAllocations(), live) << "leaked, " << allowed << " allowed";
    }
  }
};

TEST(AllocationFailureTable, HasARowForEveryExport) {
  std::set<std::string_view> missing;
  ForEachExport([&](std::string_view name, auto) { missing.insert(name); });
  for (const Row& row : kRows) missing.erase(row.name);
  EXPECT_THAT(missing, ::testing::IsEmpty());
}

TEST_F(AllocationFailureTest, EveryExportAnswersAndLeavesAConsistentState) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    CheckRow(row);
  }
  VxclSetTextEncoding(nullptr);
}

}  // namespace
}  // namespace vxcl::test
