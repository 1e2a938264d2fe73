"""The C functions' prototypes, declared once.

tests/test_declarations.py checks this table against include/vxclcmd.h, so a
new export cannot be left out.
"""
from __future__ import annotations

import ctypes
from ctypes import POINTER, c_char, c_char_p, c_double, c_int, c_uint
from typing import Any

_str = c_char_p  # const char * (and the byte buffers the library fills)
_int = c_int
_uint = c_uint
_mm = c_double
_ch = c_char
_strs = POINTER(c_char_p)  # const char **: the address of a string pointer
_intp = POINTER(c_int)

# name: (result type, argument types)
DECLARATIONS: dict[str, tuple[Any, tuple[Any, ...]]] = {
    "PrnInit": (_int, (_str, _int, _int, _mm, _mm, _mm)),
    "PrnInitESeries": (_int, (_str, _int, _int, _mm, _mm, _mm)),
    "PrnDrawBMP": (_int, (_int, _mm, _mm, _mm, _mm, _str)),
    "PrnDrawPCX": (_int, (_int, _mm, _mm, _mm, _mm, _str)),
    "PrnInitCX208": (_int, (_str,) + (_int,) * 8 + (_mm, _mm, _mm)),
    "PrnInitCT400": (_int, (_str, _ch) + (_int,) * 7 + (_mm, _mm, _mm)),
    "PrnCXCalibrate": (_int, (_str, _mm) + (_int,) * 6),
    "PrnCTDefault": (_int, (_str,) + (_int,) * 21),
    "PrnDrawLine": (_int, (_mm, _mm, _uint, _int, _mm)),
    "PrnDrawBox": (_int, (_mm, _mm, _int, _int, _mm, _mm)),
    "PrnReverseImage": (_int, (_mm, _mm, _mm, _mm)),
    "PrnInternalFont": (_int, (_uint, _mm, _mm, _str, _int, _int, _int, _str)),
    "PrnVectorFont": (_int, (_uint, _mm, _mm, _ch, _int, _int, _int, _int, _str)),
    "PrnAGFARasterFont": (_int, (_uint, _mm, _mm, _ch, _uint, _int, _int, _int, _str)),
    "PrnTrueTypeFont": (_int, (_int, _mm, _mm, _str) + (_int,) * 8 + (_mm, _str)),
    "PrnBarcode": (_int, (_int, _mm, _mm, _ch, _int, _int, _mm, _str)),
    "PrnVariableBarcode": (_int, (_int, _mm, _mm, _ch) + (_int,) * 5 + (_mm, _str)),
    "PrnUCC128": (_int, (_int, _mm, _mm, _int, _int, _mm, _str)),
    "PrnEAN128": (_int, (_int, _mm, _mm, _int, _mm, _str)),
    "PrnPDF417": (_int, (_int, _mm, _mm) + (_int,) * 6 + (_strs,)),
    "PrnDataMatrix": (_int, (_int, _mm, _mm) + (_int,) * 6 + (_strs,)),
    "PrnQty": (_int, (_int,)),
    "PrnCutter": (_int, (_int, _int, _int)),
    "PrnEnd": (_int, ()),
    "VxclBeginBatch": (_int, ()),
    "VxclEndBatch": (_int, ()),
    "VxclCancelBatch": (_int, ()),
    "VxclAddVirtualPrinter": (_int, (_str, _int, _int, _int)),
    "VxclRemoveVirtualPrinter": (_int, (_str,)),
    "VxclVirtualJobCount": (_int, (_str,)),
    "VxclVirtualJob": (_int, (_str, _int, _str, _int)),
    "VxclVirtualJobName": (_int, (_str, _int, _str, _int)),
    "VxclLastError": (_int, (_str, _int)),
    "VxclVirtualJobPreview": (_int, (_str, _int, _str)),
    "VxclPreviewStream": (_int, (_str, _int, _int, _mm, _mm, _mm, _str)),
    "VxclPreviewWarnings": (_int, (_str, _int)),
    "VxclPrinterCount": (_int, ()),
    "VxclPrinterName": (_int, (_int, _str, _int)),
    "VxclPrinterMetrics": (_int, (_str, _intp, _intp, _intp)),
    "VxclVersion": (_int, ()),
    "VxclSetTextEncoding": (_int, (_str,)),
    "VxclSetSpoolerTimeout": (_int, (_int,)),
    "VxclPreviewFindingCount": (_int, ()),
    "VxclPreviewFinding": (_int, (_int, _intp, _int, _str, _int)),
}

# The Python names of the label calls' arguments, in the C order, for
# messages about wrong values.
PARAMETERS: dict[str, tuple[str, ...]] = {call: tuple(names.split()) for call, names in {
    "PrnDrawBMP": "rotation x y width height path",
    "PrnDrawPCX": "rotation x y width height path",
    "PrnDrawLine": "x y vertical width length",
    "PrnDrawBox": "x y line_width side_line_width width height",
    "PrnReverseImage": "x y width height",
    "PrnInternalFont": "direction x y font h_expansion v_expansion pitch text",
    "PrnVectorFont": "direction x y font_type width height variation pitch text",
    "PrnAGFARasterFont": "direction x y font_type option width height pitch text",
    "PrnTrueTypeFont": "rotation x y font size_pt char_width char_height weight "
                       "italic underline strike_out align align_offset_mm text",
    "PrnBarcode": "direction x y type ratio narrow height_mm data",
    "PrnVariableBarcode": "direction x y type narrow_space wide_space narrow_bar "
                          "wide_bar expansion height_mm data",
    "PrnUCC128": "direction x y narrow mode height_mm data",
    "PrnEAN128": "direction x y narrow height_mm data",
    "PrnPDF417": "direction x y variant module_width row_height security columns "
                 "rows data",
    "PrnDataMatrix": "direction x y format_id ecc cell_width cell_height "
                     "symbol_flag option data",
    "PrnCutter": "every e_series_count e_series_flag",
}.items()}

_calls: dict[int, dict[str, tuple[Any, tuple[int, ...]]]] = {}


def label_calls(library: ctypes.CDLL) -> dict[str, tuple[Any, tuple[int, ...]]]:
    """Each label call's function and the positions of its int arguments."""
    key = id(library)
    if key not in _calls:
        _calls[key] = {
            call: (getattr(library, call),
                   tuple(n for n, kind in enumerate(arguments) if kind in (_int, _uint)))
            for call, (_, arguments) in DECLARATIONS.items() if call in PARAMETERS}
    return _calls[key]

# Exports a library may lack (older builds); they are bound when present.
OPTIONAL: frozenset[str] = frozenset()


def declare(library: ctypes.CDLL) -> ctypes.CDLL:
    """Sets every prototype on the loaded library; returns it."""
    for name, (result, arguments) in DECLARATIONS.items():
        try:
            function = getattr(library, name)
        except AttributeError:
            if name in OPTIONAL:
                continue
            raise
        function.restype = result
        function.argtypes = arguments
    return library
