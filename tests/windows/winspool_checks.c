/* The Windows spooler, as far as Wine shows it: a printer of Wine's
 * PostScript driver with the PPD of a 203 dpi label printer, whose port
 * writes every document it receives to a file. The library finds the
 * printer by enumeration, reads its resolution and printable area from the
 * driver's device contexts, and sends a RAW document through winspool. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>
#include <winspool.h>

#include "host.h"

#define DRIVER "VXCL Wine Label Driver"

static const char *PrinterName(void) {
  return sizeof(void *) == 4 ? "VXCL Wine Label 32" : "VXCL Wine Label 64";
}

static const char *PortName(void) {
  return sizeof(void *) == 4 ? "LPT2:" : "LPT3:";
}

/* A Unix path as Windows programs under Wine see it. */
static void WindowsPath(const char *unixPath, char *out, size_t capacity) {
  snprintf(out, capacity, "Z:%s", unixPath);
  for (char *p = out; *p; ++p)
    if (*p == '/') *p = '\\';
}

static void DeletePrinterIfPresent(const char *name) {
  PRINTER_DEFAULTSA defaults = {NULL, NULL, PRINTER_ALL_ACCESS};
  HANDLE printer = NULL;
  if (!OpenPrinterA((char *)name, &printer, &defaults)) return;
  DeletePrinter(printer);
  ClosePrinter(printer);
}

static void InstallTheWinePrinter(void) {
  char ppd[MAX_PATH];
  WindowsPath(gPpdPath, ppd, sizeof ppd);
  DRIVER_INFO_3A driver = {0};
  driver.cVersion = 3;
  driver.pName = DRIVER;
  driver.pDriverPath = "wineps.drv";
  driver.pConfigFile = "wineps.drv";
  driver.pDataFile = ppd;
  driver.pDefaultDataType = "RAW";
  CHECK(AddPrinterDriverExA(NULL, 3, (BYTE *)&driver,
                            APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY),
        "AddPrinterDriverExA failed (error %lu)", GetLastError());

  /* Wine sends what reaches a port to the Unix file mapped to it. */
  HKEY spooler;
  CHECK(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Printing\\Spooler",
                        0, NULL, 0, KEY_SET_VALUE, NULL, &spooler,
                        NULL) == ERROR_SUCCESS,
        "no spooler key");
  RegSetValueExA(spooler, PortName(), 0, REG_SZ, (const BYTE *)gPortOutputPath,
                 (DWORD)strlen(gPortOutputPath) + 1);
  RegCloseKey(spooler);

  DeletePrinterIfPresent(PrinterName());
  PRINTER_INFO_2A info = {0};
  info.pPrinterName = (char *)PrinterName();
  info.pPortName = (char *)PortName();
  info.pDriverName = DRIVER;
  info.pPrintProcessor = "WinPrint";
  info.pDatatype = "RAW";
  HANDLE printer = AddPrinterA(NULL, 2, (BYTE *)&info);
  CHECK(printer != NULL, "AddPrinterA failed (error %lu)", GetLastError());
  if (printer) ClosePrinter(printer);
}

/* The driver's answer for a paper of the given size, probed as the
 * library's lookup does: 0 keeps the driver's value. */
static int ProbeMm(int index, short paperWidth, short paperLength) {
  HANDLE printer = NULL;
  int value = -1;
  if (!OpenPrinterA((char *)PrinterName(), &printer, NULL)) return -1;
  const LONG size =
      DocumentPropertiesA(NULL, printer, (char *)PrinterName(), NULL, NULL, 0);
  DEVMODEA *mode = size > 0 ? calloc(1, (size_t)size) : NULL;
  if (mode && DocumentPropertiesA(NULL, printer, (char *)PrinterName(), mode,
                                  NULL, DM_OUT_BUFFER) >= 0) {
    if (paperWidth) mode->dmPaperWidth = paperWidth;
    if (paperLength) mode->dmPaperLength = paperLength;
    HDC context = CreateDCA(NULL, PrinterName(), NULL, mode);
    if (context) {
      value = GetDeviceCaps(context, index);
      DeleteDC(context);
    }
  }
  free(mode);
  ClosePrinter(printer);
  return value;
}

static int gWidthMm, gHeightMm;

