/* The Windows test host: loads VXCLCMD.dll by name as host programs do,
 * takes every function with GetProcAddress by its plain name and calls it
 * through the type its declaration in vxclcmd.h gives. */
#ifndef VXCL_TESTS_WINDOWS_HOST_H
#define VXCL_TESTS_WINDOWS_HOST_H

#include <stddef.h>
#include <windows.h>

#include "vxcl_export_table.h"

extern HMODULE gLibrary;

/* Any exported function, before it is given its declared type. */
typedef void (*AnyFunction)(void);

/* The export of that name, or null. */
AnyFunction FindExport(const char *name);
/* The export of that name; a missing one fails the check run. */
AnyFunction RequireExport(const char *name);
/* A typed function pointer to the export `name` of vxclcmd.h. */
#define API(name) ((vxcl_fn_##name)RequireExport(#name))

/* Records a failed check with its place and message. */
void Fail(const char *file, int line, const char *format, ...);
#define CHECK(condition, ...)                                \
  do {                                                       \
    if (!(condition)) Fail(__FILE__, __LINE__, __VA_ARGS__); \
  } while (0)
#define CHECK_INT(expected, actual)                                        \
  do {                                                                     \
    long long e_ = (expected), a_ = (actual);                              \
    if (e_ != a_)                                                          \
      Fail(__FILE__, __LINE__, "%s: expected %lld, got %lld", #actual, e_, \
           a_);                                                            \
  } while (0)

/* Bytes from the readable notation of the tests: "<STX><ESC>A<ESC>Q1";
 * tags <NUL> <STX> <ETX> <ESC> and <xHH>. Returns the count written. */
size_t Bytes(const char *notation, unsigned char *out, size_t capacity);
/* Compares bytes; a difference fails with both shown. */
void CheckRawBytesAt(const char *file, int line, const char *what,
                     const unsigned char *bytes, size_t length,
                     const unsigned char *expected, size_t expectedLength);
#define CHECK_RAW_BYTES(what, bytes, length, expected, expectedLength) \
  CheckRawBytesAt(__FILE__, __LINE__, what, bytes, length, expected,   \
                  expectedLength)
/* Compares bytes with the notation; a difference fails with both shown. */
void CheckBytesAt(const char *file, int line, const char *what,
                  const unsigned char *bytes, size_t length,
                  const char *notation);
#define CHECK_BYTES(what, bytes, length, notation) \
  CheckBytesAt(__FILE__, __LINE__, what, bytes, length, notation)

/* The newest job of a virtual printer must be these bytes under the
 * document name `document`. */
void CheckLastJobAt(const char *file, int line, const char *printer,
                    const char *document, const char *notation);
#define CHECK_LAST_JOB(printer, document, notation) \
  CheckLastJobAt(__FILE__, __LINE__, printer, document, notation)
/* The same with the expected job as bytes. */
void CheckLastRawJobAt(const char *file, int line, const char *printer,
                       const char *document, const unsigned char *expected,
                       size_t expectedLength);
#define CHECK_LAST_RAW_JOB(printer, document, expected, length) \
  CheckLastRawJobAt(__FILE__, __LINE__, printer, document, expected, length)

/* A short text with characters beyond ASCII in the system's ANSI code page
 * (Windows-1252 or 950), or null for another code page. */
const char *AnsiSample(void);

/* A group of checks. */
struct CheckCase {
  const char *name;
  void (*run)(void);
};

/* The groups of each file, ending with a null name. */
extern const struct CheckCase kAbiChecks[];
extern const struct CheckCase kJobChecks[];
extern const struct CheckCase kWindowsChecks[];
extern const struct CheckCase kTrueTypeChecks[];
extern const struct CheckCase kPictureChecks[];
extern const struct CheckCase kWinspoolChecks[];

/* For the spooler checks under Wine: the PPD of the printer they install
 * and the Unix file its port writes to. */
extern const char *gPpdPath;
extern const char *gPortOutputPath;

#endif
