"""Every element family and job start through the Pythonic API, read back
from the bytes a virtual printer received."""
from __future__ import annotations

from typing import Any, Callable

import pytest
from conftest import ROOT, label

import vxclcmd as vx

AT = b"\x1bH40\x1bV16"  # (1 mm, 2 mm) on a 100 mm label, 104 mm head, 8 dots/mm
ELEMENTS: list[tuple[Callable[[vx.Label], None], bytes]] = [
    (lambda l: l.line(1, 2, 10, vertical=True, width=4), b"\x1b%0" + AT + b"\x1bFW04V0080"),
    (lambda l: l.box(1, 2, 20, 10, line_width=3, side_line_width=5),
     b"\x1b%0" + AT + b"\x1bFW0305H0160V0080"),
    (lambda l: l.reverse(1, 2, 20, 10), b"\x1b%0" + AT + b"\x1b(160,80"),
    (lambda l: l.bmp(1, 2, ROOT / "examples/logo.bmp", width=4, height=2, rotation=2),
     b"\x1b%2" + AT + b"\x1bGB005003\xff\xff\xff\xff\x00"),
    (lambda l: l.pcx(1, 2, str(ROOT / "examples/logo.pcx"), width=4, height=2),
     b"\x1b%0" + AT + b"\x1bGB005003\xff\xff\xff\xff\x00"),
    (lambda l: l.text(1, 2, "Hi", font="XM", h_expansion=2, v_expansion=3, pitch=4,
                      direction=1), b"\x1b%1" + AT + b"\x1bL0203\x1bP04\x1bXMHi"),
    (lambda l: l.vector_text(1, 2, "Hi", font_type="B", width=60, height=70, variation=3,
                             pitch=5, direction=2), b"\x1b%2" + AT + b"\x1bP05\x1b$B,60,70,3\x1b$=Hi"),
    (lambda l: l.agfa_text(1, 2, b"Hi", font_type="B", option=1, width=20, height=30,
                           pitch=6, direction=3), b"\x1b%3" + AT + b"\x1bP06\x1bRDB01,020,030,Hi"),
    (lambda l: l.truetype(1, 2, "Hi", font="DejaVu Sans", size_pt=8, bold=True, rotation=1),
     b"\x1b%1" + AT + b"\x1bGB002002"),
    (lambda l: l.barcode(1, 2, "AB12", type=vx.Barcode.CODE39, ratio=vx.Ratio.R2_5, narrow=3,
                         height_mm=5), b"\x1b%0" + AT + b"\x1bBD103040*AB12*"),
    (lambda l: l.barcode(1, 2, "12345", type="C", narrow=1, height_mm=4),
     b"\x1b%0" + AT + b"\x1bDC010320512345"),
    (lambda l: l.variable_barcode(1, 2, "123", type=vx.Barcode.CODABAR, widths=(1, 2, 3, 4),
                                  expansion=2, height_mm=5, direction=1),
     b"\x1b%1" + AT + b"\x1bBT001020304\x1bBW02040123"),
    (lambda l: l.ucc128(1, 2, "00123456789012345", narrow=3, mode=1, height_mm=5),
     b"\x1b%0" + AT + b"\x1bBI03040100123456789012345"),
    (lambda l: l.ean128(1, 2, "(10)AB", narrow=3, height_mm=5),
     b"\x1b%0" + AT + b"\x1bBG03040>H>F>C10>DAB"),
    (lambda l: l.pdf417(1, 2, "A&h0DB", variant=1, module_width=4, row_height=5, security=3,
                        columns=6, rows=7), b"\x1b%0" + AT + b"\x1bBK0405306070003A\rB,T"),
    (lambda l: l.data_matrix(1, 2, "DM", ecc=14, cell_width=6, cell_height=7, format_id=2,
                             symbol_flag=True, option=3),
     b"\x1b%0" + AT + b"\x1bBX02140607000000103\x1bDCDM"),
    (lambda l: l.cut(every=3), b"\x1b\x003"),
]


@pytest.mark.parametrize("add, expected", ELEMENTS)
def test_element_bytes(printer: vx.VirtualPrinter, add: Callable[[vx.Label], None],
                       expected: bytes) -> None:
    with label(printer) as job:
        add(job)
    assert printer.jobs[-1][printer.jobs[-1].index(b"\x02\x1bA", 1) + 3:].startswith(expected)


