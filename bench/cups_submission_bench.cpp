// What a submission through CUPS costs of its own, beyond the one-second
// settle wait that follows every submission: opening the queue, counting
// its jobs, creating the job, streaming the document and finishing it,
// through a private scheduler to an emulated network printer. The lookup a
// job start makes is measured too.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "emulated_printer.h"
#include "instant_clock.h"
#include "job/printer_lookup.h"
#include "job/raw_job.h"
#include "platform/host_events.h"
#include "platform/platform.h"
#include "private_scheduler.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using vxcl::test::EmulatedPrinter;
using vxcl::test::PrivateScheduler;

constexpr const char* kQueue = "BENCH";

struct World {
  std::unique_ptr<PrivateScheduler> scheduler;
  std::unique_ptr<EmulatedPrinter> printer;
  std::string problem;
};

// Started at first use, before any other libcups use; stopped at exit.
World& TheWorld() {
  static World world = [] {
    World w;
    w.scheduler = PrivateScheduler::Start(
        fs::path(VXCL_BENCH_DIR) / "scheduler", w.problem);
    if (!w.scheduler) return w;
    w.printer = std::make_unique<EmulatedPrinter>();
    std::string output;
    if (!w.scheduler->Lpadmin(
            {"-p", kQueue, "-E", "-v",
             "socket://127.0.0.1:" + std::to_string(w.printer->Port()) +
                 "/?snmp=false",
             "-P", VXCL_SOURCE_DIR "/share/ppd/sato-4in-203dpi.ppd"},
            &output)) {
      w.problem = "lpadmin failed: " + output;
      w.scheduler.reset();
    }
    return w;
  }();
  return world;
}

bool Ready(benchmark::State& state) {
  if (!TheWorld().scheduler) state.SkipWithError(TheWorld().problem.c_str());
  return TheWorld().scheduler != nullptr;
}

// Waits, untimed, until the printer has the job and the queue is empty
// again, then lets the scheduler finish its bookkeeping: in use, the settle
// wait keeps submissions a second apart.
void AwaitDelivery(std::size_t jobs) {
  TheWorld().printer->WaitForJobs(jobs, 10s);
  auto queue = vxcl::OsPrinterSystem().Open(kQueue);
  for (int i = 0; i < 5000 && queue && queue->QueuedJobCount().value_or(0) > 0;
       ++i)
    std::this_thread::sleep_for(1ms);
  std::this_thread::sleep_for(100ms);
}

std::string LabelStream(std::size_t size) {
  std::string stream =
      "\x02\x1b"
      "A\x1b"
      "AR\x1b"
      "CS4\x1b#E3\x1bZ\x03\x02\x1b"
      "A";
  while (stream.size() + 6 < size) stream += "\x1b%0\x1bH";
  return stream + "\x1bQ1\x1bZ\x03";
}

// The submission with its settle wait skipped: its own cost.
void BM_CupsSubmission(benchmark::State& state) {
  if (!Ready(state)) return;
  vxcl::test::InstantClock clock;
  vxcl::NoHostEvents events;
  const vxcl::Platform platform{&vxcl::OsPrinterSystem(), &events, &clock};
  const std::string stream =
      LabelStream(static_cast<std::size_t>(state.range(0)));
  std::size_t received = TheWorld().printer->WaitForJobs(0, 0ms).size();
  for (auto _ : state) {
    if (vxcl::SubmitRawJob(platform, kQueue, "BENCH Job", stream).code !=
        VXCL_OK)
      state.SkipWithError("submission failed");
    state.PauseTiming();
    AwaitDelivery(++received);
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CupsSubmission)
    ->Arg(1024)
    ->Arg(256 * 1024)
    ->Iterations(50)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The whole submission as PrnEnd makes it, settle wait included.
void BM_CupsSubmissionWithSettleWait(benchmark::State& state) {
  if (!Ready(state)) return;
  const std::string stream = LabelStream(1024);
  std::size_t received = TheWorld().printer->WaitForJobs(0, 0ms).size();
  for (auto _ : state) {
    vxcl::SubmitRawJob(vxcl::CurrentPlatform(), kQueue, "BENCH Job", stream);
    state.PauseTiming();
    AwaitDelivery(++received);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CupsSubmissionWithSettleWait)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The lookup of a job start: list the queues, open one, read its metrics.
void BM_CupsLookup(benchmark::State& state) {
  if (!Ready(state)) return;
  for (auto _ : state) {
    if (!vxcl::LookUpPrinter(vxcl::OsPrinterSystem(), kQueue))
      state.SkipWithError("lookup failed");
  }
}
BENCHMARK(BM_CupsLookup)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
