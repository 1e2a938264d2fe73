/* Whole jobs through the DLL, byte for byte, on a virtual printer of 203
 * dpi whose driver allows 104 mm by 1000 mm (8 dots per mm, 832 by 8000
 * dots): doubles, characters, unsigned and negative values cross the
 * calling convention and come out as the printer commands they stand for. */
#include "host.h"

#define VP "VP"
#define VP_JOB "VP Job"

/* The CX208 header of the worked example (124 bytes). */
#define CX208_HEADER                      \
  "<STX><ESC>A<ESC>CP1<ESC>Z<ETX>"        \
  "<STX><ESC>A<ESC>CI0<ESC>Z<ETX>"        \
  "<STX><ESC>A<ESC>CE0<ESC>Z<ETX>"        \
  "<STX><ESC>A<ESC>CD200,3300<ESC>Z<ETX>" \
  "<STX><ESC>A<ESC>CB+0<ESC>Z<ETX>"       \
  "<STX><ESC>A<ESC>AR<ESC>Z<ETX>"         \
  "<STX><ESC>A<ESC>A3H001V001<ESC>Z<ETX>" \
  "<STX><ESC>A<ESC>A104000832<ESC>Z<ETX>" \
  "<STX><ESC>A<ESC>CS4<ESC>Z<ETX>"        \
  "<STX><ESC>A<ESC>#E3<ESC>Z<ETX>"        \
  "<STX><ESC>A"

static void FreshPrinter(void) {
  API(PrnEnd)();
  API(VxclRemoveVirtualPrinter)(VP);
  CHECK_INT(1, API(VxclAddVirtualPrinter)(VP, 203, 104, 1000));
}

static void AOneLineLabel(void) {
  FreshPrinter();
  CHECK_INT(1, API(PrnInit)(VP, 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnDrawLine)(10.0, 20.0, 0, 2, 50.0));
  CHECK_INT(1, API(PrnQty)(1));
  CHECK_INT(1, API(PrnEnd)());
  CHECK_LAST_JOB(VP, VP_JOB,
                 "<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"
                 "<ESC>%0<ESC>H112<ESC>V160<ESC>FW02H0400<ESC>Q1<ESC>Z<ETX>");
  CHECK_INT(0, API(PrnEnd)());
}

/* The cut command holds a NUL byte, which must reach the printer. */
static void TheCutCommandKeepsItsNulByte(void) {
  FreshPrinter();
  CHECK_INT(1, API(PrnInit)(VP, 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnCutter)(3, 0, 0));
  CHECK_INT(1, API(PrnQty)(2));
  CHECK_INT(1, API(PrnEnd)());
  CHECK_LAST_JOB(VP, VP_JOB,
                 "<x02><x1B><x41><x1B><x41><x52><x1B><x43><x53><x34><x1B>"
                 "<x23><x45><x33><x1B><x5A><x03><x02><x1B><x41><x1B><x00>"
                 "<x33><x1B><x51><x32><x1B><x5A><x03>");
}

static void AnESeriesLongLabelWithItsCutOptions(void) {
  FreshPrinter();
  CHECK_INT(1, API(PrnInitESeries)(VP, 3, 4, 100.0, 200.0, 0.0));
  CHECK_INT(1, API(PrnCutter)(0, 12, 1));
  CHECK_INT(1, API(PrnQty)(1));
  CHECK_INT(1, API(PrnEnd)());
  CHECK_LAST_JOB(VP, VP_JOB,
                 "<STX><ESC>A<ESC>EX0<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"
                 "<ESC>A12<ESC>B<ESC>Q1<ESC>Z<ETX>");
}

