/* A host program: prints one label on a virtual printer and checks the
 * bytes the printer received. */
#include <stdio.h>
#include <string.h>
#include <vxclcmd.h>

int main(void) {
  static const unsigned char expected[] =
      "\x02\x1b"
      "A\x1b"
      "AR\x1b"
      "CS4\x1b#E3\x1bZ\x03\x02\x1b"
      "A"
      "\x1b%0\x1bH112\x1bV160\x1b"
      "FW02H0400\x1bQ1\x1bZ\x03";
  unsigned char job[256];
  int length;

  if (!VxclAddVirtualPrinter("Consumer", 203, 104, 1000)) return 1;
  if (PrnInit("Consumer", 3, 4, 100.0, 50.0, 0.0) != 1) return 2;
  if (PrnDrawLine(10.0, 20.0, 0, 2, 50.0) != 1) return 3;
  if (PrnQty(1) != 1) return 4;
  if (PrnEnd() != 1) return 5;
  length = VxclVirtualJob("Consumer", 0, job, (int)sizeof job);
  if (length != (int)sizeof expected - 1) return 6;
  if (memcmp(job, expected, (size_t)length) != 0) return 7;
  puts("label sent");
  return 0;
}
