#include "private_scheduler.h"

#include <arpa/inet.h>
#include <cups/cups.h>
#include <fcntl.h>
#include <grp.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace vxcl::test {

namespace {

constexpr auto kStartTimeout = 10s;
constexpr auto kStopTimeout = 10s;
constexpr auto kCommandTimeout = 30s;

std::string FindProgram(const std::string& name,
                        std::initializer_list<const char*> likelyDirs) {
  std::vector<std::string> dirs(likelyDirs.begin(), likelyDirs.end());
  if (const char* path = std::getenv("PATH")) {
    std::istringstream entries(path);
    for (std::string dir; std::getline(entries, dir, ':');) dirs.push_back(dir);
  }
  for (const std::string& dir : dirs) {
    const fs::path candidate = fs::path(dir) / name;
    if (!dir.empty() && access(candidate.c_str(), X_OK) == 0)
      return candidate.string();
  }
  return {};
}

// The CUPS program directory: backends and the scheduler's helpers.
fs::path FindServerBin() {
  for (const char* dir : {"/usr/lib/cups", "/usr/libexec/cups"}) {
    const fs::path bin(dir);
    if (fs::exists(bin / "backend" / "socket") &&
        fs::exists(bin / "daemon" / "cups-exec"))
      return bin;
  }
  return {};
}

// Starts a program with its output going to `log`. A program `tiedToUs` is
// terminated when this process dies, so that no scheduler outlives a
// crashed test.
pid_t Spawn(const std::vector<std::string>& argv, const fs::path& log,
            bool tiedToUs) {
  std::vector<char*> args;
  for (const std::string& arg : argv)
    args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  const int out =
      open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (out < 0 || in < 0) return -1;
  const pid_t parent = getpid();
  const pid_t pid = fork();
  if (pid == 0) {
    if (tiedToUs) {
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      if (getppid() != parent) _exit(127);
    }
    dup2(in, 0);
    dup2(out, 1);
    dup2(out, 2);
    execv(args[0], args.data());
    _exit(127);
  }
  close(out);
  close(in);
  return pid;
}

// The program's exit status, or -1 when it had to be killed (or was).
int WaitFor(pid_t pid, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (done < 0) return -1;
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(5ms);
  }
}

bool Exited(pid_t pid) {
  int status = 0;
  return waitpid(pid, &status, WNOHANG) == pid;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

bool CanConnect(const std::string& socketPath) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
  const bool connected =
      connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return connected;
}

bool CanConnectTcp(int port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  const bool connected =
      connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return connected;
}

// A loopback port nobody listens on now. The scheduler binds it a moment
// later; another program taking it first only fails the start.
int FreeLoopbackPort() {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return 0;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
    port = ntohs(address.sin_port);
  close(fd);
  return port;
}

std::string GroupName() {
  const group* entry = getgrgid(getgid());
  return entry ? entry->gr_name : "root";
}

}  // namespace

