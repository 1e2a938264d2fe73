// Printing through a real CUPS scheduler to an emulated network printer.
#include <cups/cups.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "cups_world.h"
#include "exports/export_guard.h"
#include "harness/instant_clock.h"
#include "job/job_state.h"
#include "job/printer_lookup.h"
#include "job/raw_job.h"
#include "platform/platform.h"
#include "support/bytes.h"
#include "support/vxlabel_run.h"
#include "vxclcmd.h"

namespace vxcl::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto kDelivery = 10s;  // how long a job may take to reach the printer

std::string LastError() {
  char message[1024];
  VxclLastError(message, sizeof message);
  return message;
}

// Submits a raw job straight through libcups, as another program would.
int SubmitElsewhere(const char* queue, const std::string& bytes) {
  const int id =
      cupsCreateJob(CUPS_HTTP_DEFAULT, queue, "elsewhere", 0, nullptr);
  if (id <= 0 || cupsStartDocument(CUPS_HTTP_DEFAULT, queue, id, "elsewhere",
                                   CUPS_FORMAT_RAW, 1) != HTTP_STATUS_CONTINUE)
    return 0;
  cupsWriteRequestData(CUPS_HTTP_DEFAULT, bytes.data(), bytes.size());
  return cupsFinishDocument(CUPS_HTTP_DEFAULT, queue) <=
                 IPP_STATUS_OK_EVENTS_COMPLETE
             ? id
             : 0;
}

int QueuedJobs(const char* queue) {
  auto printer = OsPrinterSystem().Open(queue);
  return printer ? printer->QueuedJobCount().value_or(-1) : -1;
}

struct JobRecord {
  int id = 0;
  std::string title, format;
};

// The newest job the scheduler knows for the queue, any state.
std::optional<JobRecord> NewestJob(const char* queue) {
  cups_job_t* jobs = nullptr;
  const int count =
      cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue, 0, CUPS_WHICHJOBS_ALL);
  std::optional<JobRecord> newest;
  for (int i = 0; i < count; ++i)
    if (!newest || jobs[i].id > newest->id)
      newest = JobRecord{jobs[i].id, jobs[i].title, jobs[i].format};
  cupsFreeJobs(count, jobs);
  return newest;
}

class CupsPrinting : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = CurrentPlatform();
    REQUIRE_CUPS_WORLD();
    TheJob() = JobState{};
    ClearLastError();
  }
  void TearDown() override {
    ReplacePlatform(saved_);
    TheJob() = JobState{};
  }

  EmulatedPrinter& Printer() { return *World()->printer; }
  std::size_t ReceivedSoFar() { return Printer().WaitForJobs(0, 0ms).size(); }

  // The platform in use, with the settle wait after a submission skipped.
  Platform Instant() {
    Platform platform = saved_;
    platform.clock = &instant_;
    return platform;
  }

 private:
  Platform saved_;
  InstantClock instant_;
};

TEST_F(CupsPrinting, ListsTheDestinationsInCupsOrderWithInstances) {
  auto names = OsPrinterSystem().PrinterNames();
  ASSERT_TRUE(names);
  std::vector<std::string> ours;
  for (const std::string& name : *names)
    if (name.starts_with(kPpdQueuePrefix) || name == kRawQueue ||
        name == kRejectingQueue || name.starts_with(kLabelQueue) ||
        name == kStuckQueue || name == kSilentQueue || name == kDisabledQueue)
      ours.push_back(name);
  const std::vector<std::string> expected = {kDisabledQueue,
                                             "PPD_sato-2in-203dpi",
                                             "PPD_sato-2in-305dpi",
                                             "PPD_sato-4in-203dpi",
                                             "PPD_sato-4in-305dpi",
                                             "PPD_sato-4in-609dpi",
                                             "PPD_sato-6in-203dpi",
                                             "PPD_sato-6in-305dpi",
                                             kRawQueue,
                                             kRejectingQueue,
                                             kLabelQueue,
                                             kLabelInstance,
                                             kSilentQueue,
                                             kStuckQueue};
  EXPECT_EQ(ours, expected);
  EXPECT_EQ(OsPrinterSystem().DefaultPrinterName(), kLabelQueue);
}

