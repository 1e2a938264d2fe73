/*
 * vxclcmd: print labels on SATO CL/CLe, e-series, CX208 and CT400 printers.
 *
 * The host opens a job for a named printer, adds label elements, sets the
 * quantity and cutting, and ends the job. Every call is turned into the
 * printer's ESC-prefixed command language; PrnEnd hands the whole command
 * stream to the print spooler as one RAW job.
 *
 * Conventions shared by every function:
 *   - Positions and sizes are millimetres (double). They become printer dots
 *     as the integer part, truncated toward zero, of dots-per-mm * mm + 0.5.
 *   - Every Prn... function returns a result code (see VXCL_RESULT_...).
 *     1 is success. A warning code means an argument was out of range, was
 *     replaced by its default, and the work was still done. A refusal code
 *     means nothing was done. When several checks fail, the last failing
 *     check decides the code.
 *   - Strings are zero-terminated and go to the printer byte for byte.
 *     A null string pointer is taken as the empty string.
 *   - One job at a time per process. A job start while a job is open drops
 *     the open job unsent.
 *
 * On 32-bit Windows every function uses the __stdcall convention.
 */
#ifndef VXCLCMD_H
#define VXCLCMD_H

#if defined(_WIN32) && !defined(_WIN64)
#define VXCL_CALL __stdcall
#else
#define VXCL_CALL
#endif

#if defined(_WIN32)
#if defined(VXCL_BUILDING_LIBRARY)
#define VXCL_API __declspec(dllexport)
#else
#define VXCL_API
#endif
#elif defined(__GNUC__)
#define VXCL_API __attribute__((visibility("default")))
#else
#define VXCL_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes. -------------------------------------------------------- */

#define VXCL_NO_JOB 0                 /* no job is open; nothing was done */
#define VXCL_OK 1                     /* success */
#define VXCL_BUSY 2                   /* another job start is in progress */
#define VXCL_PRINTER_NOT_FOUND 3      /* printer not found (job not opened) */
#define VXCL_RESOLUTION_TOO_LOW 4     /* below 4 dots per mm (job not opened) */
#define VXCL_QUANTITY 5               /* PrnQty: out of range, 1 used;
                                         PrnEnd: no quantity set, nothing sent */
#define VXCL_CUT_COUNT 6              /* PrnCutter: a count outside 0..9999 */
#define VXCL_DIRECTION 7              /* direction or rotation out of range */
#define VXCL_LABEL_WIDTH 11           /* label width out of range */
#define VXCL_LABEL_HEIGHT 12          /* label height out of range */
#define VXCL_SHIFT 19                 /* shift more than half the width */
#define VXCL_INTERNAL_FAILURE 31      /* out of memory or an operating-system
                                         failure; nothing was added, see
                                         VxclLastError */
#define VXCL_PICTURE_NAME_NULL 48     /* picture file name is a null pointer */
#define VXCL_PICTURE_FILE_MISSING 49  /* no picture file of that name */
#define VXCL_PICTURE_UNREADABLE 50    /* picture file unreadable or
                                         unsupported; see VxclLastError */
#define VXCL_PICTURE_SIZE_NO_DOTS 51  /* picture size converts to no dots
                                         (or to more than 32767) */
#define VXCL_LINE_DIRECTION 80        /* line direction not 0 or 1 */
#define VXCL_LINE_WIDTH 81            /* a line width not 1..99 */
#define VXCL_SPOOL_DEFAULT_PRINTER 144 /* no printer name: default used */
#define VXCL_SPOOL_OPEN 145           /* the printer could not be opened */
#define VXCL_SPOOL_START_DOC 146      /* the spooler refused to start */
#define VXCL_SPOOL_WRITE 147          /* writing the data failed */
#define VXCL_SPOOL_SHORT_WRITE 148    /* fewer bytes written than sent */
#define VXCL_SPOOL_END_PAGE 149       /* the spooler refused to end the page */
#define VXCL_SPOOL_END_DOC 150        /* the spooler refused to end the doc */

/* Job start. ----------------------------------------------------------- */

/* Opens a label job for a CL/CLe series printer. Darkness and speed are sent
 * unchanged. Returns 1, 2, 3, 4, 11, 12 or 19. */
VXCL_API int VXCL_CALL PrnInit(const char *printerName, int darkness,
                               int speed, double labelWidth,
                               double labelHeight, double shift);

/* As PrnInit, for an e-series printer (long labels use "EX0"; PrnCutter
 * honours its e-series options). */
