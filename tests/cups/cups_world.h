// The private scheduler, emulated printers and queues that the CUPS tests
// share. They are set up once per run, before any test (libcups reads its
// settings at first use), and torn down after the last.
#ifndef VXCL_TESTS_CUPS_CUPS_WORLD_H
#define VXCL_TESTS_CUPS_CUPS_WORLD_H

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "harness/emulated_printer.h"
#include "harness/private_scheduler.h"

namespace vxcl::test {

// Queues, all but the raw one with a shipped PPD.
inline constexpr const char* kLabelQueue = "SATO_CL4NX";  // 4-inch, 203 dpi
inline constexpr const char* kLabelInstance = "SATO_CL4NX/big";
inline constexpr const char* kRawQueue = "RAW_QUEUE";  // no PPD
inline constexpr const char* kStuckQueue = "STUCK";    // printer is off
inline constexpr const char* kRejectingQueue = "REJECTING";
inline constexpr const char* kSilentQueue = "SILENT";      // printer hangs
inline constexpr const char* kDisabledQueue = "DISABLED";  // cupsdisable
// One queue per shipped PPD: this prefix and the file's stem.
inline constexpr const char* kPpdQueuePrefix = "PPD_";

struct CupsWorld {
  std::unique_ptr<PrivateScheduler> scheduler;
  std::unique_ptr<EmulatedPrinter> printer;   // behind kLabelQueue
  std::unique_ptr<RefusingPort> switchedOff;  // behind kStuckQueue
  std::unique_ptr<SilentPort> hanging;        // behind kSilentQueue
};

// Null when the world could not be set up; then `WorldMissing` says why
// and whether the tests should skip (CUPS not installed) or fail.
CupsWorld* World();
struct WorldProblem {
  std::string reason;
  bool skip = false;
};
const WorldProblem& WorldMissing();

// Fails or skips the current test when there is no world.
#define REQUIRE_CUPS_WORLD()                                          \
  do {                                                                \
    if (!World()) {                                                   \
      if (WorldMissing().skip) GTEST_SKIP() << WorldMissing().reason; \
      FAIL() << WorldMissing().reason;                                \
    }                                                                 \
  } while (0)

}  // namespace vxcl::test

#endif
