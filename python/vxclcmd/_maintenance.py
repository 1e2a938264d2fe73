"""The CX208 and CT400 maintenance jobs, sent at once."""
from __future__ import annotations

from typing import Any, Sequence

from . import _values as v
from ._job import SLOT
from ._label import _pair
from ._loader import library
from ._outcome import check

# Results after which nothing was sent and an open label stays open.
_NOT_SENT = {"PrnCXCalibrate": (0, 4), "PrnCTDefault": (0,)}


def _send(call: str, *args: Any) -> None:
    lib = library()
    if SLOT.held_here():
        # The library closes this thread's open label once the job is sent.
        label = SLOT.holder
        result = getattr(lib, call)(*args)
        if result not in _NOT_SENT[call]:
            SLOT.give_back(label)
    else:
        SLOT.acquire_free()  # another thread's label ends first
        try:
            result = getattr(lib, call)(*args)
        finally:
            SLOT.release_free()
    check(call, result, stacklevel=4)


def cx_calibrate(printer: v.Text, *, label_height_mm: float, cp: int = 1,
                 ci: int = 0, ce: int = 0, cd: tuple[int, int] = (200, 3300),
                 cb: int = 19) -> None:
    """Sends a calibration job to a SATO CX printer at once
    (PrnCXCalibrate): the label height in mm (not checked) and the CX208's
    "CP", "CI", "CE", "CD" and "CB" settings (defaults: the library's).
    An open label of this thread is closed once the job was sent."""
    cd1, cd2 = _pair(cd, "cd")
    _send("PrnCXCalibrate", v.text(printer, "printer"),
          v.mm(label_height_mm, "label_height_mm"), v.integer(cp, "cp"),
          v.integer(ci, "ci"), v.integer(ce, "ce"), cd1, cd2, v.integer(cb, "cb"))


def ct_defaults(printer: v.Text, settings: Sequence[int]) -> None:
    """Sends a SATO CT printer its 21 default settings at once, as one "PG"
    record (PrnCTDefault); settings[0] is setting 1. A value out of range is
    replaced by the library's default and warns."""
    if isinstance(settings, (str, bytes)) or len(settings) != 21:
        raise ValueError(f"settings must be 21 ints, not {settings!r}")
    values = [v.integer(s, f"setting {n}") for n, s in enumerate(settings, 1)]
    _send("PrnCTDefault", v.text(printer, "printer"), *values)