static void TheLookupReadsTheDriver(void) {
  HDC info = CreateICA(NULL, PrinterName(), NULL, NULL);
  CHECK(info != NULL, "no information context for %s", PrinterName());
  if (!info) return;
  const int dpi = GetDeviceCaps(info, LOGPIXELSX);
  const int defaultWidthMm = GetDeviceCaps(info, HORZSIZE);
  DeleteDC(info);
  CHECK_INT(203, dpi);
  gWidthMm = ProbeMm(HORZSIZE, 10000, 0);
  gHeightMm = ProbeMm(VERTSIZE, (short)(defaultWidthMm * 10), 10000);
  printf("  driver: %d dpi, printable %d x %d mm\n", dpi, gWidthMm, gHeightMm);
  CHECK(gWidthMm >= 100 && gHeightMm > 50, "printable area too small");

  /* 8 dots per mm; the label's free width moves elements right. */
  CHECK_INT(1, API(PrnInit)(PrinterName(), 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(5, API(PrnEnd)());
  CHECK_INT(1, API(PrnInit)(PrinterName(), 3, 4, gWidthMm, gHeightMm, 0.0));
  CHECK_INT(11, API(PrnInit)(PrinterName(), 3, 4, gWidthMm + 0.1, 50.0, 0.0));
  CHECK_INT(12, API(PrnInit)(PrinterName(), 3, 4, 100.0, gHeightMm + 0.1, 0.0));
  CHECK_INT(5, API(PrnEnd)());
}

static void TheLookupMatchesNamesAsInstalled(void) {
  char padded[128], lower[128];
  snprintf(padded, sizeof padded, "  %s \t", PrinterName());
  CHECK_INT(1, API(PrnInit)(padded, 3, 4, 100.0, 50.0, 0.0));
  snprintf(lower, sizeof lower, "%s", PrinterName());
  CharLowerA(lower);
  CHECK_INT(3, API(PrnInit)(lower, 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(3, API(PrnInit)("No Such Printer", 3, 4, 100.0, 50.0, 0.0));
}

static int gTimerTicks;

static void CALLBACK CountTick(HWND window, UINT message, UINT_PTR id,
                               DWORD time) {
  (void)window, (void)message, (void)id, (void)time;
  ++gTimerTicks;
}

static size_t ReadPortOutput(unsigned char *bytes, size_t capacity) {
  char path[MAX_PATH];
  WindowsPath(gPortOutputPath, path, sizeof path);
  FILE *file = fopen(path, "rb");
  if (!file) return 0;
  const size_t length = fread(bytes, 1, capacity, file);
  fclose(file);
  return length;
}

/* The queue-wait limit is set, a negative one refused; the document below
 * then goes out under a limit of one second. */
static void TheSpoolerTimeoutIsSet(void) {
  CHECK_INT(1, API(VxclSetSpoolerTimeout)(1));
  CHECK_INT(0, API(VxclSetSpoolerTimeout)(-1));
  char message[256];
  API(VxclLastError)(message, sizeof message);
  CHECK(strstr(message, "the limit stays 1 s") != NULL, "VxclLastError: %s",
        message);
}

/* The whole job, NUL byte included, reaches the printer's port as one RAW
 * document; the second after it is spent servicing the host's timer. */
static void ARawDocumentReachesThePort(void) {
  char path[MAX_PATH];
  WindowsPath(gPortOutputPath, path, sizeof path);
  DeleteFileA(path);
  CHECK_INT(1, API(PrnInit)(PrinterName(), 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnDrawLine)(10.0, 20.0, 0, 2, 50.0));
  CHECK_INT(1, API(PrnCutter)(3, 0, 0));
  CHECK_INT(1, API(PrnQty)(2));

  gTimerTicks = 0;
  const UINT_PTR timer = SetTimer(NULL, 0, 50, CountTick);
  const DWORD start = GetTickCount();
  CHECK_INT(1, API(PrnEnd)());
  const DWORD elapsed = GetTickCount() - start;
  KillTimer(NULL, timer);
  CHECK(elapsed >= 1000 && elapsed < 5000, "PrnEnd took %lu ms", elapsed);
  CHECK(gTimerTicks >= 5, "the host's timer ticked %d times", gTimerTicks);

  char expected[512];
  snprintf(expected, sizeof expected,
           "<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"
           "<ESC>%%0<ESC>H%d<ESC>V160<ESC>FW02H0400<ESC><NUL>3<ESC>Q2"
           "<ESC>Z<ETX>",
           80 + gWidthMm * 8 - 800);
  static unsigned char written[4096];
  const size_t length = ReadPortOutput(written, sizeof written);
  CHECK_BYTES("port output", written, length, expected);
}

/* A printer deleted while its job is open: 145, and the message names it. */
static void APrinterRemovedBeforeTheJobEnds(void) {
  CHECK_INT(1, API(PrnInit)(PrinterName(), 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnQty)(1));
  DeletePrinterIfPresent(PrinterName());
  CHECK_INT(145, API(PrnEnd)());
  char message[256];
  const int length = API(VxclLastError)(message, sizeof message);
  const char *quoted = strchr(message, '"');
  CHECK(length > 0 && quoted &&
            strncmp(quoted + 1, PrinterName(), strlen(PrinterName())) == 0 &&
            quoted[1 + strlen(PrinterName())] == '"',
        "VxclLastError: %s", message);
}

const struct CheckCase kWinspoolChecks[] = {
    {"InstallTheWinePrinter", InstallTheWinePrinter},
    {"TheLookupReadsTheDriver", TheLookupReadsTheDriver},
    {"TheLookupMatchesNamesAsInstalled", TheLookupMatchesNamesAsInstalled},
    {"TheSpoolerTimeoutIsSet", TheSpoolerTimeoutIsSet},
    {"ARawDocumentReachesThePort", ARawDocumentReachesThePort},
    {"APrinterRemovedBeforeTheJobEnds", APrinterRemovedBeforeTheJobEnds},
    {NULL, NULL},
};
