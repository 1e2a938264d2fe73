// vxlabel against a central print server: a second private scheduler on a
// loopback TCP port, which the tool's process reaches only through
// CUPS_SERVER or ServerName in ~/.cups/client.conf, as a workstation does.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "harness/emulated_printer.h"
#include "harness/private_scheduler.h"
#include "support/scratch_dir.h"
#include "support/vxlabel_run.h"

namespace vxcl::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr const char* kQueue = "CENTRAL_CL4NX";    // 4-inch, 203 dpi
constexpr const char* kFineQueue = "CENTRAL_609";  // 609 dpi
constexpr const char* kScript = "examples/serial_labels.vxl";
constexpr const char* kData = "examples/serial_labels.csv";

std::string Ppd(const std::string& stem) {
  return (fs::path(VXCL_SOURCE_DIR) / "share" / "ppd" / (stem + ".ppd"))
      .string();
}

class RemoteServer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = PrivateScheduler::Start(fs::path(VXCL_CUPS_TEST_DIR) / "server",
                                      *whyNot_, true);
    if (!server_) return;
    printer_ = new EmulatedPrinter;
    const std::string uri =
        "socket://127.0.0.1:" + std::to_string(printer_->Port()) +
        "/?snmp=false";
    std::string output;
    for (const auto& [queue, ppd] : {std::pair{kQueue, "sato-4in-203dpi"},
                                     std::pair{kFineQueue, "sato-4in-609dpi"}})
      if (!server_->Lpadmin({"-p", queue, "-E", "-v", uri, "-P", Ppd(ppd)},
                            &output)) {
        *whyNot_ = "lpadmin failed: " + output;
        server_.reset();
        return;
      }
  }
  static void TearDownTestSuite() {
    server_.reset();
    delete printer_;
    printer_ = nullptr;
  }

  void SetUp() override {
    if (!server_) {
      if (whyNot_->starts_with("CUPS is not installed"))
        GTEST_SKIP() << *whyNot_;
      FAIL() << *whyNot_;
    }
    // The workstation: its own home and configuration directory, and no
    // way to the scheduler's Unix socket unless named.
    fs::create_directories(home_.Path() / ".cups");
    fs::create_directories(home_.Path() / "etc");
    setenv("HOME", home_.Path().c_str(), 1);
    setenv("CUPS_SERVERROOT", (home_.Path() / "etc").c_str(), 1);
    unsetenv("CUPS_SERVER");
  }

  void ServerNameInClientConf(const std::string& name) {
    std::ofstream(home_.Path() / ".cups" / "client.conf")
        << "ServerName " << name << "\n";
  }

  static std::unique_ptr<PrivateScheduler> server_;
  static EmulatedPrinter* printer_;
  static std::string* whyNot_;
  ScratchDir home_;
};

std::unique_ptr<PrivateScheduler> RemoteServer::server_;
EmulatedPrinter* RemoteServer::printer_ = nullptr;
std::string* RemoteServer::whyNot_ = new std::string;

void ExpectListed(const std::string& output) {
  for (const std::string line :
       {"CENTRAL_CL4NX: DotsPerMm 8, MaxWidthDots 832, MaxHeightDots 8000\n",
        "CENTRAL_609: DotsPerMm 24, MaxWidthDots 1920, MaxHeightDots 9600\n"})
    EXPECT_NE(output.find(line), std::string::npos) << line << "\nin:\n"
                                                    << output;
}

TEST_F(RemoteServer, PrintersAndMetricsThroughCupsServer) {
  setenv("CUPS_SERVER", server_->TcpAddress().c_str(), 1);
  const VxlabelRun run = RunVxlabel({"printers"});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  ExpectListed(run.output);
}

TEST_F(RemoteServer, PrintersAndMetricsThroughClientConf) {
  ServerNameInClientConf(server_->TcpAddress());
  const VxlabelRun run = RunVxlabel({"printers"});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  ExpectListed(run.output);
}

// The batch the server's printer receives is the one a virtual printer
// records, byte for byte, whichever way the server is named.
TEST_F(RemoteServer, DataMergeBatchArrivesByteForByte) {
  const VxlabelRun onVirtual = RunVxlabelScript(kScript, {"--data", kData});
  ASSERT_EQ(onVirtual.exitCode, 0) << onVirtual.output;
  ASSERT_EQ(onVirtual.jobs.size(), 1u) << onVirtual.output;

  setenv("CUPS_SERVER", server_->TcpAddress().c_str(), 1);
  auto before = printer_->WaitForJobs(0, 0ms).size();
  VxlabelRun run =
      RunVxlabel({"run", kScript, "--data", kData, "--printer", kQueue});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  auto jobs = printer_->WaitForJobs(before + 1, 10s);
  ASSERT_EQ(jobs.size(), before + 1);
  EXPECT_TRUE(jobs.back() == onVirtual.jobs[0])
      << jobs.back().size() << " bytes received, " << onVirtual.jobs[0].size()
      << " expected";

  unsetenv("CUPS_SERVER");
  ServerNameInClientConf(server_->TcpAddress());
  before = jobs.size();
  run = RunVxlabel({"run", kScript, "--data", kData, "--printer", kQueue});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  jobs = printer_->WaitForJobs(before + 1, 10s);
  ASSERT_EQ(jobs.size(), before + 1);
  EXPECT_TRUE(jobs.back() == onVirtual.jobs[0]);
}

// A server that is not there fails at once, and nothing is printed.
TEST_F(RemoteServer, UnreachableServerFailsWithoutPrinting) {
  const RefusingPort nobody;
  setenv("CUPS_SERVER", ("127.0.0.1:" + std::to_string(nobody.Port())).c_str(),
         1);
  const auto before = printer_->WaitForJobs(0, 0ms).size();
  const VxlabelRun list = RunVxlabel({"printers"});
  EXPECT_EQ(list.exitCode, 1) << list.output;
  EXPECT_NE(list.output.find("cannot list the printers"), std::string::npos)
      << list.output;
  const VxlabelRun run =
      RunVxlabel({"run", kScript, "--data", kData, "--printer", kQueue});
  EXPECT_NE(run.exitCode, 0) << run.output;
  EXPECT_EQ(printer_->WaitForJobs(0, 500ms).size(), before);
}

}  // namespace
}  // namespace vxcl::test
