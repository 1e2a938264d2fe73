/* What only Windows has: the thread's message queue serviced while a job is
 * submitted, messages in code page 950, the version resource, unloading. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "host.h"

#define VP "VP"

static int gAppMessages;

static LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM w,
                                     LPARAM l) {
  if (message == WM_APP) ++gAppMessages;
  return DefWindowProcA(window, message, w, l);
}

static HWND MessageWindow(void) {
  WNDCLASSA windowClass = {0};
  windowClass.lpfnWndProc = CountingProc;
  windowClass.hInstance = GetModuleHandleA(NULL);
  windowClass.lpszClassName = "VxclHostWindow";
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, "VxclHostWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                         NULL, windowClass.hInstance, NULL);
}

static void OpenJobOnAFreshPrinter(void) {
  API(PrnEnd)();
  API(VxclRemoveVirtualPrinter)(VP);
  CHECK_INT(1, API(VxclAddVirtualPrinter)(VP, 203, 104, 1000));
  CHECK_INT(1, API(PrnInit)(VP, 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnQty)(1));
}

/* Messages waiting when the job is submitted reach their window; a quit
 * message is removed and not passed on. */
static void SubmissionServicesTheMessageQueue(void) {
  HWND window = MessageWindow();
  CHECK(window != NULL, "no message window (error %lu)", GetLastError());
  OpenJobOnAFreshPrinter();
  gAppMessages = 0;
  PostMessageA(window, WM_APP, 0, 0);
  PostQuitMessage(0);
  PostMessageA(window, WM_APP, 0, 0);
  CHECK_INT(1, API(PrnEnd)());
  CHECK_INT(2, gAppMessages);
  MSG message;
  CHECK(!PeekMessageA(&message, NULL, 0, 0, PM_REMOVE),
        "message 0x%x was left in the queue", message.message);
  DestroyWindow(window);
}

/* VxclLastError gives the spooler's message in code page 950, with the
 * printer's name inside the quotation marks. */
static void LastErrorIsInCodePage950(void) {
  static const char kExpected[] =
      "<xA9><xD2><xBF><xEF><xBE><xDC><xAA><xBA> \"VP\" <xA6><x4C><xAA><xED>"
      "<xBE><xF7><xB5><x4C><xAA><x6B><xA8><xCF><xA5><xCE>.";
  char message[256];
  OpenJobOnAFreshPrinter();
  CHECK_INT(1, API(VxclRemoveVirtualPrinter)(VP));
  CHECK_INT(145, API(PrnEnd)());
  const int length = API(VxclLastError)(message, sizeof message);
  CHECK_INT(29, length);
  if (length > 0 && length < (int)sizeof message)
    CHECK_BYTES("VxclLastError", (const unsigned char *)message, (size_t)length,
                kExpected);
  CHECK_INT(29, API(VxclLastError)(NULL, 0));
}

/* A printer name in code page 950 keeps its characters in the message. */
static void LastErrorKeepsADoubleBytePrinterName(void) {
  if (GetACP() != 950) {
    printf("  (code page %u: left out)\n", GetACP());
    return;
  }
  const char *name = AnsiSample();
  unsigned char expected[128];
  size_t length = Bytes("<xA9><xD2><xBF><xEF><xBE><xDC><xAA><xBA> \"", expected,
                        sizeof expected);
  memcpy(expected + length, name, strlen(name));
  length += strlen(name);
  length += Bytes(
      "\" <xA6><x4C><xAA><xED><xBE><xF7><xB5><x4C><xAA><x6B><xA8>"
      "<xCF><xA5><xCE>.",
      expected + length, sizeof expected - length);
  API(PrnEnd)();
  CHECK_INT(1, API(VxclAddVirtualPrinter)(name, 203, 104, 1000));
  CHECK_INT(1, API(PrnInit)(name, 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnQty)(1));
  CHECK_INT(1, API(VxclRemoveVirtualPrinter)(name));
  CHECK_INT(145, API(PrnEnd)());
  char message[256];
  const int actual = API(VxclLastError)(message, sizeof message);
  CHECK_RAW_BYTES("VxclLastError", (const unsigned char *)message,
                  actual > 0 ? (size_t)actual : 0, expected, length);
}