TEST_F(CupsPrinting, EveryShippedPpdGivesItsResolutionAndPrintableArea) {
  struct Case {
    const char* ppd;
    int dotsPerMm, widthMm, lengthMm;  // length as probed: at most 1000 mm
  } cases[] = {
      {"sato-2in-203dpi", 8, 56, 1000},   {"sato-2in-305dpi", 12, 56, 1000},
      {"sato-4in-203dpi", 8, 104, 1000},  {"sato-4in-305dpi", 12, 104, 1000},
      {"sato-4in-609dpi", 24, 80, 400},   {"sato-6in-203dpi", 8, 167, 1000},
      {"sato-6in-305dpi", 12, 167, 1000},
  };
  std::size_t shipped = 0;
  for (const auto& entry :
       fs::directory_iterator(fs::path(VXCL_SOURCE_DIR) / "share" / "ppd"))
    shipped += entry.path().extension() == ".ppd";
  EXPECT_EQ(shipped, std::size(cases)) << "a PPD without a row here";

  for (const Case& c : cases) {
    auto printer =
        LookUpPrinter(OsPrinterSystem(), std::string(kPpdQueuePrefix) + c.ppd);
    ASSERT_TRUE(printer) << c.ppd << ": " << printer.Failure().message;
    EXPECT_EQ(printer->dotsPerMm, c.dotsPerMm) << c.ppd;
    EXPECT_EQ(printer->maxWidthDots, c.widthMm * c.dotsPerMm) << c.ppd;
    EXPECT_EQ(printer->maxHeightDots, c.lengthMm * c.dotsPerMm) << c.ppd;
  }
  const auto instance = LookUpPrinter(OsPrinterSystem(), kLabelInstance);
  ASSERT_TRUE(instance);
  EXPECT_EQ(instance->maxWidthDots, 832);
}

TEST_F(CupsPrinting, JobStartChecksTheLabelAgainstTheQueue) {
  // 8 dots/mm, 832 dots wide, 8000 long: 104 x 1000 mm fits.
  EXPECT_EQ(PrnInit(kLabelQueue, 3, 4, 104.0, 1000.0, 0.0), 1);
  EXPECT_EQ(PrnInit(kLabelQueue, 3, 4, 105.0, 50.0, 0.0), 11);
  EXPECT_EQ(PrnInit(kLabelQueue, 3, 4, 100.0, 1000.5, 0.0), 12);
  EXPECT_EQ(PrnQty(1), 1) << "the job opened all the same";
}

TEST_F(CupsPrinting, UnknownAndWrongCaseNamesAreNotFound) {
  for (const char* name : {"sato_cl4nx", "Sato_CL4NX", "NO_SUCH_QUEUE",
                           "SATO_CL4NX/nope", "SATO", ""}) {
    EXPECT_EQ(PrnInit(name, 3, 4, 100.0, 50.0, 0.0), 3) << name;
    EXPECT_EQ(PrnQty(1), 0) << name;
  }
}

TEST_F(CupsPrinting, RawQueueWithoutPpdIsRefusedWithAdvice) {
  EXPECT_EQ(PrnInit(kRawQueue, 3, 4, 100.0, 50.0, 0.0), 3);
  const std::string message = LastError();
  EXPECT_NE(message.find("no resolution"), std::string::npos) << message;
  EXPECT_NE(message.find(std::string("lpadmin -p ") + kRawQueue + " -P "),
            std::string::npos)
      << message;

  int dotsPerMm = -1;
  EXPECT_EQ(VxclPrinterMetrics(kRawQueue, &dotsPerMm, nullptr, nullptr), 0);
  EXPECT_EQ(dotsPerMm, -1);
  // The same reason, named after the call, with its own consequence.
  const std::string reason = message.substr(message.find(':'));
  EXPECT_EQ(
      LastError(),
      "VxclPrinterMetrics" +
          reason.substr(0, reason.size() - std::strlen("; no job opened")) +
          "; nothing stored");
}

