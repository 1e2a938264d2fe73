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
 *   - Every Prn... function returns a result code (see VxclResult).
 *     1 is success. A warning code means an argument was out of range, was
 *     replaced by its default, and the work was still done. A refusal code
 *     means nothing was done. When several checks fail, the last failing
 *     check decides the code.
 *   - Strings are zero-terminated and go to the printer byte for byte.
 *     A null string pointer is taken as the empty string.
 *   - One job at a time per process. A job start while a job is open drops
 *     the open job unsent.
 *   - Calls from several threads take turns on one process-wide lock. Host
 *     code that runs while PrnEnd, PrnCXCalibrate, PrnCTDefault or
 *     VxclEndBatch wait for the spooler may call the library again; the job
 *     (or batch) being sent is already closed then, so a job started there
 *     stays open. Those waits, and every request to the print system, hold
 *     no lock: other threads' calls go on meanwhile, and a job another
 *     thread starts then stays open too.
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

/* Version. ------------------------------------------------------------- */

/* The version of this header; VxclVersion gives the loaded library's. The
 * build reads its version from these three lines. */
#define VXCL_VERSION_MAJOR 0
#define VXCL_VERSION_MINOR 1
#define VXCL_VERSION_PATCH 0
#define VXCL_VERSION_NUMBER                                   \
  (VXCL_VERSION_MAJOR * 1000000 + VXCL_VERSION_MINOR * 1000 + \
   VXCL_VERSION_PATCH)

/* Result codes. -------------------------------------------------------- */

/* Every code of every function, with its meaning and the functions that
 * return it, is listed once in vxclcmd_results.def (and in the reference,
 * docs/result-codes.md). Functions return them as int. */
typedef enum VxclResult {
#define VXCL_RESULT(name, value, kind, calls, meaning) name = value,
#define VXCL_RESULT_FOR(name, kind, calls, meaning)
#include "vxclcmd_results.def"
#undef VXCL_RESULT
#undef VXCL_RESULT_FOR
} VxclResult;

/* Every call that adds to a job also returns 170 (nothing added) when the
 * job's elements would pass 64 MiB. */

/* PrnCTDefault: setting n (1..21) out of range; codes 256..276. */
#define VXCL_CT_SETTING(n) (255 + (n))

/* Job start. ----------------------------------------------------------- */

/* Opens a label job for a CL/CLe series printer. Darkness and speed are sent
 * unchanged. Returns 1, 2, 3, 4, 11, 12 or 19. */
VXCL_API int VXCL_CALL PrnInit(const char *printerName, int darkness, int speed,
                               double labelWidth, double labelHeight,
                               double shift);

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
 * A picture of more than 7992 dots on a side is sent as several graphics
 * that print as one. Returns 0, 1, 7 (rotation out of range, 0 used), 48,
 * 49, 50, 51, 170 or 171; on 48..51, 170 and 171 nothing is added. */
VXCL_API int VXCL_CALL PrnDrawBMP(int rotation, double x, double y,
                                  double width, double height,
                                  const char *fileName);

/* As PrnDrawBMP, for a PCX or SCR picture: black and white, 16 colours in
 * four bit planes, 256 colours, or 24-bit colour in three planes. */
VXCL_API int VXCL_CALL PrnDrawPCX(int rotation, double x, double y,
                                  double width, double height,
                                  const char *fileName);

/* Model setup and maintenance jobs. ------------------------------------ */

/* PrnCXCalibrate and PrnCTDefault send at once: while a batch is open they
 * send nothing and return 210 (see VxclBeginBatch). */

/* Codes 13, 14 and 18 name a different setting for PrnInitCT400 than for
 * PrnInitCX208 and PrnCXCalibrate; a value out of range is replaced by its
 * default and sent all the same. */

/* Opens a label job for a SATO CX208. The five settings are sent ahead of
 * the label, each in its own command frame: cpSetting 0..1, ciSetting 0..2,
 * ceSetting 0..1, cdSetting1 0..400, cdSetting2 0..6000, cbSetting -98..98.
 * The label is centred on the print head. Quantities are limited to 65535.
 * Returns 1, 2, 3, 4, or the last failing check of 11, 12, 13..18, 19 (the
 * value is replaced and the job opens all the same). */