static void NegativeAndOutOfRangeArguments(void) {
  FreshPrinter();
  /* A negative shift is kept: -20 mm is -159.5 dots, truncated toward zero
   * to -159. */
  CHECK_INT(1, API(PrnInit)(VP, -1, 10, 100.0, 50.0, -20.0));
  /* A host's -1 as the unsigned direction: 80, and a horizontal line. */
  CHECK_INT(80, API(PrnDrawLine)(10.0, 20.0, 0xFFFFFFFFu, 2, 50.0));
  CHECK_INT(5, API(PrnQty)(1000000));
  CHECK_INT(1, API(PrnEnd)());
  CHECK_LAST_JOB(VP, VP_JOB,
                 "<STX><ESC>A<ESC>AR<ESC>CS10<ESC>#E-1<ESC>Z<ETX><STX><ESC>A"
                 "<ESC>%0<ESC>H-47<ESC>V160<ESC>FW02H0400<ESC>Q1<ESC>Z<ETX>");

  /* Too wide and too far shifted: the later check's code; no quantity,
   * nothing is sent. */
  CHECK_INT(19, API(PrnInit)(VP, 3, 4, 200.0, 50.0, 60.0));
  CHECK_INT(5, API(PrnEnd)());
  CHECK_INT(1, API(VxclVirtualJobCount)(VP));
  CHECK_INT(3, API(PrnInit)("vp", 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(3, API(PrnInit)(NULL, 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(0, API(PrnQty)(1));
}

/* The worked examples of the line functions, on a centred CX208 label
 * (elements move by 16 dots). */
static void LinesBoxesAndReversedAreas(void) {
  FreshPrinter();
  CHECK_INT(
      1, API(PrnInitCX208)(VP, 3, 4, 1, 0, 0, 200, 3300, 0, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnDrawLine)(10.0, 20.0, 0, 2, 50.0));
  CHECK_INT(81, API(PrnDrawLine)(10.0, 20.0, 1, 150, 12.5));
  CHECK_INT(80, API(PrnDrawLine)(10.0, 20.0, 2, 0, 12.5));
  CHECK_INT(1, API(PrnDrawBox)(5.0, 5.0, 3, 3, 80.0, 40.0));
  CHECK_INT(1, API(PrnReverseImage)(0.0, 0.0, 25.0, 10.0));
  CHECK_INT(5, API(PrnQty)(70000)); /* a CX208 prints at most 65535 */
  CHECK_INT(1, API(PrnEnd)());
  CHECK_LAST_JOB(VP, VP_JOB,
                 CX208_HEADER
                 "<ESC>%0<ESC>H96<ESC>V160<ESC>FW02H0400"
                 "<ESC>%0<ESC>H96<ESC>V160<ESC>FW01V0100"
                 "<ESC>%0<ESC>H96<ESC>V160<ESC>FW01H0100"
                 "<ESC>%0<ESC>H56<ESC>V40<ESC>FW0303H0640V0320"
                 "<ESC>%0<ESC>H16<ESC>V0<ESC>(200,80"
                 "<ESC>Q1<ESC>Z<ETX>");
}

static void PrinterFonts(void) {
  FreshPrinter();
  CHECK_INT(1, API(PrnInit)(VP, 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnInternalFont)(0, 10.0, 5.0, "XM", 2, 2, 2, "Ab"));
  CHECK_INT(1, API(PrnVectorFont)(1, 10.0, 5.0, 'A', 100, 120, 0, 2, "Hi"));
  CHECK_INT(1, API(PrnAGFARasterFont)(0, 10.0, 5.0, 'B', 1, 24, 32, 2, "Ok"));
  CHECK_INT(7, API(PrnInternalFont)(0xFFFFFFFFu, 0.0, 0.0, "U", 1, 1, 0, "x"));
  CHECK_INT(64, API(PrnVectorFont)(3, 0.0, 1.0, 'a', 50, 50, 9, 0, "y"));
  CHECK_INT(1, API(PrnQty)(1));
  CHECK_INT(1, API(PrnEnd)());
  CHECK_LAST_JOB(VP, VP_JOB,
                 "<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"
                 "<ESC>%0<ESC>H112<ESC>V40<ESC>L0202<ESC>P02<ESC>XMAb"
                 "<ESC>%1<ESC>H112<ESC>V40<ESC>P02<ESC>$A,100,120,0<ESC>$=Hi"
                 "<ESC>%0<ESC>H112<ESC>V40<ESC>P02<ESC>RDB01,024,032,Ok"
                 "<ESC>%0<ESC>H32<ESC>V0<ESC>P00<ESC>Ux"
                 "<ESC>%3<ESC>H32<ESC>V8<ESC>P00<ESC>$A,50,50,9<ESC>$=y"
                 "<ESC>Q1<ESC>Z<ETX>");
}

static void Cx208Settings(void) {
  FreshPrinter();
  CHECK_INT(1,
            API(PrnInitCX208)(VP, 7, 2, 0, 2, 1, 5, 12, -5, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnQty)(65535));
  CHECK_INT(1, API(PrnEnd)());
  CHECK_LAST_JOB(VP, VP_JOB,
                 "<STX><ESC>A<ESC>CP0<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>CI2<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>CE1<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>CD005,0012<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>CB-5<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>AR<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>A3H001V001<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>A104000832<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>CS2<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>#E7<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>Q65535<ESC>Z<ETX>");
}

static void Ct400Settings(void) {
  FreshPrinter();
  CHECK_INT(1,
            API(PrnInitCT400)(VP, 'A', 3, 4, 0, 1, 0, 0, 0, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnQty)(70000)); /* not a CX208 job */
  CHECK_INT(1, API(PrnEnd)());
  CHECK_LAST_JOB(VP, VP_JOB,
                 "<STX><ESC>A<ESC>AR<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>CS4<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>#E3A<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>A3H+000V+0000<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>A104000832<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>PO2+00<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>PM1<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>YE0<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>IG0<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>PH0<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>Q70000<ESC>Z<ETX>");

  CHECK_INT(1,
            API(PrnInitCT400)(VP, 'C', 5, 3, 1, 7, 1, 2, -7, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnQty)(1));
  CHECK_INT(1, API(PrnEnd)());
  CHECK_LAST_JOB(VP, VP_JOB,
                 "<STX><ESC>A<ESC>AR<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>CS3<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>#E5C<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>A3H+000V+0000<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>A104000832<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>PO1-07<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>PM7<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>YE1<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>IG2<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>PH1<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>Q1<ESC>Z<ETX>");
}

static void CxCalibrationJob(void) {
  FreshPrinter();
  CHECK_INT(1, API(PrnInit)(VP, 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnCXCalibrate)(VP, 50.0, 1, 0, 0, 200, 3300, 0));
  CHECK_LAST_JOB(VP, VP_JOB,
                 "<STX><ESC>A<ESC>CP1<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>CI0<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>CE0<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>CD200,3300<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>CB+0<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>AR<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>A3H001V001<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>A104000832<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>CA<ESC>Z<ETX>"
                 "<ESC>A <ESC>Z");
  /* The label job that was open is dropped. */
  CHECK_INT(0, API(PrnQty)(1));
}

static void CtDefaultSettingsRecord(void) {
  FreshPrinter();
  CHECK_INT(1, API(PrnCTDefault)(VP, 2, 0, 0, 41, 3, 1, 1, 0, 0, 0, 3200, 832,
                                 0, 0, 0, 0, 0, 0, 0, 0, 0));
  CHECK_LAST_JOB(VP, VP_JOB,
                 "<x02><x1B><x41><x1B><x50><x47><x00><x00><x02><x00><x00>"
                 "<x00><x00><x29><x03><x01><x01><x00><x00><x00><x00><x0C>"
                 "<x80><x03><x40><x00><x00><x00><x00><x00><x00><x00><x00>"
                 "<x00><x00><x00><x1B><x5A><x03>");
  CHECK_INT(1, API(PrnCTDefault)(VP, 2, 0, 0, 41, 3, 1, 1, 0, 0, 0, 400, 832,
                                 -792, 0, 0, -1, 0, 0, 0, 0, 0));
  CHECK_LAST_JOB(VP, VP_JOB,
                 "<x02><x1B><x41><x1B><x50><x47><x00><x00><x02><x00><x00>"
                 "<x00><x00><x29><x03><x01><x01><x00><x00><x00><x00><x01>"
                 "<x90><x03><x40><xFC><xE8><x00><x00><x00><xFF><x00><x00>"
                 "<x00><x00><x00><x1B><x5A><x03>");
}

/* Two labels in a batch arrive as one job holding both, back to back. */
static void TwoLabelsInOneBatch(void) {
  FreshPrinter();
  CHECK_INT(1, API(VxclBeginBatch)());
  CHECK_INT(1, API(PrnInit)(VP, 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnDrawLine)(10.0, 20.0, 0, 2, 50.0));
  CHECK_INT(1, API(PrnQty)(1));
  CHECK_INT(1, API(PrnEnd)());
  CHECK_INT(1, API(PrnInit)(VP, 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(1, API(PrnQty)(2));
  CHECK_INT(1, API(PrnEnd)());
  CHECK_INT(0, API(VxclVirtualJobCount)(VP));
  CHECK_INT(210, API(PrnCXCalibrate)(VP, 50.0, 1, 0, 0, 200, 3300, 0));
  CHECK_INT(1, API(VxclEndBatch)());
  CHECK_LAST_JOB(VP, "VP Batch",
                 "<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"
                 "<ESC>%0<ESC>H112<ESC>V160<ESC>FW02H0400<ESC>Q1<ESC>Z<ETX>"
                 "<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"
                 "<ESC>Q2<ESC>Z<ETX>");
  CHECK_INT(211, API(VxclEndBatch)());
  CHECK_INT(211, API(VxclCancelBatch)());
}

const struct CheckCase kJobChecks[] = {
    {"AOneLineLabel", AOneLineLabel},
    {"TheCutCommandKeepsItsNulByte", TheCutCommandKeepsItsNulByte},
    {"AnESeriesLongLabelWithItsCutOptions",
     AnESeriesLongLabelWithItsCutOptions},
    {"NegativeAndOutOfRangeArguments", NegativeAndOutOfRangeArguments},
    {"LinesBoxesAndReversedAreas", LinesBoxesAndReversedAreas},
    {"PrinterFonts", PrinterFonts},
    {"Cx208Settings", Cx208Settings},
    {"Ct400Settings", Ct400Settings},
    {"CxCalibrationJob", CxCalibrationJob},
    {"CtDefaultSettingsRecord", CtDefaultSettingsRecord},
    {"TwoLabelsInOneBatch", TwoLabelsInOneBatch},
    {NULL, NULL},
};
