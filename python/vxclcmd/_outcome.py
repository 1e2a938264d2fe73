"""Result codes turned into exceptions and warnings."""
from __future__ import annotations

import ctypes
import re
import sys
import warnings

from ._loader import library
from ._results import ROWS, Result

# (call, value) -> (kind, meaning), and value -> (kind, meaning) for "*".
_BY_CALL: dict[tuple[str, int], tuple[str, str]] = {}
_ANY_CALL: dict[int, tuple[str, str]] = {}
for _value, _kind, _calls, _meaning in ROWS:
    for _call in _calls:
        if _call == "*":
            _ANY_CALL.setdefault(_value, (_kind, _meaning))
        else:
            _BY_CALL.setdefault((_call, _value), (_kind, _meaning))

HOST_ENCODING = "mbcs" if sys.platform == "win32" else "utf-8"


def code_of(value: int) -> Result | int:
    """The Result member for a value, or the value when the list lacks it."""
    try:
        return Result(value)
    except ValueError:
        return value


def meaning(call: str, value: int) -> tuple[str, str]:
    """(kind, meaning) of a value returned by a call, from the result list.

    A value the list does not know counts as a refusal.
    """
    found = _BY_CALL.get((call, value)) or _ANY_CALL.get(value)
    return found or ("REFUSAL", f"result {value}, which this package does not know")


class LabelError(Exception):
    """A call was refused: nothing was done (or the job was not sent).

    code is the result code, call the C function, message the text shown.
    """

    def __init__(self, call: str, code: int, message: str) -> None:
        super().__init__(message)
        self.call = call
        self.code: Result | int = code_of(code)
        self.message = message


class LabelWarning(UserWarning):
    """An argument was out of range and replaced; the work was still done."""

    def __init__(self, call: str, code: int, message: str) -> None:
        super().__init__(message)
        self.call = call
        self.code: Result | int = code_of(code)
        self.message = message


def last_error() -> str:
    """The library's message for the last error (VxclLastError); "" when none."""
    function = library().VxclLastError
    length = int(function(None, 0))
    if length <= 0:
        return ""
    buffer = ctypes.create_string_buffer(length + 1)
    function(buffer, length + 1)
    return buffer.value.decode(HOST_ENCODING, errors="replace")


def message_for(call: str, value: int, kind_meaning: tuple[str, str]) -> str:
    """The text a user sees: the library's message for this call when it gave
    one, else the result list's meaning (with any message it refers to)."""
    message = last_error()
    if message.startswith(call + ":"):
        return message
    text = f"{call}: {kind_meaning[1]} (result {value})"
    if message and "see VxclLastError" in text:
        text = re.sub(r"[,;] see VxclLastError", lambda _: ": " + message, text)
    return text


def check(call: str, value: int, stacklevel: int = 3) -> int:
    """Raises LabelError for a refusal and warns LabelWarning for a warning;
    returns the value otherwise."""
    if value == 1:
        return value
    kind_meaning = meaning(call, value)
    kind = kind_meaning[0]
    if kind == "SUCCESS":
        return value
    text = message_for(call, value, kind_meaning)
    if kind == "WARNING":
        warnings.warn(LabelWarning(call, value, text), stacklevel=stacklevel)
        return value
    raise LabelError(call, value, text)
