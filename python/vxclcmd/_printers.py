"""The printers the library sees, and its version."""
from __future__ import annotations

import ctypes
from dataclasses import dataclass
from typing import Optional

from . import _values as v
from ._loader import library
from ._outcome import HOST_ENCODING, LabelError, last_error
from ._virtual import _read

__version__ = "0.1.0"


@dataclass(frozen=True)
class Printer:
    """A printer a job start can name, with what a job start would use:
    dots per millimetre and the widest and longest printable area in dots
    (None when the printer cannot report them)."""

    name: str
    dots_per_mm: Optional[int]
    max_width_dots: Optional[int]
    max_length_dots: Optional[int]

    @property
    def max_width_mm(self) -> Optional[float]:
        if self.dots_per_mm is None or self.max_width_dots is None:
            return None
        return self.max_width_dots / self.dots_per_mm

    @property
    def max_length_mm(self) -> Optional[float]:
        if self.dots_per_mm is None or self.max_length_dots is None:
            return None
        return self.max_length_dots / self.dots_per_mm


def printer_metrics(name: v.Text) -> Printer:
    """Looks a printer up as a job start does (VxclPrinterMetrics); raises
    LabelError when it is not found or cannot be used."""
    data = v.text(name, "name")
    dots, width, length = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
    if library().VxclPrinterMetrics(data, ctypes.byref(dots), ctypes.byref(width),
                                    ctypes.byref(length)) != 1:
        shown = data.decode(HOST_ENCODING, errors="replace")
        raise LabelError("VxclPrinterMetrics", 0,
                         f"VxclPrinterMetrics: printer {shown!r} not found or unusable"
                         + (f": {last_error()}" if last_error() else ""))
    return Printer(data.decode(HOST_ENCODING, errors="replace"),
                   dots.value, width.value, length.value)


def printers() -> list[Printer]:
    """The virtual printers, then the system's (CUPS destinations on Linux),
    with their metrics. Raises LabelError when no printer list can be read."""
    lib = library()
    count = int(lib.VxclPrinterCount())
    if count < 0:
        raise LabelError("VxclPrinterCount", count,
                         "VxclPrinterCount: the printer list cannot be read"
                         + (f": {last_error()}" if last_error() else ""))
    found = []
    for index in range(count):
        try:
            raw = _read(lambda b, n: int(lib.VxclPrinterName(index, b, n)), True)
        except LookupError:
            continue  # the list shrank meanwhile
        try:
            found.append(printer_metrics(raw))
        except LabelError:
            found.append(Printer(raw.decode(HOST_ENCODING, errors="replace"),
                                 None, None, None))
    return found


def version() -> str:
    """The library's version, "MAJOR.MINOR.PATCH" (VxclVersion). A library
    without VxclVersion is taken to be this package's version."""
    try:
        number = int(library().VxclVersion())
    except AttributeError:
        return __version__
    return f"{number // 1000000}.{number // 1000 % 1000}.{number % 1000}"
