"""Finds and loads the C library, once, with every prototype declared."""
from __future__ import annotations

import ctypes
import ctypes.util
import os
import struct
import sys
import threading
from pathlib import Path
from typing import Any

from ._declarations import declare

ENVIRONMENT_VARIABLE = "VXCLCMD_LIBRARY"


class LibraryNotFoundError(OSError):
    """The C library could not be loaded; the message lists where it was looked for."""


def _file_names() -> list[str]:
    if sys.platform == "win32":
        return ["VXCLCMD.dll"]
    if sys.platform == "darwin":
        return ["libvxclcmd.dylib", "libvxclcmd.0.dylib"]
    return ["libvxclcmd.so", "libvxclcmd.so.0"]


def _open(path: str) -> ctypes.CDLL:
    # The 32-bit DLL uses the standard calling convention.
    if sys.platform == "win32":
        if struct.calcsize("P") == 4:
            return ctypes.WinDLL(path)
    return ctypes.CDLL(path)


def _installed_location() -> str | None:
    # Written by `cmake --install` next to the installed package.
    try:
        from . import _install_location  # type: ignore[attr-defined]
    except ImportError:
        return None
    location: Any = getattr(_install_location, "LIBRARY", None)
    return location if isinstance(location, str) else None


def _candidates() -> list[tuple[str, str]]:
    """(where, what to load) in the order they are tried."""
    here = Path(__file__).resolve().parent
    tried = [(f"next to the package ({here})", str(here / name))
             for name in _file_names()]
    installed = _installed_location()
    if installed:
        tried.append(("where cmake --install put it", installed))
    for name in _file_names():
        tried.append(("the system's loader", name))
    found = ctypes.util.find_library("vxclcmd")
    if found:
        tried.append(("the system's loader", found))
    return tried


def load() -> ctypes.CDLL:
    """Loads the library: $VXCLCMD_LIBRARY, else the places of _candidates()."""
    explicit = os.environ.get(ENVIRONMENT_VARIABLE)
    if explicit:
        try:
            return declare(_open(explicit))
        except OSError as error:
            raise LibraryNotFoundError(
                f"cannot load the vxclcmd library named by {ENVIRONMENT_VARIABLE}"
                f" ({explicit}): {error}") from error
    failures = []
    for where, what in _candidates():
        if os.sep in what and not os.path.exists(what):
            failures.append(f"{where}: no {what}")
            continue
        try:
            return declare(_open(what))
        except OSError as error:
            failures.append(f"{where}: {what}: {error}")
    raise LibraryNotFoundError(
        "cannot find the vxclcmd library; set " + ENVIRONMENT_VARIABLE +
        " to its path, or install it. Looked in:\n  " + "\n  ".join(failures))


_library: ctypes.CDLL | None = None
_loading = threading.Lock()


def library() -> ctypes.CDLL:
    """The loaded library (loaded at the first call)."""
    global _library
    if _library is None:
        with _loading:
            if _library is None:
                _library = load()
    return _library
