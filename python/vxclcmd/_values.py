"""Python values checked and converted before they reach C.

Wrong types raise TypeError and impossible values ValueError here, so ctypes
never truncates an integer, passes a wide string, or reads a NUL-cut text.
"""
from __future__ import annotations

import os
import sys
from typing import Union

from ._outcome import HOST_ENCODING

Text = Union[str, bytes]
PathLike = Union[str, bytes, "os.PathLike[str]", "os.PathLike[bytes]"]

_INT_MIN, _INT_MAX = -(2**31), 2**31 - 1


def _type_error(name: str, wanted: str, value: object) -> TypeError:
    return TypeError(f"{name} must be {wanted}, not {type(value).__name__} {value!r}")


def mm(value: float, name: str) -> float:
    """Millimetres: an int or a float."""
    kind = type(value)
    if kind is float or kind is int:
        return value
    if isinstance(value, (int, float)) and not isinstance(value, bool):
        return float(value)
    raise _type_error(name, "millimetres (int or float)", value)


def integer(value: int, name: str) -> int:
    """A C int: a Python int within 32 bits (bool refused)."""
    if type(value) is not int:
        if isinstance(value, bool) or not isinstance(value, int):
            raise _type_error(name, "an int", value)
        value = int(value)
    if not _INT_MIN <= value <= _INT_MAX:
        raise ValueError(f"{name} {value} does not fit a 32-bit int")
    return value


def unsigned(value: int, name: str) -> int:
    """A C unsigned int; a negative value is passed as C would (out of range)."""
    return integer(value, name) & 0xFFFFFFFF


def flag(value: bool, name: str) -> int:
    """A yes/no argument: a bool (or the ints 0 and 1)."""
    if value is True or value is False or value in (0, 1):
        return int(value)
    raise _type_error(name, "a bool", value)


def text(value: Text, name: str) -> bytes:
    """A text: str is encoded as the library expects (UTF-8, or the system
    code page on Windows); bytes go unchanged."""
    if isinstance(value, str):
        try:
            data = value.encode(HOST_ENCODING)
        except UnicodeEncodeError as error:
            raise ValueError(
                f"{name} {value!r} cannot be written in {HOST_ENCODING}: {error.reason}"
            ) from None
    elif isinstance(value, (bytes, bytearray, memoryview)):
        data = bytes(value)
    else:
        raise _type_error(name, "str or bytes", value)
    if b"\0" in data:
        raise ValueError(f"{name} {value!r} holds a NUL character, which would end it there")
    return data


def optional_text(value: Text | None, name: str) -> bytes | None:
    return None if value is None else text(value, name)


def letter(value: Text, name: str) -> bytes:
    """One character that is one byte, such as a font type or barcode letter."""
    data = text(value, name)
    if len(data) != 1:
        raise ValueError(f"{name} must be one character of one byte, not {value!r}")
    return data


def path(value: PathLike, name: str) -> bytes:
    """A file name, as the operating system's file calls take it."""
    try:
        fspath = os.fspath(value)
    except TypeError:
        raise _type_error(name, "a path (str, bytes or os.PathLike)", value) from None
    if isinstance(fspath, str):
        data = fspath.encode("mbcs") if sys.platform == "win32" else os.fsencode(fspath)
    else:
        data = fspath
    if b"\0" in data:
        raise ValueError(f"{name} {value!r} holds a NUL character")
    return data