TEST_F(CupsPrinting, LabelReachesThePrinterByteForByte) {
  const std::size_t before = ReceivedSoFar();
  ASSERT_EQ(PrnInit(kLabelQueue, 3, 4, 100.0, 50.0, 0.0), 1);
  ASSERT_EQ(PrnDrawLine(10.0, 20.0, 0, 2, 50.0), 1);
  ASSERT_EQ(PrnCutter(3, 0, 0), 1);
  ASSERT_EQ(PrnQty(2), 1);
  const auto start = Clock::now();
  EXPECT_EQ(PrnEnd(), 1);
  EXPECT_GE(Clock::now() - start, 1s) << "the spooler settle wait";

  const auto jobs = Printer().WaitForJobs(before + 1, kDelivery);
  ASSERT_EQ(jobs.size(), before + 1);
  const std::string expected =
      B("<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"
        "<ESC>%0<ESC>H112<ESC>V160<ESC>FW02H0400"
        "<ESC><NUL>3<ESC>Q2<ESC>Z<ETX>");
  EXPECT_EQ(jobs.back(), expected)
      << Show(jobs.back()) << "\nwanted " << Show(expected);

  auto job = NewestJob(kLabelQueue);
  ASSERT_TRUE(job);
  EXPECT_EQ(job->title, "SATO_CL4NX Job");
  EXPECT_EQ(job->format, CUPS_FORMAT_RAW);
}

TEST_F(CupsPrinting, EveryByteValuePassesThroughWhole) {
  std::string data;
  for (int i = 0; i < 300000; ++i) data += static_cast<char>((i * 7) % 256);
  const std::size_t before = ReceivedSoFar();
  EXPECT_EQ(SubmitRawJob(Instant(), kLabelQueue, "binary", data).code, 1);
  const auto jobs = Printer().WaitForJobs(before + 1, kDelivery);
  ASSERT_EQ(jobs.size(), before + 1);
  EXPECT_EQ(jobs.back().size(), data.size());
  EXPECT_TRUE(jobs.back() == data);
}

TEST_F(CupsPrinting, NoPrinterNameSendsToTheCupsDefault) {
  const std::size_t before = ReceivedSoFar();
  EXPECT_EQ(SubmitRawJob(Instant(), "", " Job", "default").code, 144);
  const auto jobs = Printer().WaitForJobs(before + 1, kDelivery);
  ASSERT_EQ(jobs.size(), before + 1);
  EXPECT_EQ(jobs.back(), "default");
}

TEST_F(CupsPrinting, NameWithSurroundingBlanksPrintsOnTheQueue) {
  ReplacePlatform(Instant());
  const std::size_t before = ReceivedSoFar();
  ASSERT_EQ(PrnInit(" SATO_CL4NX\t", 3, 4, 100.0, 50.0, 0.0), 1);
  ASSERT_EQ(PrnQty(1), 1);
  EXPECT_EQ(PrnEnd(), 1) << LastError();
  EXPECT_EQ(Printer().WaitForJobs(before + 1, kDelivery).size(), before + 1);
}

TEST_F(CupsPrinting, RejectingQueueFailsTheDocumentStart) {
  ASSERT_EQ(PrnInit(kRejectingQueue, 3, 4, 100.0, 50.0, 0.0), 1);
  ASSERT_EQ(PrnQty(1), 1);
  EXPECT_EQ(PrnEnd(), 146);
  EXPECT_NE(LastError().find("REJECTING Job"), std::string::npos)
      << LastError();
  EXPECT_EQ(PrnQty(1), 0) << "the job is closed";
  EXPECT_EQ(QueuedJobs(kRejectingQueue), 0);
}

