// Many labels through CUPS, from the first call to the last byte the
// emulated printer receives: 1,000 distinct labels in one batch, 20 labels
// sent one job each (each with its settle wait), and the same 1,000 labels
// through `vxlabel run --data`. A private scheduler and an emulated
// network printer, as the CUPS tests use.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "emulated_printer.h"
#include "private_scheduler.h"
#include "vxclcmd.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using vxcl::test::EmulatedPrinter;
using vxcl::test::PrivateScheduler;

constexpr const char* kQueue = "BATCH_BENCH";

struct World {
  std::unique_ptr<PrivateScheduler> scheduler;
  std::unique_ptr<EmulatedPrinter> printer;
  std::string problem;
};

World& TheWorld() {
  static World world = [] {
    World w;
    w.scheduler = PrivateScheduler::Start(
        fs::path(VXCL_BENCH_DIR) / "batch_scheduler", w.problem);
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

std::size_t Received() {
  return TheWorld().printer->WaitForJobs(0, 0ms).size();
}

// One label of its own: a Code 128 serial number, printer-font text and a
// TrueType line, all different for every `n`.
bool OneLabel(int n) {
  const std::string serial = std::to_string(10000000 + n);
  const std::string line = "SN " + serial + "  lot L" + std::to_string(n % 97);
  const std::string product = "Hex bolt M8 x " + std::to_string(20 + n % 180) +
                              " #" + std::to_string(n);
  return PrnInit(kQueue, 3, 4, 60.0, 30.0, 0.0) == 1 &&
         PrnTrueTypeFont(0, 3.0, 2.0, "DejaVu Sans", 10, 0, 0, 7, 0, 0, 0, 0,
                         0.0, product.c_str()) == 1 &&
         PrnInternalFont(0, 3.0, 9.0, "XM", 1, 1, 0, line.c_str()) == 1 &&
         PrnBarcode(0, 3.0, 14.0, 'G', 2, 2, 10.0, serial.c_str()) == 1 &&
         PrnQty(1) == 1 && PrnEnd() == 1;
}

// Waits for `jobs` jobs, then the time from `start` to their last byte.
bool RecordDelivery(benchmark::State& state, std::size_t jobs,
                    Clock::time_point start) {
  if (TheWorld().printer->WaitForJobs(jobs, 60s).size() < jobs) {
    state.SkipWithError("the printer did not receive every job");
    return false;
  }
  state.SetIterationTime(std::chrono::duration<double>(
                             TheWorld().printer->LastJobEndedAt() - start)
                             .count());
  return true;
}

void BM_BatchOfDistinctLabels(benchmark::State& state) {
  if (!Ready(state)) return;
  const int labels = static_cast<int>(state.range(0));
  double untilEndReturned = 0;
  for (auto _ : state) {
    const std::size_t before = Received();
    const auto start = Clock::now();
    VxclBeginBatch();
    for (int n = 0; n < labels; ++n)
      if (!OneLabel(n)) {
        VxclCancelBatch();
        state.SkipWithError("a label call failed");
        return;
      }
    const auto beforeEnd = Clock::now();
    if (VxclEndBatch() != 1) state.SkipWithError("VxclEndBatch failed");
    untilEndReturned +=
        std::chrono::duration<double>(Clock::now() - start).count();
    state.counters["labels_built_s"] =
        std::chrono::duration<double>(beforeEnd - start).count();
    if (!RecordDelivery(state, before + 1, start)) return;
  }
  state.counters["labels"] = labels;
  state.counters["until_end_returned_s"] =
      untilEndReturned / state.iterations();
}
BENCHMARK(BM_BatchOfDistinctLabels)
    ->Arg(1000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Every PrnEnd its own spool job, with the one-second settle wait a user
// gets: the per-job cost that batches avoid.
void BM_OneJobPerLabel(benchmark::State& state) {
  if (!Ready(state)) return;
  const int labels = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const std::size_t before = Received();
    const auto start = Clock::now();
    for (int n = 0; n < labels; ++n)
      if (!OneLabel(n)) {
        state.SkipWithError("a label call failed");
        return;
      }
    if (!RecordDelivery(state, before + labels, start)) return;
  }
  state.counters["labels"] = labels;
}
BENCHMARK(BM_OneJobPerLabel)
    ->Arg(20)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The script and CSV file of `rows` distinct labels, as a user writes them.
fs::path WriteDataMerge(int rows) {
  const fs::path dir = fs::path(VXCL_BENCH_DIR) / "batch_data";
  fs::create_directories(dir);
  std::ofstream(dir / "label.vxl")
      << "PrnInit \"" << kQueue << "\" 3 4 60.0 30.0 0.0\n"
      << "PrnTrueTypeFont 0 3.0 2.0 \"DejaVu Sans\" 10 0 0 7 0 0 0 0 0.0 "
         "\"{product}\"\n"
      << "PrnInternalFont 0 3.0 9.0 \"XM\" 1 1 0 \"SN {#counter:10000000:1:8}"
         "  lot {lot}\"\n"
      << "PrnBarcode 0 3.0 14.0 \"G\" 2 2 10.0 \"{#counter:10000000:1:8}\"\n"
      << "PrnQty 1\nPrnEnd\n";
  std::ofstream csv(dir / "labels.csv");
  csv << "product,lot\n";
  for (int n = 0; n < rows; ++n)
    csv << "\"Hex bolt M8 x " << 20 + n % 180 << " #" << n << "\",L" << n % 97
        << "\n";
  return dir;
}

void BM_VxlabelDataMerge(benchmark::State& state) {
  if (!Ready(state)) return;
  const fs::path dir = WriteDataMerge(static_cast<int>(state.range(0)));
  const std::string command = std::string("'") + VXLABEL_PATH + "' run '" +
                              (dir / "label.vxl").string() + "' --data '" +
                              (dir / "labels.csv").string() + "' --printer " +
                              kQueue + " >'" + (dir / "vxlabel.out").string() +
                              "' 2>&1";
  for (auto _ : state) {
    const std::size_t before = Received();
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("vxlabel failed: see batch_data/vxlabel.out");
      return;
    }
    if (!RecordDelivery(state, before + 1, start)) return;
  }
  state.counters["labels"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_VxlabelDataMerge)
    ->Arg(1000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
