// Peak memory of one large batch on a virtual printer: the process's peak
// resident size before the labels, with the batch full, and after it was
// sent (the virtual printer then holds its own copy). Prints one line per
// figure; the label count is the first argument (100000 by default).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "vxclcmd.h"

namespace {

// Peak and current resident size in KiB, from the kernel's own account.
long StatusKib(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + 7);
  return -1;
}

bool OneLabel(int n) {
  const std::string serial = std::to_string(10000000 + n);
  const std::string line = "SN " + serial + "  lot L" + std::to_string(n % 97);
  return PrnInit("Memory", 3, 4, 60.0, 30.0, 0.0) == 1 &&
         PrnInternalFont(0, 3.0, 9.0, "XM", 1, 1, 0, line.c_str()) == 1 &&
         PrnBarcode(0, 3.0, 14.0, 'G', 2, 2, 10.0, serial.c_str()) == 1 &&
         PrnQty(1) == 1 && PrnEnd() == 1;
}

}  // namespace

int main(int argc, char** argv) {
  const int labels = argc > 1 ? std::atoi(argv[1]) : 100000;
  if (VxclAddVirtualPrinter("Memory", 203, 104, 1000) != 1) return 1;
  // One label outside the batch first: fonts, tables and the allocator
  // warmed up, so the baseline is what any printing process holds.
  if (!OneLabel(0)) return 1;
  const long baseline = StatusKib("VmHWM:");

  VxclBeginBatch();
  for (int n = 0; n < labels; ++n)
    if (!OneLabel(n)) {
      std::fprintf(stderr, "label %d failed\n", n);
      return 1;
    }
  const long full = StatusKib("VmHWM:");
  if (VxclEndBatch() != 1) return 1;
  const long sent = StatusKib("VmHWM:");
  const int bytes = VxclVirtualJob("Memory", 1, nullptr, 0);

  std::printf("labels in the batch          %d\n", labels);
  std::printf("batch bytes                  %.1f MiB\n", bytes / 1048576.0);
  std::printf("peak RSS before the batch    %.1f MiB\n", baseline / 1024.0);
  std::printf("peak RSS with the batch full %.1f MiB (+%.1f MiB)\n",
              full / 1024.0, (full - baseline) / 1024.0);
  std::printf(
      "peak RSS after it was sent   %.1f MiB (+%.1f MiB; the virtual "
      "printer keeps a copy)\n",
      sent / 1024.0, (sent - baseline) / 1024.0);
  return 0;
}
