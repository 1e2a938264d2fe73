#!/usr/bin/python3
"""A 1,000-element label built from Python beside the same label built from
C (label_build_bench), in one run:

  bench/python_label_bench.py [BUILD_DIR]     (default build/, with
                                               -DVXCL_BUILD_BENCH=ON)

Both send the label to a virtual printer; the script checks that the two
jobs are the same bytes and prints microseconds of processor time per label
(the best of five rounds each, taken in turns, so that other load on the
machine weighs on both alike) and the ratio.
"""
import json
import os
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
BUILD = Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / "build").resolve()
os.environ.setdefault("VXCLCMD_LIBRARY", str(BUILD / "src" / "libvxclcmd.so"))
sys.path.insert(0, str(ROOT / "python"))

import vxclcmd as vx  # noqa: E402

PRINTER = "python-label-bench"


def build_label() -> None:
    with vx.Label(PRINTER, width_mm=100, height_mm=150, darkness=3, speed=4) as label:
        for i in range(250):
            y = (i % 100) * 1.0
            text = f"Item {i}"
            label.line(2.0, y, 96.0, width=2)
            label.box(2.0, y, 40.0, 10.0)
            label.text(4.0, y, text, font="U")
            label.barcode(50.0, y, text, type=vx.Barcode.CODE128, narrow=2, height_mm=10.0)


def python_microseconds(seconds: float = 1.0) -> tuple[float, bytes]:
    printer = vx.VirtualPrinter(PRINTER)
    build_label()
    job = printer.jobs[0]
    count, start = 0, time.process_time()
    while time.process_time() - start < seconds:
        build_label()
        count += 1
        if count % 200 == 0:  # the printer keeps every job: start afresh
            printer.close()
            printer = vx.VirtualPrinter(PRINTER)
    elapsed = time.process_time() - start
    printer.close()
    return elapsed / count * 1e6, job


def c_microseconds() -> float:
    out = subprocess.run([str(BUILD / "bench" / "label_build_bench"),
                          "--benchmark_format=json", "--benchmark_min_time=1"],
                         check=True, capture_output=True, text=True).stdout
    return float(json.loads(out)["benchmarks"][0]["cpu_time"])


def c_job() -> bytes:
    lib = vx.native()
    with vx.VirtualPrinter(PRINTER) as printer:
        lib.PrnInit(PRINTER.encode(), 3, 4, 100.0, 150.0, 0.0)
        for i in range(250):
            y, text = (i % 100) * 1.0, f"Item {i}".encode()
            lib.PrnDrawLine(2.0, y, 0, 2, 96.0)
            lib.PrnDrawBox(2.0, y, 1, 1, 40.0, 10.0)
            lib.PrnInternalFont(0, 4.0, y, b"U", 1, 1, 0, text)
            lib.PrnBarcode(0, 50.0, y, b"G", 1, 2, 10.0, text)
        lib.PrnQty(1)
        lib.PrnEnd()
        return printer.jobs[0]


def main() -> None:
    c_rounds, python_rounds = [], []
    for _ in range(5):
        c_rounds.append(c_microseconds())
        python, job = python_microseconds()
        python_rounds.append(python)
    c, python = min(c_rounds), min(python_rounds)
    if job != c_job():
        sys.exit("the Python label's bytes differ from the C label's")
    print(f"1,000-element label: C {c:.0f} us, Python {python:.0f} us, "
          f"Python / C = {python / c:.2f}")


if __name__ == "__main__":
    main()