TEST_F(CupsPrinting, SubmissionWaitsWhileThreeJobsAreQueued) {
  // The printer is off: the first job keeps its backend retrying, the
  // others wait behind it.
  int oldest = 0;
  for (int i = 0; i < 3; ++i) {
    const int id = SubmitElsewhere(kStuckQueue, "queued");
    ASSERT_GT(id, 0) << cupsLastErrorString();
    if (i == 0) oldest = id;
  }
  ASSERT_EQ(QueuedJobs(kStuckQueue), 3);

  // Someone cancels a job a moment later; should the submission still be
  // waiting long after, every job goes, so the test cannot hang.
  std::atomic<bool> submitted{false};
  std::thread canceller([&] {
    std::this_thread::sleep_for(1500ms);
    cupsCancelJob2(CUPS_HTTP_DEFAULT, kStuckQueue, oldest, 0);
    for (int i = 0; i < 200 && !submitted; ++i)
      std::this_thread::sleep_for(100ms);
    if (!submitted)
      cupsCancelJob2(CUPS_HTTP_DEFAULT, kStuckQueue, CUPS_JOBID_ALL, 1);
  });
  // 0: no limit on the wait.
  ASSERT_EQ(VxclSetSpoolerTimeout(0), 1);
  const auto start = Clock::now();
  const int result =
      SubmitRawJob(CurrentPlatform(), kStuckQueue, "STUCK Job", "x").code;
  VxclSetSpoolerTimeout(60);
  const auto waited = Clock::now() - start;
  submitted = true;
  canceller.join();

  EXPECT_EQ(result, 1);
  EXPECT_GE(waited, 1500ms) << "submitted before a job left the queue";
  EXPECT_LT(waited, 10s);
  EXPECT_EQ(QueuedJobs(kStuckQueue), 3);
  cupsCancelJob2(CUPS_HTTP_DEFAULT, kStuckQueue, CUPS_JOBID_ALL, 1);
}

// Restores the scheduler libcups talks to, whatever the test does.
struct SchedulerAddress {
  explicit SchedulerAddress(const char* server) { cupsSetServer(server); }
  ~SchedulerAddress() { cupsSetServer(nullptr); }  // back to CUPS_SERVER
};

// CUPS_SERVER pointing at a port where nothing listens: the printer list
// cannot be read, and a lookup says which scheduler it could not reach.
TEST_F(CupsPrinting, ClosedSchedulerPortGivesMinusOneAndNamesTheServer) {
  const std::string saved = std::getenv("CUPS_SERVER");
  setenv("CUPS_SERVER", "127.0.0.1:9", 1);
  cupsSetServer(nullptr);
  const int count = VxclPrinterCount();
  const int start = PrnInit(kLabelQueue, 3, 4, 100.0, 50.0, 0.0);
  const std::string message = LastError();
  setenv("CUPS_SERVER", saved.c_str(), 1);
  cupsSetServer(nullptr);
  EXPECT_EQ(count, -1);
  EXPECT_EQ(start, 3);
  EXPECT_EQ(message, std::string("PrnInit: printer \"") + kLabelQueue +
                         "\" not found: the print system could not be "
                         "reached (the CUPS scheduler at 127.0.0.1:9 could "
                         "not be reached); no job opened");
  EXPECT_GT(VxclPrinterCount(), 0);
}

TEST_F(CupsPrinting, NotFoundNamesTheQueueThatDiffersInLetterCase) {
  EXPECT_EQ(PrnInit("sato_cl4nx", 3, 4, 100.0, 50.0, 0.0), 3);
  EXPECT_EQ(LastError(),
            "PrnInit: printer \"sato_cl4nx\" not found: no printer of that "
            "name (letter case counts, surrounding blanks do not); "
            "\"SATO_CL4NX\" differs only in letter case or surrounding "
            "blanks; no job opened");
}

