"""Label: one label job, from its job start to PrnEnd."""
from __future__ import annotations

import ctypes
import warnings
from types import TracebackType
from typing import Any, Optional, Sequence, Type, Union

from . import _values as v
from ._enums import Align, Barcode, Ratio
from ._declarations import label_calls
from ._job import SLOT
from ._loader import library
from ._outcome import LabelError, LabelWarning, check, meaning, message_for

_OPENED = ("SUCCESS", "WARNING")


class Label:
    """A label job for a CL/CLe (or, with e_series=True, an e-series) printer.

    Positions and sizes are millimetres (int or float) from the label's
    top-left corner; line widths, character sizes and module sizes are
    printer dots. Texts are str (encoded as the library expects: UTF-8, or
    the system code page on Windows) or bytes (sent unchanged).

    Use it as a context manager: the job is sent when the block ends and
    dropped unsent when the block raises. Without ``with``, call end() or
    discard(). One label is open at a time in a process: a label started in
    another thread waits until this one ends.

    A refused call raises LabelError; a call whose argument the library
    replaced warns LabelWarning (the element was still added).
    """

    def __init__(self, printer: v.Text, *, width_mm: float, height_mm: float,
                 darkness: int, speed: int, shift_mm: float = 0.0,
                 e_series: bool = False) -> None:
        """Opens the job (PrnInit, or PrnInitESeries). darkness and speed are
        sent as given; shift_mm moves every horizontal position."""
        self._start("PrnInitESeries" if e_series else "PrnInit",
                    v.text(printer, "printer"), v.integer(darkness, "darkness"),
                    v.integer(speed, "speed"), v.mm(width_mm, "width_mm"),
                    v.mm(height_mm, "height_mm"), v.mm(shift_mm, "shift_mm"))

    @classmethod
    def cx208(cls, printer: v.Text, *, width_mm: float, height_mm: float,
              darkness: int, speed: int, cp: int = 1, ci: int = 0, ce: int = 0,
              cd: tuple[int, int] = (200, 3300), cb: int = 19,
              shift_mm: float = 0.0) -> "Label":
        """Opens a label job for a SATO CX208 (PrnInitCX208) with its "CP"
        (0..1), "CI" (0..2), "CE" (0..1), "CD" (0..400, 0..6000) and "CB"
        (-98..98) settings; the defaults are the library's. Quantities are
        limited to 65535."""
        label = cls.__new__(cls)
        cd1, cd2 = _pair(cd, "cd")
        label._start("PrnInitCX208", v.text(printer, "printer"),
                     v.integer(darkness, "darkness"), v.integer(speed, "speed"),
                     v.integer(cp, "cp"), v.integer(ci, "ci"), v.integer(ce, "ce"),
                     cd1, cd2, v.integer(cb, "cb"), v.mm(width_mm, "width_mm"),
                     v.mm(height_mm, "height_mm"), v.mm(shift_mm, "shift_mm"))
        return label

    @classmethod
    def ct400(cls, printer: v.Text, *, width_mm: float, height_mm: float,
              darkness: int, speed: int, darkness_letter: v.Text = "A",
              ph: int = 0, pm: int = 1, ye: int = 0, ig: int = 0, po: int = 19,
              shift_mm: float = 0.0) -> "Label":
        """Opens a label job for a SATO CT400 (PrnInitCT400): darkness_letter
        "A".."F", "PH" 0..1, "PM" 0..8, "YE" 0..1, "IG" 0..2 and "PO" -99..99;
        the defaults are the library's."""
        label = cls.__new__(cls)
        label._start("PrnInitCT400", v.text(printer, "printer"),
                     v.letter(darkness_letter, "darkness_letter"),
                     v.integer(darkness, "darkness"), v.integer(speed, "speed"),
                     v.integer(ph, "ph"), v.integer(pm, "pm"), v.integer(ye, "ye"),
                     v.integer(ig, "ig"), v.integer(po, "po"),
                     v.mm(width_mm, "width_mm"), v.mm(height_mm, "height_mm"),
                     v.mm(shift_mm, "shift_mm"))
        return label

    # The job. -----------------------------------------------------------

    def _start(self, call: str, *args: Any) -> None:
        self._quantity = 1
        self._lib = library()
        self._calls = label_calls(self._lib)
        SLOT.take(self)
        result = 0
        try:
            result = getattr(self._lib, call)(*args)
            check(call, result, stacklevel=4)
        except BaseException:
            if meaning(call, result)[0] in _OPENED:
                self._lib.PrnEnd()  # no quantity yet: closed unsent
            SLOT.give_back(self)
            raise

    def _add(self, call: str, *args: Any) -> None:
        # Numbers go to ctypes as they are: it refuses wrong types, and only
        # the 32-bit range of ints is checked here (ctypes would cut them).
        function, ints = self._calls[call]
        if SLOT.holder is not self:
            raise RuntimeError(f"{call}: this label's job is no longer open")
        try:
            for position in ints:
                if not -0x80000000 <= args[position] <= 0x7FFFFFFF:
                    raise OverflowError
            result = function(*args)
        except (TypeError, OverflowError, ctypes.ArgumentError):
            raise v.explain(call, args) from None
        if result != 1:
            check(call, result, stacklevel=4)

    @property
    def is_open(self) -> bool:
        """Whether the job is open (not yet ended, discarded or closed)."""
        return SLOT.holder is self

    @property
    def quantity(self) -> int:
        """The number of labels to print (default 1); sent when the job ends.
        0..999999 (0..65535 on the CX208): a larger one warns and prints 1."""
        return self._quantity

    @quantity.setter
    def quantity(self, value: int) -> None:
        value = v.integer(value, "quantity")
        if value < 0:
            raise ValueError(f"quantity {value} is negative")
        self._quantity = value

    def cut(self, every: int = 1, *, e_series_count: int = 0,
            e_series_flag: bool = False) -> None:
        """Cuts after every `every` labels (0: no cut). In e-series jobs a
        positive e_series_count (with every 0) and e_series_flag add the
        e-series options (PrnCutter). The last call wins."""
        self._add("PrnCutter", every, e_series_count, e_series_flag)

    def end(self) -> None:
        """Sets the quantity and sends the job (PrnQty, PrnEnd); the job is
        closed in any case. Raises LabelError when it was not sent."""
        if SLOT.holder is not self:
            raise RuntimeError("PrnEnd: this label's job is no longer open")
        try:
            quantity = self._lib.PrnQty(self._quantity)
            quantity_text = (message_for("PrnQty", quantity, meaning("PrnQty", quantity))
                             if quantity != 1 else "")
            result = self._lib.PrnEnd()
        finally:
            SLOT.give_back(self)
        if quantity != 1:
            _warn_or_raise("PrnQty", quantity, quantity_text)
        check("PrnEnd", result, stacklevel=3)

    def discard(self) -> None:
        """Closes the job without sending anything. Does nothing when closed."""
        if SLOT.holder is self:
            try:
                self._lib.PrnEnd()  # no quantity given: nothing is sent
            finally:
                SLOT.give_back(self)

    def __enter__(self) -> "Label":
        return self

    def __exit__(self, kind: Optional[Type[BaseException]],
                 error: Optional[BaseException],
                 trace: Optional[TracebackType]) -> None:
        if kind is not None:
            self.discard()
        elif SLOT.holder is self:
            self.end()

    # Lines, boxes and reversed areas. ------------------------------------

    def line(self, x: float, y: float, length: float, *, vertical: bool = False,
             width: int = 1) -> None:
        """A horizontal (or vertical) line from (x, y) mm, length mm long and
        width dots (1..99) wide (PrnDrawLine)."""
        self._add("PrnDrawLine", x, y, vertical, width, length)

    def box(self, x: float, y: float, width: float, height: float, *,
            line_width: int = 1, side_line_width: Optional[int] = None) -> None:
        """The outline of a box, top-left corner (x, y), width x height mm.
        line_width is in dots (1..99); side_line_width, the left and right
        lines' width, defaults to it (PrnDrawBox)."""
        side = line_width if side_line_width is None else side_line_width
        self._add("PrnDrawBox", x, y, line_width, side, width, height)

    def reverse(self, x: float, y: float, width: float, height: float) -> None:
        """Inverts the area of width x height mm at (x, y) (PrnReverseImage)."""
        self._add("PrnReverseImage", x, y, width, height)

    # Pictures. -----------------------------------------------------------

    def bmp(self, x: float, y: float, path: v.PathLike, *, width: float = 0.0,
            height: float = 0.0, rotation: int = 0) -> None:
        """A BMP picture with its top-left corner at (x, y) mm, scaled to
        width x height mm when both are non-zero (else one pixel a dot);
        rotation 0..3 or 90, 180, 270 (PrnDrawBMP)."""
        self._add("PrnDrawBMP", rotation, x, y, width, height, v.path(path, "path"))

    def pcx(self, x: float, y: float, path: v.PathLike, *, width: float = 0.0,
            height: float = 0.0, rotation: int = 0) -> None:
        """As bmp(), for a PCX or SCR picture (PrnDrawPCX)."""
        self._add("PrnDrawPCX", rotation, x, y, width, height, v.path(path, "path"))

    # Printer fonts. --------------------------------------------------------

    def text(self, x: float, y: float, text: v.Text, *, font: v.Text = "U",
             h_expansion: int = 1, v_expansion: int = 1, pitch: int = 0,
             direction: int = 0) -> None:
        """Text in a printer bitmap font at (x, y) mm: font is the font
        command without ESC ("U", "S", "M", "XM", "WB1"...); expansions
        1..12; pitch 0..99 dots; direction 0..3 quarter turns
        (PrnInternalFont). The printer reads the bytes in its own code page:
        pass bytes for characters beyond ASCII."""
        self._add("PrnInternalFont", direction, x, y, v.text(font, "font"),
                  h_expansion, v_expansion, pitch, v.text(text, "text"))

    def vector_text(self, x: float, y: float, text: v.Text, *,
                    width: int = 50, height: int = 50, font_type: v.Text = "A",
                    variation: int = 0, pitch: int = 0, direction: int = 0) -> None:
        """Text in the printer's vector font: font_type "A" or "B",
        character width and height in dots (50..999), variation 0..9,
        pitch 0..99 dots (PrnVectorFont)."""
        self._add("PrnVectorFont", direction, x, y, v.letter(font_type, "font_type"),
                  width, height, variation, pitch, v.text(text, "text"))

    def agfa_text(self, x: float, y: float, text: v.Text, *, width: int = 16,
                  height: int = 16, font_type: v.Text = "A", option: int = 0,
                  pitch: int = 0, direction: int = 0) -> None:
        """Text in the printer's AGFA raster font: font_type "A" or "B",
        option 0 or 1, character width and height in dots (16..999), pitch
        0..99 dots (PrnAGFARasterFont)."""
        self._add("PrnAGFARasterFont", direction, x, y,
                  v.letter(font_type, "font_type"), option, width, height, pitch,
                  v.text(text, "text"))

    # TrueType text. --------------------------------------------------------

    def truetype(self, x: float, y: float, text: v.Text, *,
                 font: Optional[v.Text] = None, size_pt: int = 10,
                 char_width: int = 0, char_height: int = 0,
                 bold: bool = False, weight: Optional[int] = None,
                 italic: bool = False, underline: bool = False,
                 strike_out: bool = False, rotation: int = 0,
                 align: Union[Align, int] = Align.AT_X,
                 align_offset_mm: float = 0.0) -> None:
        """Text in an installed font, drawn by the library as a graphic with
        its top-left corner at (x, y) mm (PrnTrueTypeFont).

        size_pt is in points at 96 pixels per inch; char_width and
        char_height (dots, both positive) set the character cell instead.
        font None is the default sans-serif face. bold is weight 7; weight is
        in hundreds (4 normal, 0 the font's own). rotation 0..3 or 90, 180,
        270 (counter-clockwise). Note the library's rule: a text with no turn,
        style, weight or cell size is drawn plain.
        """
        if bold and weight is not None:
            raise ValueError("give bold or weight, not both")
        self._add("PrnTrueTypeFont", rotation, x, y, v.optional_text(font, "font"),
                  size_pt, char_width, char_height,
                  7 if bold else (0 if weight is None else weight),
                  italic, underline, strike_out, align, align_offset_mm,
                  v.text(text, "text"))

    # Barcodes. -------------------------------------------------------------

    def barcode(self, x: float, y: float, data: v.Text, *,
                type: Union[Barcode, str], height_mm: float = 10.0,
                narrow: int = 2, ratio: Union[Ratio, int] = Ratio.R1_2,
                direction: int = 0) -> None:
        """A barcode at (x, y) mm: type a Barcode or its letter, bars
        height_mm high, the narrow bar narrow dots (1..12) wide, ratio
        1 (1:2), 2 (1:3) or 3 (2:5); direction 0..3 (PrnBarcode)."""
        self._add("PrnBarcode", direction, x, y, v.letter(type, "type"), ratio,
                  narrow, height_mm, v.text(data, "data"))

    def code128(self, x: float, y: float, data: v.Text, *, height_mm: float = 10.0,
                narrow: int = 2, direction: int = 0) -> None:
        """Code 128 with automatic code sets (barcode type "G")."""
        self._add("PrnBarcode", direction, x, y, b"G", 1, narrow,
                  height_mm, v.text(data, "data"))

    def variable_barcode(self, x: float, y: float, data: v.Text, *,
                         type: Union[Barcode, str],
                         widths: Sequence[int] = (2, 4, 2, 4),
                         expansion: int = 1, height_mm: float = 10.0,
                         direction: int = 0) -> None:
        """A barcode with its element widths in dots (1..99): narrow space,
        wide space, narrow bar, wide bar; expansion 1..12
        (PrnVariableBarcode)."""
        if isinstance(widths, (str, bytes)) or len(widths) != 4:
            raise ValueError(f"widths must be four dot widths, not {widths!r}")
        self._add("PrnVariableBarcode", direction, x, y, v.letter(type, "type"),
                  *widths, expansion, height_mm, v.text(data, "data"))

    def ucc128(self, x: float, y: float, data: v.Text, *, height_mm: float = 10.0,
               narrow: int = 2, mode: int = 2, direction: int = 0) -> None:
        """A UCC-128 symbol from exactly 17 characters; mode 0 no text,
        1 text above, 2 text below (PrnUCC128)."""
        self._add("PrnUCC128", direction, x, y, narrow, mode, height_mm,
                  v.text(data, "data"))

    def ean128(self, x: float, y: float, data: v.Text, *, height_mm: float = 10.0,
               narrow: int = 2, direction: int = 0) -> None:
        """An EAN-128 symbol from "(AI)value" groups, such as
        "(01)12345678901231(10)ABC123" (PrnEAN128)."""
        self._add("PrnEAN128", direction, x, y, narrow, height_mm, v.text(data, "data"))

    def pdf417(self, x: float, y: float, data: v.Text, *, variant: int = 0,
               module_width: int = 3, row_height: int = 4, security: int = 1,
               columns: int = 0, rows: int = 0, direction: int = 0) -> None:
        """A PDF417 symbol: variant 0 standard, 1 truncated, 2 micro; module
        width 3..9 and row height 4..24 dots; security level 1..8; columns
        0..30 and rows 0 or 3..40 (0: the printer chooses). "&h01".."&h1F"
        in the data become control bytes (PrnPDF417)."""
        pointer = ctypes.c_char_p(v.text(data, "data"))
        self._add("PrnPDF417", direction, x, y, variant, module_width, row_height,
                  security, columns, rows, ctypes.byref(pointer))

    def data_matrix(self, x: float, y: float, data: v.Text, *, ecc: int = 20,
                    cell_width: int = 5, cell_height: int = 5, format_id: int = 1,
                    symbol_flag: bool = False, option: int = 1,
                    direction: int = 0) -> None:
        """A Data Matrix symbol: ecc 0, 5, 8, 10, 14 or 20 (ECC 000 to
        ECC 200 in tens); cell width and height 3..12 dots; format_id ending
        in 1..6; option 1..15 (PrnDataMatrix)."""
        pointer = ctypes.c_char_p(v.text(data, "data"))
        self._add("PrnDataMatrix", direction, x, y, format_id, ecc, cell_width,
                  cell_height, symbol_flag, option, ctypes.byref(pointer))


def _pair(value: tuple[int, int], name: str) -> tuple[int, int]:
    if not isinstance(value, (tuple, list)) or len(value) != 2:
        raise ValueError(f"{name} must be two ints, not {value!r}")
    return v.integer(value[0], name), v.integer(value[1], name)


def _warn_or_raise(call: str, value: int, text: str) -> None:
    if meaning(call, value)[0] == "WARNING":
        warnings.warn(LabelWarning(call, value, text), stacklevel=3)
    else:
        raise LabelError(call, value, text)