std::unique_ptr<PrivateScheduler> PrivateScheduler::Start(const fs::path& dir,
                                                          std::string& whyNot,
                                                          bool overTcp) {
  const std::string cupsd = FindProgram("cupsd", {"/usr/sbin"});
  const fs::path serverBin = FindServerBin();
  if (cupsd.empty() || serverBin.empty()) {
    whyNot =
        "CUPS is not installed: the tests need cupsd and the socket backend "
        "(Debian: cups-daemon, cups)";
    return nullptr;
  }

  std::unique_ptr<PrivateScheduler> scheduler(new PrivateScheduler);
  scheduler->dir_ = fs::absolute(dir);
  const fs::path& root = scheduler->dir_;
  fs::remove_all(root);
  for (const char* sub :
       {"conf", "spool/tmp", "cache", "state", "log", "home", "bin/backend"})
    fs::create_directories(root / sub);
  fs::create_directory_symlink(serverBin / "daemon", root / "bin" / "daemon");
  if (fs::exists(serverBin / "filter"))
    fs::create_directory_symlink(serverBin / "filter", root / "bin" / "filter");
  // The scheduler runs a backend that others may not execute as its own
  // user rather than as "lp", who may not reach a build tree under a
  // private home directory.
  fs::copy_file(serverBin / "backend" / "socket",
                root / "bin" / "backend" / "socket");
  fs::permissions(root / "bin" / "backend" / "socket", fs::perms::owner_all);

  // Unix socket paths are short; a deep build tree gets its socket in /tmp.
  scheduler->socket_ = (root / "cups.sock").string();
  if (scheduler->socket_.size() >= sizeof(sockaddr_un{}.sun_path)) {
    char shortDir[] = "/tmp/vxcl-cups-XXXXXX";
    if (!mkdtemp(shortDir)) {
      whyNot = "cannot make a directory for the scheduler's socket";
      return nullptr;
    }
    scheduler->socketDir_ = shortDir;
    scheduler->socket_ = (scheduler->socketDir_ / "cups.sock").string();
  }

  std::string listen = "Listen " + scheduler->socket_ + "\n";
  if (overTcp) {
    scheduler->tcpPort_ = FreeLoopbackPort();
    if (scheduler->tcpPort_ == 0) {
      whyNot = "cannot find a free port on 127.0.0.1";
      return nullptr;
    }
    scheduler->tcpAddress_ = "127.0.0.1:" + std::to_string(scheduler->tcpPort_);
    listen += "Listen " + scheduler->tcpAddress_ + "\n";
  }

  const fs::path conf = root / "conf";
  WriteFile(conf / "cups-files.conf",
            "ServerRoot " + conf.string() + "\nStateDir " +
                (root / "state").string() + "\nCacheDir " +
                (root / "cache").string() + "\nRequestRoot " +
                (root / "spool").string() + "\nTempDir " +
                (root / "spool/tmp").string() + "\nServerBin " +
                (root / "bin").string() + "\nAccessLog " +
                (root / "log/access_log").string() + "\nErrorLog " +
                (root / "log/error_log").string() + "\nPageLog " +
                (root / "log/page_log").string() + "\nPrintcap " +
                (root / "state/printcap").string() + "\nSystemGroup " +
                GroupName() + "\n");
  WriteFile(conf / "cupsd.conf", listen +
                                     "Browsing No\n"
                                     "WebInterface No\n"
                                     "LogLevel warn\n"
                                     "PreserveJobFiles No\n"
                                     "DefaultAuthType None\n"
                                     "<Policy default>\n"
                                     "  JobPrivateAccess all\n"
                                     "  JobPrivateValues none\n"
                                     "  SubscriptionPrivateAccess all\n"
                                     "  SubscriptionPrivateValues none\n"
                                     "  <Limit All>\n"
                                     "    Order deny,allow\n"
                                     "  </Limit>\n"
                                     "</Policy>\n");

  // This process's clients: the scheduler, the options files and no
  // default destination but the scheduler's.
  setenv("CUPS_SERVER", scheduler->socket_.c_str(), 1);
  setenv("CUPS_SERVERROOT", conf.c_str(), 1);
  setenv("HOME", (root / "home").c_str(), 1);
  unsetenv("LPDEST");
  unsetenv("PRINTER");
  cupsSetServer(nullptr);

  scheduler->pid_ = Spawn({cupsd, "-f", "-c", (conf / "cupsd.conf").string(),
                           "-s", (conf / "cups-files.conf").string()},
                          root / "log" / "cupsd.out", true);
  if (scheduler->pid_ < 0) {
    whyNot = "cannot start " + cupsd;
    return nullptr;
  }
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  while (!CanConnect(scheduler->socket_) ||
         (overTcp && !CanConnectTcp(scheduler->tcpPort_))) {
    if (Exited(scheduler->pid_) ||
        std::chrono::steady_clock::now() >= deadline) {
      whyNot = "the scheduler did not start: " +
               ReadFile(root / "log" / "cupsd.out") +
               ReadFile(root / "log" / "error_log");
      return nullptr;  // the destructor stops what is left
    }
    std::this_thread::sleep_for(10ms);
  }
  return scheduler;
}

PrivateScheduler::~PrivateScheduler() { Stop(); }

void PrivateScheduler::Freeze() {
  if (pid_ > 0) kill(pid_, SIGSTOP);
}

void PrivateScheduler::Resume() {
  if (pid_ > 0) kill(pid_, SIGCONT);
}

void PrivateScheduler::Stop() {
  if (pid_ > 0) {
    kill(pid_, SIGCONT);
    kill(pid_, SIGTERM);
    WaitFor(pid_, kStopTimeout);
    pid_ = -1;
  }
  if (!socketDir_.empty()) {
    std::error_code ignored;
    fs::remove_all(socketDir_, ignored);
    socketDir_.clear();
  }
}

bool PrivateScheduler::Client(const std::string& tool,
                              const std::vector<std::string>& args,
                              std::string* output) {
  const std::string program = FindProgram(tool, {"/usr/sbin", "/usr/bin"});
  if (program.empty()) {
    if (output) *output = tool + " is not installed";
    return false;
  }
  std::vector<std::string> argv{program};
  argv.insert(argv.end(), args.begin(), args.end());
  const fs::path log = dir_ / "log" / (tool + ".out");
  const pid_t pid = Spawn(argv, log, false);
  const bool ok = pid > 0 && WaitFor(pid, kCommandTimeout) == 0;
  if (output) *output = ReadFile(log);
  return ok;
}

bool PrivateScheduler::Lpadmin(const std::vector<std::string>& args,
                               std::string* output) {
  return Client("lpadmin", args, output);
}

void PrivateScheduler::WriteClientOptions(const std::string& text) {
  WriteFile(dir_ / "conf" / "lpoptions", text);
}

}  // namespace vxcl::test
