"""Named values for the library's letters and numbers."""
from __future__ import annotations

from enum import Enum, IntEnum


class Barcode(str, Enum):
    """PrnBarcode's type letters by name; the raw letter ("G") works as well."""

    CODABAR = "0"
    CODE39 = "1"  # "*" start and stop added unless the data has them
    INTERLEAVED_2OF5 = "2"
    EAN13 = "3"  # also UPC-A (11 or 12 digits)
    EAN8 = "4"
    INDUSTRIAL_2OF5 = "5"
    MATRIX_2OF5 = "6"
    MSI = "A"
    CODE93 = "C"
    UPC_E = "E"
    EAN_ADDON = "F"  # the 2- or 5-digit add-on
    CODE128 = "G"  # automatic code sets
    CODE128_A = "X"  # data sent as given after a code set A start
    CODE128_B = "Y"
    CODE128_C = "Z"


class Ratio(IntEnum):
    """Narrow to wide bar ratio of PrnBarcode."""

    R1_2 = 1
    R1_3 = 2
    R2_5 = 3


class Align(IntEnum):
    """Where PrnTrueTypeFont puts the text (each moved by align_offset_mm)."""

    AT_X = 0
    LABEL_LEFT = 1
    LABEL_CENTER = 2
    HEAD_RIGHT = 3  # flush with the print head's right edge


class Pdf417Variant(IntEnum):
    STANDARD = 0
    TRUNCATED = 1
    MICRO = 2


class Ucc128Text(IntEnum):
    """Where PrnUCC128 prints the human-readable text."""

    NONE = 0
    ABOVE = 1
    BELOW = 2