VXCL_API int VXCL_CALL PrnInitCX208(const char *printerName, int darkness,
                                    int speed, int cpSetting, int ciSetting,
                                    int ceSetting, int cdSetting1,
                                    int cdSetting2, int cbSetting,
                                    double labelWidth, double labelHeight,
                                    double shift);

/* Opens a label job for a SATO CT400: darknessLetter 'A'..'F' follows the
 * darkness; phSetting 0..1, pmSetting 0..8, yeSetting 0..1, igSetting 0..2,
 * poSetting -99..99. The label is centred on the print head. Returns 1, 2,
 * 3, 4, or the last failing check in the order 11, 12, 10, 13, 18, 8, 14, 9,
 * 19 (not always the highest code). */
VXCL_API int VXCL_CALL PrnInitCT400(const char *printerName,
                                    char darknessLetter, int darkness,
                                    int speed, int phSetting, int pmSetting,
                                    int yeSetting, int igSetting, int poSetting,
                                    double labelWidth, double labelHeight,
                                    double shift);

/* Sends a calibration job to a SATO CX printer at once, with the CX208's
 * five settings and the label height (not checked). Needs no open job; any
 * open job is dropped once the job was handed to the spooler, also when the
 * spooler then fails. Returns 0 (printer not found) or 4 (nothing sent, an
 * open job is kept), a spooler code 145..151 (see VxclLastError), the last
 * failing setting's code 13..18 (replaced, sent all the same), or 1. */
VXCL_API int VXCL_CALL PrnCXCalibrate(const char *printerName,
                                      double labelHeight, int cpSetting,
                                      int ciSetting, int ceSetting,
                                      int cdSetting1, int cdSetting2,
                                      int cbSetting);

/* Sends a SATO CT printer its default settings at once, as one 39-byte
 * "PG" record of raw bytes (settings 11 to 14 take two bytes each, most
 * significant first; negative values in two's complement). Ranges, 1 to
 * 21: 0..4, 0..2, 0..1, 41..46, 1..5, 0..2, 0..1, 0..1, 0..1, 0..1,
 * 0..3200, 0..832, -792..792, -792..792, 0..63, -99..99, -99..99, -99..99,
 * 0..1, 0..40, 0..1; replaced by 2, 0, 0, 41, 3, 1, 1, 0, 0, 0, 3200, 832
 * and 0 for the rest. Any open job is dropped as by PrnCXCalibrate. Returns
 * 0 (printer not found), a spooler code 145..151, 255 + the number of the
 * last setting out of range (256..276; replaced, sent all the same), or 1. */
VXCL_API int VXCL_CALL PrnCTDefault(const char *printerName, int setting1,
                                    int setting2, int setting3, int setting4,
                                    int setting5, int setting6, int setting7,
                                    int setting8, int setting9, int setting10,
                                    int setting11, int setting12, int setting13,
                                    int setting14, int setting15, int setting16,
                                    int setting17, int setting18, int setting19,
                                    int setting20, int setting21);

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

/* Printer fonts. -------------------------------------------------------- */

/* The print direction of these calls is 0..3 (quarter turns); any other
 * value, a negative one included, prints unturned and returns 7. Pitch is
 * the gap between characters in dots, 0..99. Font codes and texts go to the
 * printer byte for byte, in the host's code page. */

/* Text in one of the printer's bitmap fonts. fontCode is the printer's font
 * command without its ESC ("U", "XM", "WB1", ...). Expansion factors 1..12
 * are sent only when both exceed 1. Returns 0, 1, 7, 66, 67 or 68. */
VXCL_API int VXCL_CALL PrnInternalFont(unsigned int direction, double x,
                                       double y, const char *fontCode,
                                       int hExpansion, int vExpansion,
                                       int pitch, const char *text);

/* Text in the printer's vector font. fontType "A" or "B" (upper case);
 * character width and height in dots 50..999 (50 used otherwise);
 * variation 0..9. Returns 0, 1, 7, 64, 66, 69, 70 or 71. */
VXCL_API int VXCL_CALL PrnVectorFont(unsigned int direction, double x, double y,
                                     char fontType, int hSize, int vSize,
                                     int variation, int pitch,
                                     const char *text);

