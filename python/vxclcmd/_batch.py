"""Many labels in one spool job."""
from __future__ import annotations

from types import TracebackType

from ._loader import library
from ._outcome import check


class Batch:
    """Labels ended inside the ``with`` block go to their printer as one
    spool job when the block ends (VxclBeginBatch, VxclEndBatch), without
    the wait each single job has; a block that raises drops them unsent
    (VxclCancelBatch). All labels of a batch go to one printer, and the
    library holds one batch per process::

        with vx.Batch():
            for serial in range(1, 101):
                with vx.Label("SATO_CL4NX", width_mm=50, height_mm=25) as label:
                    label.code128(5, 5, f"SN{serial:06d}", height_mm=10)
    """

    def __enter__(self) -> Batch:
        check("VxclBeginBatch", library().VxclBeginBatch())
        return self

    def __exit__(self, kind: type[BaseException] | None,
                 error: BaseException | None,
                 trace: TracebackType | None) -> None:
        if kind is not None:
            library().VxclCancelBatch()
            return
        check("VxclEndBatch", library().VxclEndBatch())