VXCL_API int VXCL_CALL PrnInitESeries(const char *printerName, int darkness,
                                      int speed, double labelWidth,
                                      double labelHeight, double shift);

/* Pictures. ------------------------------------------------------------ */

/* Places a BMP picture with its top-left corner at (x, y). rotation 0..3 is
 * the printer's rotation; 90, 180 and 270 turn the picture counter-clockwise
 * about that corner. width and height, when both are non-zero, scale the
 * picture (shrinking keeps dark pixels); otherwise one pixel is one dot.
 * Only exactly white pixels stay blank. Accepts 1, 4, 8, 16, 24 and 32 bits
 * per pixel, uncompressed or with colour masks, bottom-up or top-down.
 * Returns 0, 1, 7 (rotation out of range, 0 used), 48, 49, 50 or 51; on
 * 48..51 nothing is added. */
VXCL_API int VXCL_CALL PrnDrawBMP(int rotation, double x, double y,
                                  double width, double height,
                                  const char *fileName);

/* As PrnDrawBMP, for a PCX or SCR picture: black and white, 16 colours in
 * four bit planes, 256 colours, or 24-bit colour in three planes. */
VXCL_API int VXCL_CALL PrnDrawPCX(int rotation, double x, double y,
                                  double width, double height,
                                  const char *fileName);

/* Lines, boxes and reversed areas. --------------------------------------- */

/* A horizontal (direction 0) or vertical (1) line. Width in dots 1..99.
 * Returns 0, 1, 80 or 81. */
VXCL_API int VXCL_CALL PrnDrawLine(double x, double y, unsigned int direction,
                                   int lineWidth, double length);

/* The outline of a box; line widths in dots 1..99. Returns 0, 1 or 81. */
VXCL_API int VXCL_CALL PrnDrawBox(double x, double y, int lineWidth1,
                                  int lineWidth2, double boxWidth,
                                  double boxHeight);

/* Reverses (inverts) a rectangular area. Returns 0 or 1. */
VXCL_API int VXCL_CALL PrnReverseImage(double x, double y, double width,
                                       double height);

/* Quantity, cutting and job end. ---------------------------------------- */

/* Number of labels, 0..999999 (0..65535 for CX208 jobs). Returns 0, 1, 5. */
VXCL_API int VXCL_CALL PrnQty(int quantity);

/* Cut every cutCount labels (0: no cut). In e-series jobs eSeriesCount and
 * a non-zero low byte of eSeriesFlag add the e-series options.
 * Returns 0, 1 or 6. */
VXCL_API int VXCL_CALL PrnCutter(int cutCount, int eSeriesCount,
                                 int eSeriesFlag);

/* Sends the job and closes it. Returns 0 (no job), 1, 5 (no quantity set:
 * nothing sent), or a spooler code 144..150 (see VxclLastError). */
VXCL_API int VXCL_CALL PrnEnd(void);

/* Extensions: virtual printers and diagnostics. ------------------------- */

/* Adds an in-process printer that records every job it receives. It is
 * found by name before the operating system's printers. Returns 1 when
 * added, 0 when refused (null or empty name, name taken, a value below 1). */
VXCL_API int VXCL_CALL VxclAddVirtualPrinter(const char *name, int dotsPerInch,
                                             int maxWidthMm, int maxHeightMm);

/* Removes a virtual printer and its jobs. Returns 1, or 0 when none. */
VXCL_API int VXCL_CALL VxclRemoveVirtualPrinter(const char *name);

/* Jobs received so far by a virtual printer; -1 for an unknown printer. */
VXCL_API int VXCL_CALL VxclVirtualJobCount(const char *name);

/* Copies min(length, capacity) bytes of job `index` (0 = first received)
 * into buffer and returns the job's full length; -1 when there is no such
 * printer or job. buffer may be null when capacity is 0. */
VXCL_API int VXCL_CALL VxclVirtualJob(const char *name, int index,
                                      unsigned char *buffer, int capacity);

/* Copies the job's document name, zero-terminated and truncated to fit, and
 * returns its full length; -1 when there is no such printer or job. */
VXCL_API int VXCL_CALL VxclVirtualJobName(const char *name, int index,
                                          char *buffer, int capacity);

/* Copies the message of the last error raised inside a call, zero-terminated
 * and truncated to fit (UTF-8 on Linux), and returns its full length; 0 when
 * no error was raised since the last job start. */
VXCL_API int VXCL_CALL VxclLastError(char *buffer, int capacity);

#ifdef __cplusplus
}
#endif

#endif /* VXCLCMD_H */