/* Text in the printer's AGFA raster font. fontType "A" or "B" (upper case);
 * option 0 or 1; character width and height in dots 16..999 (16 used
 * otherwise). Returns 0, 1, 7, 64, 65, 66, 69 or 70. */
VXCL_API int VXCL_CALL PrnAGFARasterFont(unsigned int direction, double x,
                                         double y, char fontType,
                                         unsigned int option, int hSize,
                                         int vSize, int pitch,
                                         const char *text);

/* TrueType text. -------------------------------------------------------- */

/* Text in any installed font, drawn one dot per pixel and sent as a graphic
 * with its top-left corner at (x, y). fontSize is in points at 96 pixels per
 * inch (24 points: a character height of 32 dots); charWidth and charHeight,
 * when both are positive, give the average character width and the cell
 * height in dots instead. weight is in hundreds (4 normal, 7 bold, 0 the
 * font's default); the low bytes of italic, underline and strikeOut switch
 * those styles on. When the turn (1 to 3 quarters) and charWidth,
 * charHeight, weight, italic, underline and strikeOut add up to 0 or less,
 * the text is drawn plain: normal weight, no style, unturned.
 * rotation 0..3 is the printer's rotation; 90, 180 and 270 turn the text
 * counter-clockwise about (x, y); a part turned above the label's top or
 * left of its left edge is cut off. alignMode: 0 at x, 1 at the label's
 * left edge, 2 centred on the label, 3 flush with the printer's right edge,
 * each moved by alignOffset; any other value places the text at x without
 * the media offset. fontName and text: UTF-8, or Windows-1252 for bytes that
 * are not valid UTF-8; null is the default sans font and the empty text.
 * Returns 0, 1, 7 (rotation out of range: 0 used), 31 (text too large to
 * draw or a font failure: nothing added, see VxclLastError), 170 or 171
 * (nothing added); text of more than 7992 dots on a side is sent as
 * several graphics that print as one. */
VXCL_API int VXCL_CALL PrnTrueTypeFont(int rotation, double x, double y,
                                       const char *fontName, int fontSize,
                                       int charWidth, int charHeight,
                                       int weight, int italic, int underline,
                                       int strikeOut, int alignMode,
                                       double alignOffset, const char *text);

/* Barcodes. ------------------------------------------------------------ */

/* Every barcode warning still adds the corrected symbol; the refusals (40
 * to 43, 102, 116, and PrnUCC128's wrong data length) add nothing. */

/* Directions 0..3 turn the symbol by quarter turns; any other gives 0 and
 * code 7. Bar heights are millimetres; widths are dots. */

/* A one-dimensional barcode in one of the printer's fixed ratios
 * (1 = 1:2, 2 = 1:3, 3 = 2:5). barcodeType is the printer's type letter:
 * "0".."6", "A", "C", "E", "F", "G" (Code 128 with automatic code sets),
 * or "X", "Y", "Z" (Code 128 starting in code set A, B or C, data sent as
 * given). Code 39 ("1") data gets its "*" start and stop characters unless
 * it has them. Returns 0, 1, 7, 32, 33, 34 or 35. */
VXCL_API int VXCL_CALL PrnBarcode(int direction, double x, double y,
                                  char barcodeType, int ratio, int narrowWidth,
                                  double barHeight, const char *data);

/* A barcode with host-chosen element widths in dots (narrow space, wide
 * space, narrow bar, wide bar) and an expansion 1..12. Types "0", "1", "2",
 * and "5", "6" except in CX208 jobs. Code 39 data is always framed in "*".
 * Returns 0, 1, 7, 32, 34, 36 or 37. */
VXCL_API int VXCL_CALL PrnVariableBarcode(int direction, double x, double y,
                                          char barcodeType, int elementWidth1,
                                          int elementWidth2, int elementWidth3,
                                          int elementWidth4, int expansion,
                                          double barHeight, const char *data);

/* A UCC-128 symbol from exactly 17 data characters; mode 0 (no text),
 * 1 (text above) or 2 (text below). Data of another length is refused with
 * 0, or 7 when the direction is out of range too. Otherwise returns 1, 7,
 * 34, 35 or 38. */
