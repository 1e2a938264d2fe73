// The vxlabel tool run as a user runs it, for the tests of the tool and of
// the example scripts.
#ifndef VXCL_TESTS_VXLABEL_RUN_H
#define VXCL_TESTS_VXLABEL_RUN_H

#include <string>
#include <vector>

namespace vxcl::test {

struct VxlabelRun {
  int exitCode = -1;              // -1 when the tool did not exit by itself
  std::string output;             // stdout and stderr, interleaved as written
  std::vector<std::string> jobs;  // RunVxlabelScript: 1.prn, 2.prn, ...
};

// Runs the tool with these arguments, each passed as one word, in the
// source tree, where the examples find their pictures.
VxlabelRun RunVxlabel(const std::vector<std::string>& args);

// `vxlabel run script options... --out DIR` with a scratch DIR: the jobs
// its virtual printers received come back in `jobs`.
VxlabelRun RunVxlabelScript(const std::string& script,
                            const std::vector<std::string>& options = {});

}  // namespace vxcl::test

#endif