static void TheDllCarriesItsVersion(void) {
  char path[MAX_PATH];
  DWORD ignored = 0;
  GetModuleFileNameA(gLibrary, path, sizeof path);
  const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  CHECK(size > 0, "no version resource in %s", path);
  if (size == 0) return;
  void *info = malloc(size);
  char *text = NULL;
  VS_FIXEDFILEINFO *fixed = NULL;
  UINT length = 0;
  if (GetFileVersionInfoA(path, 0, size, info)) {
    if (VerQueryValueA(info, "\\StringFileInfo\\040904B0\\FileVersion",
                       (void **)&text, &length))
      CHECK(strcmp(text, VXCL_EXPECTED_VERSION) == 0,
            "FileVersion \"%s\", expected \"%s\"", text, VXCL_EXPECTED_VERSION);
    else
      Fail(__FILE__, __LINE__, "no FileVersion string");
    if (VerQueryValueA(info, "\\", (void **)&fixed, &length)) {
      char numeric[64];
      snprintf(numeric, sizeof numeric, "%lu.%lu.%lu",
               (unsigned long)HIWORD(fixed->dwFileVersionMS),
               (unsigned long)LOWORD(fixed->dwFileVersionMS),
               (unsigned long)HIWORD(fixed->dwFileVersionLS));
      CHECK(strcmp(numeric, VXCL_EXPECTED_VERSION) == 0,
            "file version %s, expected %s", numeric, VXCL_EXPECTED_VERSION);
    }
  } else {
    Fail(__FILE__, __LINE__, "GetFileVersionInfoA failed");
  }
  free(info);
}

/* An open job is dropped when the DLL is unloaded; loaded again, the DLL
 * starts with no job and no virtual printers. */
static void UnloadingDropsTheOpenJob(void) {
  OpenJobOnAFreshPrinter();
  CHECK(FreeLibrary(gLibrary), "FreeLibrary failed");
  CHECK(GetModuleHandleA("VXCLCMD.dll") == NULL, "the DLL stayed loaded");
  gLibrary = LoadLibraryA("VXCLCMD.dll");
  if (!gLibrary) {
    printf("FATAL: the DLL cannot be loaded again\n");
    exit(2);
  }
  CHECK_INT(0, API(PrnQty)(1));
  CHECK_INT(0, API(PrnEnd)());
  CHECK_INT(-1, API(VxclVirtualJobCount)(VP));
}

/* The DLL has no preview: the drawing calls say so, and there are no
 * findings to read. */
static void ThePreviewIsAbsent(void) {
  int fields[VXCL_FINDING_FIELDS] = {7};
  char message[8] = "x";
  OpenJobOnAFreshPrinter();
  CHECK_INT(1, API(PrnQty)(1));
  CHECK_INT(1, API(PrnEnd)());
  CHECK_INT(VXCL_PREVIEW_UNAVAILABLE,
            API(VxclVirtualJobPreview)(VP, 0, "label.png"));
  CHECK_INT(0, API(VxclPreviewFindingCount)());
  CHECK_INT(-1, API(VxclPreviewFinding)(0, fields, VXCL_FINDING_FIELDS, message,
                                         sizeof message));
  CHECK_INT(7, fields[0]);
}

const struct CheckCase kWindowsChecks[] = {
    {"ThePreviewIsAbsent", ThePreviewIsAbsent},
    {"SubmissionServicesTheMessageQueue", SubmissionServicesTheMessageQueue},
    {"LastErrorIsInCodePage950", LastErrorIsInCodePage950},
    {"LastErrorKeepsADoubleBytePrinterName",
     LastErrorKeepsADoubleBytePrinterName},
    {"TheDllCarriesItsVersion", TheDllCarriesItsVersion},
    {"UnloadingDropsTheOpenJob", UnloadingDropsTheOpenJob},
    {NULL, NULL},
};