VXCL_API int VXCL_CALL PrnUCC128(int direction, double x, double y,
                                 int narrowWidth, int mode, double barHeight,
                                 const char *data);

/* An EAN-128 symbol from application identifier groups:
 * "(01)12345678901231(10)ABC123". Each identifier's value is checked for
 * its length and digits, and FNC1 separators are added after
 * variable-length values. Returns 0, 40, 41, 42 or 43 (nothing added), or
 * 1, 7, 34 or 35. */
VXCL_API int VXCL_CALL PrnEAN128(int direction, double x, double y,
                                 int narrowWidth, double barHeight,
                                 const char *data);

/* A PDF417 symbol. variant 0 standard, 1 truncated, 2 micro; columns and
 * rows 0 let the printer choose. data is the address of the string
 * pointer; "&h01".."&h1F" in the string become control bytes. A null
 * address, a null string, or data empty or over 2700 bytes after that gives
 * 102 and adds nothing. Otherwise returns 1, 7 or 96..101. */
VXCL_API int VXCL_CALL PrnPDF417(int direction, double x, double y, int variant,
                                 int moduleWidth, int rowHeight,
                                 int securityLevel, int columns, int rows,
                                 const char **data);

/* A Data Matrix symbol. Only the low byte of symbolFlag counts: non-zero is
 * sent as 1. data is the address of the string pointer, sent as it is; a
 * null address, a null string, or data empty or over 500 bytes gives 116
 * and adds nothing. Otherwise returns 1, 7 or 112..115. */
VXCL_API int VXCL_CALL PrnDataMatrix(int direction, double x, double y,
                                     int formatId, int eccLevel, int cellWidth,
                                     int cellHeight, int symbolFlag,
                                     int symbolOption, const char **data);

/* Quantity, cutting and job end. ---------------------------------------- */

/* Number of labels, 0..999999 (0..65535 for CX208 jobs). Returns 0, 1, 5. */
VXCL_API int VXCL_CALL PrnQty(int quantity);

/* Cut every cutCount labels (0: no cut). In e-series jobs eSeriesCount and
 * a non-zero low byte of eSeriesFlag add the e-series options.
 * Returns 0, 1 or 6. */
VXCL_API int VXCL_CALL PrnCutter(int cutCount, int eSeriesCount,
                                 int eSeriesFlag);

/* Sends the job and closes it. Returns 0 (no job), 1, 5 (no quantity set:
 * nothing sent), or a spooler code 144..151 (see VxclLastError). With a
 * batch open the job joins the batch instead, sent when the batch ends:
 * returns 0, 1, 5, or 212 / 213 (the batch refused it: nothing added, the
 * job stays open, see VxclLastError). */
VXCL_API int VXCL_CALL PrnEnd(void);

/* Batches: many labels in one spool job. --------------------------------- */

/* Opens a batch. Until it ends, every PrnEnd checks and closes its job as
 * always but appends the job's bytes to the batch instead of sending them,
 * without waiting for the spooler. All jobs of a batch go to one printer
 * (the first job's printer name, compared byte for byte); a job for another
 * printer, or one that would take the batch past 256 MiB, is refused with
 * 212 or 213 and stays open. PrnCXCalibrate and PrnCTDefault, which send at
 * once, refuse with 210 while a batch is open. A batch still open when the
 * library is unloaded is dropped unsent. Returns 1, or 210 (a batch is
 * already open: it is kept). */
VXCL_API int VXCL_CALL VxclBeginBatch(void);

/* Closes the batch and sends its jobs as one RAW spool job, their bytes in
 * the order they were added, with one queue wait and one settle wait as
 * PrnEnd has. A batch without jobs sends nothing and returns 1. A spooler
 * failure cancels the whole job, and the batch is gone either way. Returns
 * 1, 211 (no batch open), or a spooler code 144..151 (see VxclLastError). */
VXCL_API int VXCL_CALL VxclEndBatch(void);

/* Closes the batch and drops its jobs unsent. Returns 1, or 211 (no batch
 * open). */
VXCL_API int VXCL_CALL VxclCancelBatch(void);

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

