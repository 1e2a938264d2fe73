#include "cups_world.h"

#include <cups/cups.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace vxcl::test {

namespace {

CupsWorld* theWorld = nullptr;
WorldProblem problem;

std::string PpdPath(const std::string& stem) {
  return (fs::path(VXCL_SOURCE_DIR) / "share" / "ppd" / (stem + ".ppd"))
      .string();
}

// The socket backend's own supply query (SNMP) would hold every job for
// seconds; a label printer on 127.0.0.1 has nothing to report.
std::string SocketUri(int port, const std::string& options = "") {
  return "socket://127.0.0.1:" + std::to_string(port) + "/?snmp=false" +
         options;
}

bool AddQueues(CupsWorld& world, std::string& why) {
  PrivateScheduler& cups = *world.scheduler;
  const std::string printer = SocketUri(world.printer->Port());
  // The printer that is off must not keep a backend retrying for long
  // should the scheduler be killed.
  const std::string off =
      SocketUri(world.switchedOff->Port(), "&contimeout=120");
  const std::vector<std::vector<std::string>> commands = {
      {"-p", kLabelQueue, "-E", "-v", printer, "-P",
       PpdPath("sato-4in-203dpi")},
      {"-p", kRawQueue, "-E", "-v", printer},
      {"-p", kStuckQueue, "-E", "-v", off, "-P", PpdPath("sato-4in-203dpi")},
      {"-p", kRejectingQueue, "-E", "-v", printer, "-P",
       PpdPath("sato-4in-203dpi")},
      {"-p", kSilentQueue, "-E", "-v", SocketUri(world.hanging->Port()), "-P",
       PpdPath("sato-4in-203dpi")},
      {"-p", kDisabledQueue, "-E", "-v", printer, "-P",
       PpdPath("sato-4in-203dpi")},
      {"-d", kLabelQueue},
  };
  std::string output;
  for (const auto& args : commands)
    if (!cups.Lpadmin(args, &output)) {
      why = "lpadmin failed: " + output;
      return false;
    }
  for (const auto& entry :
       fs::directory_iterator(fs::path(VXCL_SOURCE_DIR) / "share" / "ppd")) {
    const std::string stem = entry.path().stem().string();
    if (!cups.Lpadmin({"-p", kPpdQueuePrefix + stem, "-E", "-v", printer, "-P",
                       entry.path().string()},
                      &output)) {
      why = "lpadmin failed for " + stem + ": " + output;
      return false;
    }
  }
  if (!cups.Client("cupsreject", {kRejectingQueue}, &output)) {
    why = "cupsreject failed: " + output;
    return false;
  }
  if (!cups.Client("cupsdisable", {kDisabledQueue}, &output)) {
    why = "cupsdisable failed: " + output;
    return false;
  }
  cups.WriteClientOptions(std::string("Dest ") + kLabelInstance + "\n");
  return true;
}

class CupsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    auto world = std::make_unique<CupsWorld>();
    world->scheduler = PrivateScheduler::Start(
        fs::path(VXCL_CUPS_TEST_DIR) / "scheduler", problem.reason);
    if (!world->scheduler) {
      problem.skip = problem.reason.starts_with("CUPS is not installed");
      return;
    }
    world->printer = std::make_unique<EmulatedPrinter>();
    world->switchedOff = std::make_unique<RefusingPort>();
    world->hanging = std::make_unique<SilentPort>();
    if (!AddQueues(*world, problem.reason)) return;
    world_ = std::move(world);
    theWorld = world_.get();
  }

  void TearDown() override {
    if (!world_) return;
    // Jobs that wait for the printer that is off go first, so that no
    // backend is left retrying.
    for (const char* queue : {kStuckQueue, kSilentQueue, kDisabledQueue})
      cupsCancelJob2(CUPS_HTTP_DEFAULT, queue, CUPS_JOBID_ALL, 1);
    theWorld = nullptr;
    world_->scheduler->Stop();
    world_.reset();
  }

 private:
  std::unique_ptr<CupsWorld> world_;
};

const auto* const registered =
    ::testing::AddGlobalTestEnvironment(new CupsEnvironment);

}  // namespace

CupsWorld* World() { return theWorld; }

const WorldProblem& WorldMissing() { return problem; }

}  // namespace vxcl::test
