"""Runs against the library named by VXCLCMD_LIBRARY (the CTest sets it),
else the one in the source tree's build/."""
from __future__ import annotations

import itertools
import os
import sys
from pathlib import Path
from typing import Iterator

import pytest

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "python"))
BUILD = Path(os.environ.get("VXCL_BUILD_DIR", ROOT / "build"))
os.environ.setdefault("VXCLCMD_LIBRARY", str(BUILD / "src" / "libvxclcmd.so"))
os.environ.setdefault("VXLABEL", str(BUILD / "tools" / "vxlabel" / "vxlabel"))

import vxclcmd as vx  # noqa: E402

_names = itertools.count()


@pytest.fixture
def printer() -> Iterator[vx.VirtualPrinter]:
    """A fresh 203 dpi virtual printer, 104 mm head, 1000 mm long."""
    with vx.VirtualPrinter(f"py-test-{os.getpid()}-{next(_names)}") as virtual:
        yield virtual


def label(printer: vx.VirtualPrinter, **settings: object) -> vx.Label:
    return vx.Label(printer.name, **{"width_mm": 100, "height_mm": 50,
                                     "darkness": 3, "speed": 4, **settings})


def body(job: bytes) -> bytes:
    """A CL job's elements: between the second STX ESC "A" and the quantity."""
    start = job.index(b"\x02\x1bA", 1) + 3
    return job[start:job.rindex(b"\x1bQ")]
