"""What a user sees: refusals raise, warnings warn, failed blocks send
nothing, wrong Python values stop before C, threads get whole jobs."""
from __future__ import annotations

import threading
from typing import Any, Callable

import pytest
from conftest import body, label

import vxclcmd as vx


def test_a_refusal_raises_with_code_and_message_and_adds_nothing(
        printer: vx.VirtualPrinter) -> None:
    with label(printer) as job:
        with pytest.raises(vx.LabelError, match=r"PrnEAN128: .*application identifier \(77\) is not known") as raised:
            job.ean128(1, 1, "(77)123")
        assert raised.value.code is vx.Result.AI_UNKNOWN and raised.value.call == "PrnEAN128"
        with pytest.raises(vx.LabelError, match=r"PrnDrawBMP: .*\(Not a BMP file\.\)"):
            job.bmp(1, 1, __file__)
        with pytest.raises(vx.LabelError) as raised:
            job.data_matrix(1, 1, "x" * 501)
        assert raised.value.code == vx.Result.DATAMATRIX_DATA == 116
    assert body(printer.jobs[0]) == b""


def test_a_warning_warns_and_the_element_is_added(printer: vx.VirtualPrinter) -> None:
    with label(printer) as job:
        with pytest.warns(vx.LabelWarning, match=r"PrnDrawLine: LineWidth 200 is not 1 to 99 dots; 1 dot used") as caught:
            job.line(1, 2, 10, width=200)
        assert caught[0].message.code is vx.Result.LINE_WIDTH  # type: ignore[union-attr]
        assert caught[0].filename == __file__
        job.quantity = 1_000_000
        with pytest.warns(vx.LabelWarning, match="PrnQty: Quantity 1000000 is not 0 to 999999; 1 used"):
            job.end()
    assert body(printer.jobs[0]) == b"\x1b%0\x1bH40\x1bV16\x1bFW01H0080"
    assert printer.jobs[0].endswith(b"\x1bQ1\x1bZ\x03")


def test_a_job_start_warns_or_refuses(printer: vx.VirtualPrinter) -> None:
    with pytest.warns(vx.LabelWarning, match="PrnInit: LabelWidth 500 mm"):
        label(printer, width_mm=500).discard()
    with pytest.raises(vx.LabelError) as raised:
        vx.Label("no such printer here", width_mm=10, height_mm=10, darkness=1, speed=1)
    assert raised.value.code is vx.Result.PRINTER_NOT_FOUND
    with label(printer) as job:  # the refused start left no job behind
        job.reverse(0, 0, 1, 1)
    assert len(printer.jobs) == 1


def test_a_block_that_raises_sends_nothing(printer: vx.VirtualPrinter) -> None:
    with pytest.raises(KeyError):
        with label(printer) as job:
            job.box(1, 1, 10, 10)
            job.quantity = 3
            raise KeyError("stop")
    assert printer.jobs == []
    assert not job.is_open
    with pytest.raises(RuntimeError, match="no longer open"):
        job.box(1, 1, 10, 10)
    with label(printer) as again:
        again.reverse(1, 2, 1, 1)
    assert body(printer.jobs[0]) == b"\x1b%0\x1bH40\x1bV16\x1b(8,8"


def test_a_second_label_in_the_same_thread_is_refused(printer: vx.VirtualPrinter) -> None:
    with label(printer) as first:
        with pytest.raises(RuntimeError, match="already open"):
            label(printer)
        first.reverse(1, 2, 1, 1)
    assert body(printer.jobs[0]) == b"\x1b%0\x1bH40\x1bV16\x1b(8,8"


WRONG: list[tuple[Callable[[vx.Label], Any], type[Exception]]] = [
    (lambda l: l.box("1", 1, 10, 10), TypeError),
    (lambda l: l.box(1, 1, 10, 10, line_width=2.0), TypeError),  # type: ignore[arg-type]
    (lambda l: l.line(1, 1, 10, width=2**40), ValueError),
    (lambda l: l.text(1, 1, None), TypeError),  # type: ignore[arg-type]
    (lambda l: l.text(1, 1, "a\0b"), ValueError),
    (lambda l: l.vector_text(1, 1, "x", font_type="AB"), ValueError),
    (lambda l: l.barcode(1, 1, "1", type=None), TypeError),  # type: ignore[arg-type]
    (lambda l: l.pdf417(1, 1, 42), TypeError),  # type: ignore[arg-type]
    (lambda l: l.bmp(1, 1, None), TypeError),  # type: ignore[arg-type]
    (lambda l: l.truetype(1, 1, "x", italic="yes"), TypeError),  # type: ignore[arg-type]
    (lambda l: l.truetype(1, 1, "x", font="\udcff"), ValueError),
    (lambda l: setattr(l, "quantity", -1), ValueError),
    (lambda l: setattr(l, "quantity", None), TypeError),
    (lambda l: l.variable_barcode(1, 1, "1", type="1", widths=(1, 2)), ValueError),
]


@pytest.mark.parametrize("call, error", WRONG)
def test_wrong_values_stop_before_c(printer: vx.VirtualPrinter,
                                    call: Callable[[vx.Label], Any],
                                    error: type[Exception]) -> None:
    with label(printer) as job:
        with pytest.raises(error):
            call(job)
    assert body(printer.jobs[0]) == b"" and printer.jobs[0].endswith(b"\x1bQ1\x1bZ\x03")


def test_wrong_values_outside_labels() -> None:
    with pytest.raises(TypeError):
        vx.preview_stream("not bytes")  # type: ignore[arg-type]
    with pytest.raises(ValueError):
        vx.ct_defaults("VP", [0] * 20)
    with pytest.raises(TypeError):
        vx.VirtualPrinter(None)  # type: ignore[arg-type]


def test_two_threads_print_whole_jobs(printer: vx.VirtualPrinter) -> None:
    errors: list[BaseException] = []

    def run(mark: str) -> None:
        try:
            for _ in range(25):
                with label(printer) as job:
                    for n in range(20):
                        job.text(1, n, mark)
        except BaseException as error:  # reported by the main thread
            errors.append(error)

    threads = [threading.Thread(target=run, args=(mark,)) for mark in "AB"]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    assert errors == []
    jobs = printer.jobs
    assert len(jobs) == 50
    for job in jobs:
        marks = {body(job).count(b"\x1bU" + m) for m in (b"A", b"B")}
        assert marks == {0, 20}
