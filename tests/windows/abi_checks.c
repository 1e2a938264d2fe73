/* The export table and the calling convention of every export. On 32-bit
 * Windows each export is called through a probe that counts the argument
 * bytes the callee removes from the stack: a declaration whose size differs
 * from what the export removes corrupts a host's stack, and fails here. */
#include <stdio.h>
#include <string.h>

#include "host.h"

/* Argument bytes of the label functions as host programs declare them; an
 * export of this list that the build lacks is reported, not failed, while
 * its family is still being built. */
static const struct {
  const char *name;
  int bytes;
} kDocumentedBytes[] = {
    {"PrnInit", 36},
    {"PrnInitESeries", 36},
    {"PrnInitCX208", 60},
    {"PrnInitCT400", 60},
    {"PrnCXCalibrate", 36},
    {"PrnCTDefault", 88},
    {"PrnDrawBMP", 40},
    {"PrnDrawPCX", 40},
    {"PrnDrawLine", 32},
    {"PrnDrawBox", 40},
    {"PrnReverseImage", 32},
    {"PrnTrueTypeFont", 68},
    {"PrnInternalFont", 40},
    {"PrnVectorFont", 44},
    {"PrnAGFARasterFont", 44},
    {"PrnBarcode", 44},
    {"PrnVariableBarcode", 56},
    {"PrnUCC128", 40},
    {"PrnEAN128", 36},
    {"PrnPDF417", 48},
    {"PrnDataMatrix", 48},
    {"PrnQty", 4},
    {"PrnCutter", 12},
    {"PrnEnd", 0},
};
enum {
  kDocumentedCount = sizeof kDocumentedBytes / sizeof kDocumentedBytes[0]
};

static int TableIndex(const char *name) {
  for (int i = 0; i < kVxclExportCount; ++i)
    if (strcmp(kVxclExports[i].name, name) == 0) return i;
  return -1;
}

#if defined(__i386__)
/* int MeasuredCall(function, arguments, bytes, &removed): copies `bytes`
 * bytes of arguments onto the stack, calls, and stores how many bytes the
 * callee removed; the stack is restored from the frame whatever it did. */
int MeasuredCall(AnyFunction function, const void *arguments, int bytes,
                 int *removed);
__asm__(
    ".text\n"
    ".globl _MeasuredCall\n"
    "_MeasuredCall:\n"
    "  pushl %ebp\n"
    "  movl %esp, %ebp\n"
    "  pushl %esi\n"
    "  pushl %edi\n"
    "  pushl %ebx\n"
    "  movl 16(%ebp), %ecx\n"
    "  subl %ecx, %esp\n"
    "  movl %esp, %edi\n"
    "  movl 12(%ebp), %esi\n"
    "  cld\n"
    "  rep movsb\n"
    "  movl %esp, %ebx\n"
    "  call *8(%ebp)\n"
    "  movl %esp, %ecx\n"
    "  subl %ebx, %ecx\n"
    "  movl 20(%ebp), %edx\n"
    "  movl %ecx, (%edx)\n"
    "  leal -12(%ebp), %esp\n"
    "  popl %ebx\n"
    "  popl %edi\n"
    "  popl %esi\n"
    "  popl %ebp\n"
    "  ret\n");

static int __stdcall TwelveBytes(int a, double b) { return a + (int)b; }
static int __cdecl CallerCleans(int a, double b) { return a + (int)b; }

/* The probe itself tells a callee that removes its arguments from one that
 * leaves them, and passes the arguments through. */
static void ProbeMeasuresTheCallee(void) {
  struct {
    int a;
    double b;
  } __attribute__((packed)) arguments = {40, 2.0};
  int removed = -1;
  CHECK_INT(42,
            MeasuredCall((AnyFunction)TwelveBytes, &arguments, 12, &removed));
  CHECK_INT(12, removed);
  CHECK_INT(42,
            MeasuredCall((AnyFunction)CallerCleans, &arguments, 12, &removed));
  CHECK_INT(0, removed);
}

/* Every export of the header, called with zeroed arguments (null strings,
 * no job open), removes exactly the bytes its declaration gives. */
static void EveryExportRemovesItsArguments(void) {
  static const unsigned char zeros[256];
  API(PrnEnd)();
  for (int i = 0; i < kVxclExportCount; ++i) {
    AnyFunction function = FindExport(kVxclExports[i].name);
    if (!function) continue; /* reported by the export check */
    int removed = -1;
    const int result =
        MeasuredCall(function, zeros, kVxclExports[i].argumentBytes, &removed);
    CHECK(removed == kVxclExports[i].argumentBytes,
          "%s removes %d argument bytes, declared %d", kVxclExports[i].name,
          removed, kVxclExports[i].argumentBytes);
    if (strncmp(kVxclExports[i].name, "Prn", 3) == 0)
      CHECK(result == 0 || result == 3, "%s without a job returned %d",
            kVxclExports[i].name, result);
  }
}
#endif

/* The header declares each label function with the argument bytes hosts
 * rely on. */
static void DeclarationsHaveTheDocumentedSizes(void) {
  int missing = 0;
  for (int i = 0; i < kDocumentedCount; ++i) {
    const int index = TableIndex(kDocumentedBytes[i].name);
    if (index < 0) {
      printf("  (%s is not in this build yet)\n", kDocumentedBytes[i].name);
      ++missing;
      continue;
    }
    CHECK(kVxclExports[index].argumentBytes == kDocumentedBytes[i].bytes,
          "%s is declared with %d argument bytes, hosts pass %d",
          kDocumentedBytes[i].name, kVxclExports[index].argumentBytes,
          kDocumentedBytes[i].bytes);
  }
  CHECK(missing < kDocumentedCount, "no label function is declared");
}

/* Every declared function is found by its plain name, and no decorated
 * name is. */
static void ExportsGoByTheirPlainNames(void) {
  for (int i = 0; i < kVxclExportCount; ++i) {
    char decorated[128];
    CHECK(FindExport(kVxclExports[i].name) != NULL, "%s is not exported",
          kVxclExports[i].name);
    snprintf(decorated, sizeof decorated, "%s@%d", kVxclExports[i].name,
             kVxclExports[i].argumentBytes);
    CHECK(FindExport(decorated) == NULL, "%s is exported", decorated);
    snprintf(decorated, sizeof decorated, "_%s@%d", kVxclExports[i].name,
             kVxclExports[i].argumentBytes);
    CHECK(FindExport(decorated) == NULL, "%s is exported", decorated);
  }
}

/* Every export called through its declared type with zero arguments. */
static void EveryExportAnswersThroughItsType(void) {
  API(PrnEnd)();
  for (int i = 0; i < kVxclExportCount; ++i) {
    AnyFunction function = FindExport(kVxclExports[i].name);
    if (!function) continue;
    const int result = VxclCallWithZeros(i, function);
    if (strncmp(kVxclExports[i].name, "Prn", 3) == 0)
      CHECK(result == 0 || result == 3, "%s without a job returned %d",
            kVxclExports[i].name, result);
  }
}

const struct CheckCase kAbiChecks[] = {
    {"DeclarationsHaveTheDocumentedSizes", DeclarationsHaveTheDocumentedSizes},
    {"ExportsGoByTheirPlainNames", ExportsGoByTheirPlainNames},
#if defined(__i386__)
    {"ProbeMeasuresTheCallee", ProbeMeasuresTheCallee},
    {"EveryExportRemovesItsArguments", EveryExportRemovesItsArguments},
#endif
    {"EveryExportAnswersThroughItsType", EveryExportAnswersThroughItsType},
    {NULL, NULL},
};
