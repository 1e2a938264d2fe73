/* Picture files named as Windows hosts name them: ANSI paths with
 * backslashes, non-ASCII characters in the system code page. */
#include <stdio.h>
#include <string.h>

#include "host.h"

#define VP "VP"

/* An 8 x 8 one-bit BMP, bottom row first: black (colour 0) across the top
 * row, white (colour 1) everywhere else. */
static void WriteBmp(const char *path) {
  unsigned char file[94] = {'B', 'M', 94, 0, 0, 0, 0, 0, 0,  0, 62, 0, 0,
                            0,   40,  0,  0, 0, 8, 0, 0, 0,  8, 0,  0, 0,
                            1,   0,   1,  0, 0, 0, 0, 0, 32, 0, 0,  0};
  /* Colour table: 0 black, 1 white. */
  file[58] = file[59] = file[60] = 0xFF;
  for (int row = 0; row < 8; ++row) file[62 + row * 4] = row == 7 ? 0x00 : 0xFF;
  HANDLE out = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, NULL);
  if (out == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(out, file, sizeof file, &written, NULL);
  CloseHandle(out);
}

static void PlacedFrom(const char *path) {
  API(PrnEnd)();
  API(VxclRemoveVirtualPrinter)(VP);
  CHECK_INT(1, API(VxclAddVirtualPrinter)(VP, 203, 104, 1000));
  CHECK_INT(1, API(PrnInit)(VP, 3, 4, 100.0, 50.0, 0.0));
  const int placed = API(PrnDrawBMP)(0, 10.0, 5.0, 0.0, 0.0, path);
  CHECK(placed == 1, "%s not placed: %d", path, placed);
  CHECK_INT(1, API(PrnQty)(1));
  CHECK_INT(1, API(PrnEnd)());
  /* 8 x 8 padded to 16 x 16: the black top row is the only dark one. */
  CHECK_LAST_JOB(VP, "VP Job",
                 "<STX><ESC>A<ESC>AR<ESC>CS4<ESC>#E3<ESC>Z<ETX><STX><ESC>A"
                 "<ESC>%0<ESC>H112<ESC>V40<ESC>GB002002<xFF><NUL>"
                 "<NUL><NUL><NUL><NUL><NUL><NUL><NUL><NUL><NUL><NUL>"
                 "<NUL><NUL><NUL><NUL><NUL><NUL><NUL><NUL><NUL><NUL>"
                 "<NUL><NUL><NUL><NUL><NUL><NUL><NUL><NUL><NUL><NUL>"
                 "<ESC>Q1<ESC>Z<ETX>");
}

static void APictureByItsWindowsPath(void) {
  char folder[MAX_PATH], path[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  snprintf(path, sizeof path, "%svxcl picture.bmp", folder);
  WriteBmp(path);
  PlacedFrom(path);
  DeleteFileA(path);
}

/* A file name with characters of the system code page (double-byte ones in
 * code page 950) is found and read as the host wrote it. */
static void APictureWithANonAsciiName(void) {
  const char *sample = AnsiSample();
  if (!sample) {
    printf("  (code page %u: left out)\n", GetACP());
    return;
  }
  char folder[MAX_PATH], path[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  snprintf(path, sizeof path, "%s%s.bmp", folder, sample);
  WriteBmp(path);
  CHECK(GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES,
        "the picture could not be written");
  PlacedFrom(path);
  DeleteFileA(path);
}

static void MissingPictures(void) {
  API(PrnEnd)();
  API(VxclRemoveVirtualPrinter)(VP);
  CHECK_INT(1, API(VxclAddVirtualPrinter)(VP, 203, 104, 1000));
  CHECK_INT(1, API(PrnInit)(VP, 3, 4, 100.0, 50.0, 0.0));
  CHECK_INT(48, API(PrnDrawBMP)(0, 10.0, 5.0, 0.0, 0.0, NULL));
  CHECK_INT(49, API(PrnDrawBMP)(0, 10.0, 5.0, 0.0, 0.0, "C:\\no\\such.bmp"));
  CHECK_INT(49, API(PrnDrawPCX)(0, 10.0, 5.0, 0.0, 0.0, "C:\\no\\such.pcx"));
  API(PrnEnd)();
}

const struct CheckCase kPictureChecks[] = {
    {"APictureByItsWindowsPath", APictureByItsWindowsPath},
    {"APictureWithANonAsciiName", APictureWithANonAsciiName},
    {"MissingPictures", MissingPictures},
    {NULL, NULL},
};
