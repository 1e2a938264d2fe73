/* A host that loads the library, draws TrueType text and unloads it, over
 * and over: the process must not grow with the cycles. The program links
 * neither the library nor the font libraries, so the library's own loads
 * are all there is.
 * Usage: vxcl_truetype_unload_check path/to/libvxclcmd.so */
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef int AddPrinter(const char *, int, int, int);
typedef int Init(const char *, int, int, double, double, double);
typedef int TrueType(int, double, double, const char *, int, int, int, int,
                     int, int, int, int, double, const char *);

enum { kWarmUp = 10, kCycles = 50 };
/* A leaking cycle lost about 550 KB; allocator noise stays far below this. */
static const long kAllowedGrowthKb = 8 * 1024;

static long ResidentKb(void) {
  char line[256];
  long kb = -1;
  FILE *status = fopen("/proc/self/status", "r");
  while (status && fgets(line, sizeof line, status))
    if (strncmp(line, "VmRSS:", 6) == 0) kb = strtol(line + 6, NULL, 10);
  if (status) fclose(status);
  return kb;
}

static int Cycle(const char *path) {
  void *library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  AddPrinter *add;
  Init *init;
  TrueType *text;
  int result;
  if (!library) {
    fprintf(stderr, "%s\n", dlerror());
    return 0;
  }
  add = (AddPrinter *)dlsym(library, "VxclAddVirtualPrinter");
  init = (Init *)dlsym(library, "PrnInit");
  text = (TrueType *)dlsym(library, "PrnTrueTypeFont");
  result = add && init && text && add("Unload", 203, 104, 1000) == 1 &&
           init("Unload", 3, 4, 100.0, 50.0, 0.0) == 1 &&
           text(0, 1.0, 1.0, "DejaVu Sans", 24, 0, 0, 7, 0, 0, 0, 0, 0.0,
                "Cycles") == 1;
  if (!result) fprintf(stderr, "TrueType text was not drawn\n");
  dlclose(library);
  return result;
}

int main(int argc, char **argv) {
  long before, after;
  int i;
  if (argc != 2) return 2;
  for (i = 0; i < kWarmUp; ++i)
    if (!Cycle(argv[1])) return 1;
  before = ResidentKb();
  for (i = 0; i < kCycles; ++i)
    if (!Cycle(argv[1])) return 1;
  after = ResidentKb();
  printf("%d cycles: %ld KB to %ld KB\n", kCycles, before, after);
  if (before < 0 || after - before > kAllowedGrowthKb) {
    fprintf(stderr, "the process grew by %ld KB over %d cycles\n",
            after - before, kCycles);
    return 1;
  }
  return 0;
}
