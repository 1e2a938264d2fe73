"""Python values checked and converted before they reach C.

Wrong types raise TypeError and impossible values ValueError here, so ctypes
never truncates an integer, passes a wide string, or reads a NUL-cut text.
"""
from __future__ import annotations

import ctypes
import numbers
import operator
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
    """Millimetres: an int or a float (any real number but a bool)."""
    kind = type(value)
    if kind is float or kind is int:
        return value
    if isinstance(value, numbers.Real) and not isinstance(value, bool):
        return float(value)
    raise _type_error(name, "millimetres (int or float)", value)


def integer(value: int, name: str) -> int:
    """A C int: a Python int (a bool too, as ctypes takes it) within 32 bits;
    a float is refused."""
    if type(value) is not int:
        try:
            value = operator.index(value)
        except TypeError:
            raise _type_error(name, "an int", value) from None
    if not _INT_MIN <= value <= _INT_MAX:
        raise ValueError(f"{name} {value} does not fit a 32-bit int")
    return value


def text(value: Text, name: str) -> bytes:
    """A text: str is encoded as the library expects (UTF-8, or the system
    code page on Windows); bytes go unchanged."""
    if isinstance(value, str):
        try:
            data = value.encode(HOST_ENCODING)
        except UnicodeEncodeError as error:
            raise ValueError(f"{name} {value!r} cannot be written in "
                             f"{HOST_ENCODING}: {error.reason}") from None
    elif isinstance(value, bytes):
        data = value
    elif isinstance(value, (bytearray, memoryview)):
        data = bytes(value)
    else:
        raise _type_error(name, "str or bytes", value)
    if 0 in data:  # quicker than b"\0" in data
        raise ValueError(f"{name} {value!r} holds a NUL character, which would end it there")
    return data


def optional_text(value: Text | None, name: str) -> bytes | None:
    return None if value is None else text(value, name)


def letter(value: Text, name: str) -> bytes:
    """One character that is one byte, such as a font type or barcode letter."""
    if isinstance(value, str) and len(value) == 1 and value < "\x80":
        return value.encode("ascii")  # a Barcode too: it is its letter
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
    if 0 in data:
        raise ValueError(f"{name} {value!r} holds a NUL character")
    return data


def explain(call: str, args: tuple[object, ...]) -> Exception:
    """The TypeError or ValueError for the first argument of a label call
    that ctypes refused or that does not fit its C type."""
    from ._declarations import DECLARATIONS, PARAMETERS

    names = PARAMETERS.get(call, ())
    for position, (kind, value) in enumerate(zip(DECLARATIONS[call][1], args)):
        name = names[position] if position < len(names) else f"argument {position + 1}"
        try:
            if kind in (ctypes.c_int, ctypes.c_uint):
                integer(value, name)  # type: ignore[arg-type]
            elif kind is ctypes.c_double:
                mm(value, name)  # type: ignore[arg-type]
        except (TypeError, ValueError) as error:
            return type(error)(f"{call}: {error}")
    return TypeError(f"{call}: an argument has the wrong type: {args!r}")
