/* A C host linked against the import library, as C and C++ programs
 * usually use the DLL: one label on a virtual printer. With a wrong import
 * library this program does not start or does not link. */
#include <stdio.h>
#include <string.h>

#include "vxclcmd.h"

int main(void) {
  static const unsigned char kExpected[] =
      "\x02\x1b"
      "A\x1b"
      "AR\x1b"
      "CS4\x1b#E3\x1bZ\x03\x02\x1b"
      "A"
      "\x1b%0\x1bH112\x1bV160\x1b"
      "FW02H0400\x1bQ1\x1bZ\x03";
  unsigned char job[256];
  int failures = 0;
  failures += VxclAddVirtualPrinter("VP", 203, 104, 1000) != 1;
  failures += PrnInit("VP", 3, 4, 100.0, 50.0, 0.0) != 1;
  failures += PrnDrawLine(10.0, 20.0, 0, 2, 50.0) != 1;
  failures += PrnQty(1) != 1;
  failures += PrnEnd() != 1;
  const int length = VxclVirtualJob("VP", 0, job, sizeof job);
  failures += length != (int)sizeof kExpected - 1 ||
              memcmp(job, kExpected, sizeof kExpected - 1) != 0;
  printf("%s: a label through the import library\n",
         failures ? "FAILED" : "PASSED");
  return failures ? 1 : 0;
}