TEST_F(CupsPrinting, SchedulerDownGivesClearResultsAtOnce) {
  ASSERT_EQ(PrnInit(kLabelQueue, 3, 4, 100.0, 50.0, 0.0), 1);
  ASSERT_EQ(PrnQty(1), 1);
  SchedulerAddress down("/nonexistent/vxclcmd/cups.sock");
  const auto start = Clock::now();
  EXPECT_EQ(PrnEnd(), 145);
  EXPECT_NE(LastError().find(kLabelQueue), std::string::npos) << LastError();
  EXPECT_EQ(PrnQty(1), 0) << "the job is closed";
  EXPECT_EQ(PrnInit(kLabelQueue, 3, 4, 100.0, 50.0, 0.0), 3);
  EXPECT_EQ(VxclPrinterMetrics(kLabelQueue, nullptr, nullptr, nullptr), 0);
  EXPECT_LT(Clock::now() - start, 5s);
}

TEST_F(CupsPrinting, PrinterQueriesLeaveTheJobAlone) {
  ASSERT_EQ(PrnInit(kLabelQueue, 3, 4, 100.0, 50.0, 0.0), 1);
  int dotsPerMm = 0, maxWidthDots = 0, maxHeightDots = 0;
  EXPECT_EQ(VxclPrinterMetrics("PPD_sato-4in-609dpi", &dotsPerMm, &maxWidthDots,
                               &maxHeightDots),
            1);
  EXPECT_EQ(dotsPerMm, 24);
  EXPECT_EQ(maxWidthDots, 1920);
  EXPECT_EQ(maxHeightDots, 9600);
  EXPECT_EQ(PrnQty(1), 1) << "the job stays open";

  const int count = VxclPrinterCount();
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    char name[256];
    ASSERT_GT(VxclPrinterName(i, name, sizeof name), 0);
    names.push_back(name);
  }
  EXPECT_EQ(names, *CurrentPlatform().printers->PrinterNames());
  EXPECT_EQ(VxclPrinterName(count, nullptr, 0), -1);
}

TEST_F(CupsPrinting, VxlabelListsEveryPrinterWithItsMetricsOrWhyNot) {
  const VxlabelRun run = RunVxlabel({"printers"});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  for (const std::string line :
       {"SATO_CL4NX: DotsPerMm 8, MaxWidthDots 832, MaxHeightDots 8000\n",
        "SATO_CL4NX/big: DotsPerMm 8, MaxWidthDots 832, MaxHeightDots 8000\n",
        "PPD_sato-4in-609dpi: DotsPerMm 24, MaxWidthDots 1920, "
        "MaxHeightDots 9600\n",
        "RAW_QUEUE: unusable: VxclPrinterMetrics: printer \"RAW_QUEUE\" "
        "cannot be used: CUPS queue \"RAW_QUEUE\": it reports no "
        "resolution"})
    EXPECT_NE(run.output.find(line), std::string::npos) << line << "\nin:\n"
                                                        << run.output;
}

TEST_F(CupsPrinting, VxlabelRunPrintsTheScriptThroughCups) {
  const char* script = "examples/first_label.vxl";
  const VxlabelRun onVirtual = RunVxlabelScript(script);
  ASSERT_EQ(onVirtual.exitCode, 0) << onVirtual.output;
  ASSERT_EQ(onVirtual.jobs.size(), 1u) << onVirtual.output;
  const std::string& expected = onVirtual.jobs[0];

  const std::size_t before = ReceivedSoFar();
  const VxlabelRun onCups =
      RunVxlabel({"run", script, "--printer", kLabelQueue});
  EXPECT_EQ(onCups.exitCode, 0) << onCups.output;
  const auto jobs = Printer().WaitForJobs(before + 1, kDelivery);
  ASSERT_EQ(jobs.size(), before + 1);
  EXPECT_EQ(jobs.back(), expected) << Show(jobs.back());
}

}  // namespace
}  // namespace vxcl::test
