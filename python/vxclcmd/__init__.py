"""vxclcmd: SATO label printing from Python, over the vxclcmd C library.

    import vxclcmd as vx
    with vx.Label("SATO_CL4NX", width_mm=100, height_mm=150, darkness=3, speed=4) as label:
        label.box(2, 2, 96, 146, line_width=3)
        label.code128(6, 40, "1Z999AA10123456784", height_mm=15)

Millimetres for positions and sizes, dots for line widths and character
sizes. LabelError for a refused call, LabelWarning for a replaced argument.
vxclcmd.native is the loaded C library itself, every prototype declared.
"""
from __future__ import annotations

import ctypes

from ._batch import Batch
from ._enums import Align, Barcode, Pdf417Variant, Ratio, Ucc128Text
from ._label import Label
from ._loader import ENVIRONMENT_VARIABLE, LibraryNotFoundError, library
from ._maintenance import ct_defaults, cx_calibrate
from ._outcome import LabelError, LabelWarning, last_error
from ._printers import Printer, __version__, printer_metrics, printers, version
from ._results import Result
from ._virtual import VirtualPrinter, preview_stream

__all__ = [
    "Align", "Barcode", "Batch", "ENVIRONMENT_VARIABLE", "Label", "LabelError", "LabelWarning",
    "LibraryNotFoundError", "Pdf417Variant", "Printer", "Ratio", "Result",
    "Ucc128Text", "VirtualPrinter", "__version__", "ct_defaults", "cx_calibrate",
    "last_error", "native", "preview_stream", "printer_metrics", "printers",
    "version",
]


def native() -> ctypes.CDLL:
    """The C library, loaded on first use, with every prototype declared."""
    return library()
