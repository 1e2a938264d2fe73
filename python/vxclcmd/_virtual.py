"""Virtual printers and the label preview."""
from __future__ import annotations

import ctypes
import os
import tempfile
from types import TracebackType
from typing import Any, Callable, Optional, Type

from . import _values as v
from ._loader import library
from ._outcome import HOST_ENCODING, check, last_error


class VirtualPrinter:
    """A printer inside the library that records every job it receives;
    found by name before the system's printers. For tests:

        with vx.VirtualPrinter("VP") as printer:
            with vx.Label("VP", ...) as label: ...
            assert printer.jobs[0].startswith(b"\\x02")

    dpi is the resolution, head_width_mm the widest label, max_length_mm
    the longest (whole millimetres). The printer and its jobs go at close().
    """

    def __init__(self, name: v.Text, dpi: int = 203, head_width_mm: int = 104,
                 max_length_mm: int = 1000) -> None:
        self._name = v.text(name, "name")
        self.name = self._name.decode(HOST_ENCODING, errors="replace")
        self._lib = library()
        added = self._lib.VxclAddVirtualPrinter(
            self._name, v.integer(dpi, "dpi"), v.integer(head_width_mm, "head_width_mm"),
            v.integer(max_length_mm, "max_length_mm"))
        if added != 1:
            raise ValueError(
                f"VxclAddVirtualPrinter: virtual printer {self.name!r} was not added: "
                f"the name is empty or taken, or dpi {dpi}, head width {head_width_mm} mm "
                f"or length {max_length_mm} mm is below 1")
        self._open = True
        self.preview_warnings: list[str] = []

    def close(self) -> None:
        """Removes the printer and its jobs."""
        if self._open:
            self._open = False
            self._lib.VxclRemoveVirtualPrinter(self._name)

    def __enter__(self) -> "VirtualPrinter":
        return self

    def __exit__(self, kind: Optional[Type[BaseException]],
                 error: Optional[BaseException],
                 trace: Optional[TracebackType]) -> None:
        self.close()

    def _count(self) -> int:
        count = int(self._lib.VxclVirtualJobCount(self._name))
        if count < 0:
            raise LookupError(f"virtual printer {self.name!r} is gone")
        return count

    @property
    def jobs(self) -> list[bytes]:
        """The bytes of every job received, first first."""
        return [_read(lambda b, n: int(self._lib.VxclVirtualJob(self._name, i, b, n)), False)
                for i in range(self._count())]

    @property
    def job_names(self) -> list[str]:
        """The document name of every job received ("<printer> Job")."""
        return [_read(lambda b, n: int(self._lib.VxclVirtualJobName(self._name, i, b, n)),
                      True).decode(HOST_ENCODING, errors="replace")
                for i in range(self._count())]

    def preview(self, index: int = -1) -> bytes:
        """Job `index` (negative: from the end) drawn as the printer would
        print it: PNG bytes, one pixel a dot. The preview's warnings are left
        in preview_warnings."""
        count = self._count()
        position = v.integer(index, "index")
        if position < 0:
            position += count
        if not 0 <= position < count:
            raise IndexError(f"virtual printer {self.name!r} has {count} jobs, no job {index}")
        return _draw("VxclVirtualJobPreview", self, lambda path: int(self._lib.VxclVirtualJobPreview(
            self._name, position, path)))

    def preview_image(self, index: int = -1) -> Any:
        """As preview(), as a PIL image (needs PIL)."""
        return _image(self.preview(index))


def preview_stream(stream: bytes, *, dpi: int = 203, head_width_mm: float = 104.0,
                   label_width_mm: float = 0.0, label_length_mm: float = 0.0) -> bytes:
    """Any command stream drawn as PNG bytes (VxclPreviewStream):
    label_width_mm 0 is the whole head; label_length_mm 0 takes the length
    from the stream's label size, else from what is drawn."""
    if not isinstance(stream, (bytes, bytearray, memoryview)):
        raise TypeError(f"stream must be bytes, not {type(stream).__name__}")
    data = bytes(stream)
    lib = library()
    return _draw("VxclPreviewStream", None, lambda path: int(lib.VxclPreviewStream(
        data, len(data), v.integer(dpi, "dpi"), v.mm(head_width_mm, "head_width_mm"),
        v.mm(label_width_mm, "label_width_mm"), v.mm(label_length_mm, "label_length_mm"),
        path)))


def _draw(call: str, printer: Optional[VirtualPrinter],
          draw: Callable[[bytes], int]) -> bytes:
    with tempfile.TemporaryDirectory(prefix="vxclcmd-") as folder:
        path = os.path.join(folder, "preview.png")
        result = draw(v.path(path, "path"))
        warnings_text = _read(library().VxclPreviewWarnings, True).decode(
            "utf-8", errors="replace")
        if printer is not None:
            printer.preview_warnings = warnings_text.splitlines()
        check(call, result, stacklevel=4)
        with open(path, "rb") as file:
            return file.read()


def _read(copy: Callable[[Any, int], int], terminated: bool) -> bytes:
    """Calls a copy-into-buffer export twice: for the length, then the bytes."""
    for _ in range(4):  # another thread may change it between the two calls
        length = int(copy(None, 0))
        if length < 0:
            raise LookupError(last_error() or "no such printer or job")
        buffer = ctypes.create_string_buffer(length + 1)
        if int(copy(buffer, length + 1 if terminated else length)) == length:
            return buffer.raw[:length]
    raise RuntimeError("the library's answer kept changing")


def _image(png: bytes) -> Any:
    try:
        from PIL import Image
    except ImportError as error:
        raise ImportError("preview_image() needs PIL (Debian: python3-pil)") from error
    import io

    image = Image.open(io.BytesIO(png))
    image.load()
    return image