/* Copies the message of the calling thread's last call, zero-terminated and
 * truncated to fit (UTF-8 on Linux unless VxclSetTextEncoding chose
 * another encoding, code page 950 on Windows), and returns
 * its full length in that encoding. Every call that does work clears it
 * first; every result other than 1 (warnings too) leaves one message that
 * names the call, the argument, the value given, what is allowed and what
 * was used instead, or why nothing was done; the spooler's codes 144..151
 * keep the spooler's own wording. The calls that only read (VxclLastError,
 * VxclVirtualJobCount, VxclVirtualJob, VxclVirtualJobName,
 * VxclPreviewWarnings, VxclPrinterCount, VxclPrinterName, VxclVersion)
 * leave it. Each thread has its own message, as with errno; messages are
 * cut at 4095 bytes. 0 when there is none. */
VXCL_API int VXCL_CALL VxclLastError(char *buffer, int capacity);

/* The loaded library's version: MAJOR * 1000000 + MINOR * 1000 + PATCH, as
 * VXCL_VERSION_NUMBER of the header it was built with. */
VXCL_API int VXCL_CALL VxclVersion(void);

/* Chooses the encoding of the text and face names the host passes (and of
 * the messages VxclLastError gives), for programs ported from Windows that
 * keep their code page: a name as iconv knows it, such as "CP950" or "BIG5"
 * (Traditional Chinese), "SHIFT_JIS" or "CP932", "GBK" or "CP936", "EUC-KR"
 * or "CP949", "UTF-8"; null or "" restores the default, UTF-8 with any
 * byte outside a valid sequence read as Windows-1252. A sequence the
 * encoding does not define reads as '?'. The Windows DLL always reads the
 * system code page and takes only its names ("CP950", "950"). Returns 1, or
 * VXCL_TEXT_ENCODING (the encoding in use kept). */
VXCL_API int VXCL_CALL VxclSetTextEncoding(const char *encoding);

/* Extensions: label preview. --------------------------------------------- */

/* A job or command stream drawn as the printer would print it: a PNG
 * picture of the print head's width by the label's length, one pixel a
 * printer dot, printed dots black, the head beside the label light grey and
 * the label's edge light blue. Text in the printer's fonts is drawn with
 * installed fonts of the same cell sizes; barcodes are drawn to be read by
 * scanners.
 * Commands the preview does not know are skipped with a warning. The
 * preview is part of the Linux library; on Windows the two drawing calls
 * return VXCL_PREVIEW_UNAVAILABLE and there are no warnings or findings. */

/* Draws job `index` (0 = first received) of virtual printer `name` into the
 * PNG file pngPath, with the printer's resolution and head width and the
 * job's label size and place. Returns 1 written, 0 no such printer or job,
 * 31, 160, 161, 162 or 163. */
VXCL_API int VXCL_CALL VxclVirtualJobPreview(const char *name, int index,
                                             const char *pngPath);

/* Draws `length` bytes of any command stream into pngPath, for a printer of
 * dotsPerInch with a print head headWidthMm wide. labelWidthMm 0 is the
 * whole head; a label narrower than the head lies at the head's far edge,
 * or centred when the stream sets a label size ("A1", as CX208 and CT400
 * jobs do). labelLengthMm 0 takes the length from the stream's "A1", else
 * from what is drawn (whole millimetres, at least 10). Several labels in
 * the stream are drawn one under the other. Returns 1, 31, 160, 161, 162
 * or 163. */
VXCL_API int VXCL_CALL VxclPreviewStream(const unsigned char *stream,
                                         int length, int dotsPerInch,
                                         double headWidthMm,
                                         double labelWidthMm,
                                         double labelLengthMm,
                                         const char *pngPath);

/* Copies the warnings of the last preview, one a line, zero-terminated and
 * truncated to fit (UTF-8), and returns their full length (0: none). */
VXCL_API int VXCL_CALL VxclPreviewWarnings(char *buffer, int capacity);

/* What the last preview found that a person would want to know before
 * printing: one record a finding, in the order of the stream. */
