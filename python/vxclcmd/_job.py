"""The process's one label job, shared by the Python threads.

The library holds one job per process, so a Label takes this slot from its
job start to its end: another thread's Label waits, and its elements never
land in this job.
"""
from __future__ import annotations

import threading
from typing import Optional


class JobSlot:
    def __init__(self) -> None:
        self._lock = threading.Lock()
        self.holder: Optional[object] = None  # the open Label
        self.thread: Optional[int] = None  # the thread that opened it

    def take(self, holder: object) -> None:
        """Waits until no label is open, then records holder as the open one."""
        if self.holder is not None and self.thread == threading.get_ident():
            raise RuntimeError(
                "a label is already open in this thread: end() or discard() it "
                "before starting another (the library holds one job at a time)")
        self._lock.acquire()
        self.holder = holder
        self.thread = threading.get_ident()

    def give_back(self, holder: object) -> None:
        if self.holder is holder:
            self.holder = None
            self.thread = None
            self._lock.release()

    def held_here(self) -> bool:
        return self.holder is not None and self.thread == threading.get_ident()

    def acquire_free(self) -> None:
        """For calls that close the library's open job (the maintenance jobs):
        waits for another thread's label, not for this thread's."""
        self._lock.acquire()

    def release_free(self) -> None:
        self._lock.release()


SLOT = JobSlot()
