"""The Python shipping label prints the bytes the script prints."""
from __future__ import annotations

import importlib.util
import os
import subprocess
from pathlib import Path

from conftest import ROOT

import vxclcmd as vx


def test_python_example_prints_the_scripts_bytes(tmp_path: Path) -> None:
    subprocess.run([os.environ["VXLABEL"], "run", str(ROOT / "examples/shipping_label.vxl"),
                    "--out", str(tmp_path)], check=True, capture_output=True, cwd=ROOT)
    from_c = (tmp_path / "1.prn").read_bytes()

    module_spec = importlib.util.spec_from_file_location(
        "shipping_label", ROOT / "python/examples/shipping_label.py")
    assert module_spec and module_spec.loader
    example = importlib.util.module_from_spec(module_spec)
    module_spec.loader.exec_module(example)
    with vx.VirtualPrinter("Label Printer") as printer:
        example.print_shipping_label("Label Printer")
        assert printer.jobs == [from_c]
        assert printer.job_names == ["Label Printer Job"]