typedef enum VxclFindingKind {
  VXCL_FOUND_OUTSIDE_LABEL = 1,    /* an element wholly outside the label */
  VXCL_FOUND_PARTLY_OUTSIDE = 2,   /* an element partly outside the label */
  VXCL_FOUND_BARCODE_CUT = 3,      /* a barcode cut by the label's edge */
  VXCL_FOUND_BARCODE_OVERLAP = 4,  /* a barcode touching another element */
  VXCL_FOUND_UNDRAWABLE_TEXT = 5,  /* characters no font could draw */
  VXCL_FOUND_FACE_REPLACED = 6,    /* a font face replaced by another */
  VXCL_FOUND_DATA_MATRIX_ECC = 7,  /* Data Matrix at ECC 000..140 */
  VXCL_FOUND_BARCODE_TYPE = 8,     /* a type letter the printers refuse */
  VXCL_FOUND_NEGATIVE_SIZE = 9     /* a line, box or area of negative size */
} VxclFindingKind;

/* The fields of a finding record, as indexes into VxclPreviewFinding's
 * `fields`. Positions and sizes are printer dots on the label, from its
 * top-left corner (negative beyond its left or top edge); offsets are
 * bytes from the start of the stream. */
typedef enum VxclFindingField {
  VXCL_FINDING_KIND = 0,         /* a VxclFindingKind */
  VXCL_FINDING_LABEL = 1,        /* 0 = the stream's first label */
  VXCL_FINDING_OFFSET = 2,       /* the element's command; -1 none */
  VXCL_FINDING_OTHER_OFFSET = 3, /* the element overlapped; -1 none */
  VXCL_FINDING_X = 4,            /* what the element draws: left, */
  VXCL_FINDING_Y = 5,            /* top, */
  VXCL_FINDING_WIDTH = 6,        /* width and height (0 when it */
  VXCL_FINDING_HEIGHT = 7,       /* draws nothing) */
  VXCL_FINDING_FIELDS = 8        /* the number of fields */
} VxclFindingField;

/* The number of findings of the last preview (0 also on Windows). */
VXCL_API int VXCL_CALL VxclPreviewFindingCount(void);

/* Stores the first fieldCount fields of finding `index` (0 = first) into
 * fields (fields beyond VXCL_FINDING_FIELDS are left alone; a null fields
 * stores none), copies its message, zero-terminated and truncated to fit
 * (UTF-8), and returns the message's full length; -1 when there is no such
 * finding. */
VXCL_API int VXCL_CALL VxclPreviewFinding(int index, int *fields,
                                          int fieldCount, char *message,
                                          int capacity);

/* How long a submission waits for the printer's queue to hold at most two
 * jobs before it gives up with 151, sending nothing: 60 s until set; 0 waits
 * as long as it takes. Each request to the print system also gives up after
 * ten seconds, or after this limit when it is shorter. Process-wide. Returns
 * 1, or 0 when seconds is negative (the limit is kept; see VxclLastError). */
VXCL_API int VXCL_CALL VxclSetSpoolerTimeout(int seconds);

/* Extensions: the printers the library sees. ----------------------------- */

/* Printers a job start can name: the virtual printers, then the operating
 * system's (the CUPS destinations on Linux), in that order. Returns their
 * count, or -1 when the operating system's list cannot be read (the
 * scheduler is down or unreachable, e.g. CUPS_SERVER pointing nowhere). */
VXCL_API int VXCL_CALL VxclPrinterCount(void);

/* Copies the name of printer `index` (0 = first, as VxclPrinterCount counts
 * them), zero-terminated and truncated to fit, and returns its full length;
 * -1 when there is no such printer or the list cannot be read. */
VXCL_API int VXCL_CALL VxclPrinterName(int index, char *buffer, int capacity);

/* Looks a printer up as a job start does, without touching the job in
 * progress, and stores what the job start would use: dots per millimetre and
 * the widest and longest printable area in dots (null pointers are skipped).
 * Returns 1, or 0 when the printer is not found or cannot be used; then
 * VxclLastError says why when the printer system told. */
VXCL_API int VXCL_CALL VxclPrinterMetrics(const char *name, int *dotsPerMm,
                                          int *maxWidthDots,
                                          int *maxHeightDots);

#ifdef __cplusplus
}
#endif

#endif /* VXCLCMD_H */