def native_job(printer: vx.VirtualPrinter, call: str, *args: Any) -> bytes:
    lib = vx.native()
    getattr(lib, call)(printer.name.encode(), *args)
    if call.startswith("PrnInit"):
        lib.PrnQty(1)
        lib.PrnEnd()
    return printer.jobs[-1]


CT_SETTINGS = [4, 2, 1, 46, 5, 2, 1, 1, 1, 1, 100, 200, -300, 400, 63, -5, 6, -7, 1, 40, 1]
STARTS: list[tuple[Callable[[str], None], str, tuple[Any, ...]]] = [
    (lambda p: vx.Label(p, width_mm=90, height_mm=200, darkness=2, speed=5, shift_mm=1.5,
                        e_series=True).end(),
     "PrnInitESeries", (2, 5, 90.0, 200.0, 1.5)),
    (lambda p: vx.Label.cx208(p, width_mm=80, height_mm=40, darkness=4, speed=3, cp=0, ci=2,
                              ce=1, cd=(300, 5000), cb=-7).end(),
     "PrnInitCX208", (4, 3, 0, 2, 1, 300, 5000, -7, 80.0, 40.0, 0.0)),
    (lambda p: vx.Label.ct400(p, width_mm=80, height_mm=40, darkness=4, speed=3,
                              darkness_letter="C", ph=1, pm=5, ye=1, ig=2, po=-12).end(),
     "PrnInitCT400", (b"C", 4, 3, 1, 5, 1, 2, -12, 80.0, 40.0, 0.0)),
    (lambda p: vx.cx_calibrate(p, label_height_mm=30, cp=0, ci=1, ce=1, cd=(10, 20), cb=5),
     "PrnCXCalibrate", (30.0, 0, 1, 1, 10, 20, 5)),
    (lambda p: vx.ct_defaults(p, CT_SETTINGS), "PrnCTDefault", tuple(CT_SETTINGS)),
]


@pytest.mark.parametrize("python, call, args", STARTS)
def test_job_starts_and_maintenance_send_what_c_sends(
        printer: vx.VirtualPrinter, python: Callable[[str], None], call: str,
        args: tuple[Any, ...]) -> None:
    python(printer.name)
    assert printer.jobs[-1] == native_job(printer, call, *args)
    assert len(printer.jobs) == 2


def test_quantity_and_previews(printer: vx.VirtualPrinter) -> None:
    with label(printer) as job:
        job.box(1, 1, 98, 48, line_width=4)
        job.quantity = 7
    assert printer.jobs[0].endswith(b"\x1bQ7\x1bZ\x03")
    assert printer.job_names == [printer.name + " Job"]
    png = printer.preview(0)
    assert png.startswith(b"\x89PNG\r\n\x1a\n")
    assert vx.preview_stream(printer.jobs[0]).startswith(b"\x89PNG")
    pil = pytest.importorskip("PIL")
    assert pil and printer.preview_image().size[0] == 832  # the whole head
    with pytest.raises(IndexError):
        printer.preview(1)


def test_printers_list_virtual_printers_with_their_metrics(printer: vx.VirtualPrinter) -> None:
    assert vx.printer_metrics(printer.name) == vx.Printer(printer.name, 8, 832, 8000)
    assert vx.printer_metrics(printer.name).max_width_mm == 104
    try:  # the list also holds the system's printers, which need a scheduler
        found = {p.name: p for p in vx.printers()}
    except vx.LabelError as error:
        assert error.code == -1
    else:
        assert found[printer.name] == vx.Printer(printer.name, 8, 832, 8000)
    assert vx.version().count(".") == 2


def test_a_batch_sends_its_labels_as_one_job_and_a_failed_block_none() -> None:
    with vx.VirtualPrinter("PYBATCH") as printer:
        for text in ("one", "two"):
            with label(printer) as single:
                single.text(1, 2, text)
        with vx.Batch():
            for text in ("one", "two"):
                with label(printer) as batched:
                    batched.text(1, 2, text)
        assert printer.jobs == [*printer.jobs[:2], printer.jobs[0] + printer.jobs[1]]
        with pytest.raises(RuntimeError):
            with vx.Batch():
                with label(printer) as dropped:
                    dropped.text(1, 2, "three")
                raise RuntimeError("stop")
        assert len(printer.jobs) == 3
