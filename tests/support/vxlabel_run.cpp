#include "support/vxlabel_run.h"

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "support/scratch_dir.h"

namespace vxcl::test {

namespace {

// One word for the shell, whatever it holds.
std::string Quoted(std::string_view word) {
  std::string quoted = "'";
  for (char c : word)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

VxlabelRun RunVxlabel(const std::vector<std::string>& args) {
  std::string command =
      "cd " + Quoted(VXCL_SOURCE_DIR) + " && " + Quoted(VXLABEL_PATH);
  for (const std::string& arg : args) command += " " + Quoted(arg);
  VxlabelRun run;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
    run.output.append(buffer, got);
  const int status = ::pclose(pipe);
  if (status != -1 && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  return run;
}

VxlabelRun RunVxlabelScript(const std::string& script,
                            const std::vector<std::string>& options) {
  const ScratchDir out;
  std::vector<std::string> args = {"run", script};
  args.insert(args.end(), options.begin(), options.end());
  args.insert(args.end(), {"--out", out.Path().string()});
  VxlabelRun run = RunVxlabel(args);
  for (int n = 1;
       std::filesystem::exists(out.Path() / (std::to_string(n) + ".prn")); ++n)
    run.jobs.push_back(out.Read(std::to_string(n) + ".prn"));
  return run;
}

}  // namespace vxcl::test
