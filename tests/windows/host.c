/* Runs every check group against VXCLCMD.dll and reports each failure; the
 * exit status is 0 only when all passed.
 *
 *   vxcl_dll_host [--wine-printer PPD OUTPUT]
 *
 * With --wine-printer the spooler checks install a printer of Wine's
 * PostScript driver and send real documents through winspool. */
#include "host.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

HMODULE gLibrary;
const char *gPpdPath;
const char *gPortOutputPath;

static int gFailures;
static int gCaseFailed;

void Fail(const char *file, int line, const char *format, ...) {
  va_list args;
  va_start(args, format);
  fprintf(stdout, "  %s:%d: ", file, line);
  vfprintf(stdout, format, args);
  fputc('\n', stdout);
  va_end(args);
  ++gFailures;
  gCaseFailed = 1;
}

AnyFunction FindExport(const char *name) {
  return (AnyFunction)GetProcAddress(gLibrary, name);
}

AnyFunction RequireExport(const char *name) {
  AnyFunction function = FindExport(name);
  if (!function) {
    printf("FATAL: %s is not exported\n", name);
    exit(2);
  }
  return function;
}

const char *AnsiSample(void) {
  switch (GetACP()) {
    case 1252:
      return "Gr\xF6\xDF"
             "e \xE9t\xE9";
    case 950:
      return "\xBC\xD0\xC5\xD2 A1"; /* the two characters of "label" */
    default:
      return NULL;
  }
}

static int TagByte(const char *tag, size_t length) {
  static const struct {
    const char *name;
    int value;
  } kTags[] = {{"NUL", 0x00}, {"STX", 0x02}, {"ETX", 0x03}, {"ESC", 0x1b}};
  for (size_t i = 0; i < sizeof kTags / sizeof kTags[0]; ++i)
    if (length == 3 && memcmp(tag, kTags[i].name, 3) == 0)
      return kTags[i].value;
  if (length == 3 && tag[0] == 'x') {
    char hex[3] = {tag[1], tag[2], 0};
    return (int)strtol(hex, NULL, 16);
  }
  return -1;
}

size_t Bytes(const char *notation, unsigned char *out, size_t capacity) {
  size_t count = 0;
  for (const char *p = notation; *p && count < capacity; ++p) {
    const char *close = *p == '<' ? strchr(p, '>') : NULL;
    const int tagged = close ? TagByte(p + 1, (size_t)(close - p - 1)) : -1;
    if (tagged >= 0) {
      out[count++] = (unsigned char)tagged;
      p = close;
    } else {
      out[count++] = (unsigned char)*p;
    }
  }
  return count;
}

static void Show(const unsigned char *bytes, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    const unsigned char c = bytes[i];
    if (c == 0x00)
      fputs("<NUL>", stdout);
    else if (c == 0x02)
      fputs("<STX>", stdout);
    else if (c == 0x03)
      fputs("<ETX>", stdout);
    else if (c == 0x1b)
      fputs("<ESC>", stdout);
    else if (c < 0x20 || c >= 0x7f)
      printf("<x%02X>", c);
    else
      fputc(c, stdout);
  }
  fputc('\n', stdout);
}

void CheckRawBytesAt(const char *file, int line, const char *what,
                     const unsigned char *bytes, size_t length,
                     const unsigned char *expected, size_t expectedLength) {
  if (length == expectedLength && memcmp(bytes, expected, length) == 0) return;
  Fail(file, line, "%s differs", what);
  fputs("    expected: ", stdout);
  Show(expected, expectedLength);
  fputs("    actual:   ", stdout);
  Show(bytes, length);
}

void CheckBytesAt(const char *file, int line, const char *what,
                  const unsigned char *bytes, size_t length,
                  const char *notation) {
  static unsigned char expected[8192];
  const size_t expectedLength = Bytes(notation, expected, sizeof expected);
  CheckRawBytesAt(file, line, what, bytes, length, expected, expectedLength);
}

void CheckLastRawJobAt(const char *file, int line, const char *printer,
                       const char *document, const unsigned char *expected,
                       size_t expectedLength) {
  static unsigned char job[65536];
  char name[256];
  const int count = API(VxclVirtualJobCount)(printer);
  if (count <= 0) {
    Fail(file, line, "no job reached %s", printer);
    return;
  }
  const int length = API(VxclVirtualJob)(printer, count - 1, job, sizeof job);
  if (length < 0 || length > (int)sizeof job) {
    Fail(file, line, "job of %s cannot be read (%d)", printer, length);
    return;
  }
  CheckRawBytesAt(file, line, "job", job, (size_t)length, expected,
                  expectedLength);
  API(VxclVirtualJobName)(printer, count - 1, name, sizeof name);
  if (strcmp(name, document) != 0)
    Fail(file, line, "document name \"%s\", expected \"%s\"", name, document);
}

void CheckLastJobAt(const char *file, int line, const char *printer,
                    const char *document, const char *notation) {
  static unsigned char expected[8192];
  const size_t length = Bytes(notation, expected, sizeof expected);
  CheckLastRawJobAt(file, line, printer, document, expected, length);
}

static void RunGroup(const char *title, const struct CheckCase *cases) {
  for (const struct CheckCase *c = cases; c->name; ++c) {
    gCaseFailed = 0;
    c->run();
    printf("%s %s.%s\n", gCaseFailed ? "FAILED" : "ok    ", title, c->name);
    fflush(stdout);
  }
}

int main(int argc, char **argv) {
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--wine-printer") == 0 && i + 2 < argc) {
      gPpdPath = argv[++i];
      gPortOutputPath = argv[++i];
    } else {
      printf("usage: %s [--wine-printer PPD OUTPUT]\n", argv[0]);
      return 2;
    }
  }
  gLibrary = LoadLibraryA("VXCLCMD.dll");
  if (!gLibrary) {
    printf("FATAL: LoadLibraryA(\"VXCLCMD.dll\") failed, error %lu\n",
           GetLastError());
    return 2;
  }
  printf(
      "VXCLCMD.dll, %d-bit, %d exports declared in vxclcmd.h, code page %u\n",
      (int)sizeof(void *) * 8, kVxclExportCount, GetACP());
  RunGroup("abi", kAbiChecks);
  RunGroup("jobs", kJobChecks);
  RunGroup("truetype", kTrueTypeChecks);
  RunGroup("pictures", kPictureChecks);
  RunGroup("windows", kWindowsChecks);
  if (gPpdPath) RunGroup("winspool", kWinspoolChecks);
  if (!FreeLibrary(gLibrary)) Fail(__FILE__, __LINE__, "FreeLibrary failed");
  printf("%s: %d failed check(s)\n", gFailures ? "FAILED" : "PASSED",
         gFailures);
  return gFailures ? 1 : 0;
}
