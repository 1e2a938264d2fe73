"""The prototypes and result codes against the C header and the code list."""
from __future__ import annotations

import ctypes
import importlib.util
import re

import pytest
from conftest import ROOT

from vxclcmd import _declarations, _loader

C_TYPES = {
    "int": ctypes.c_int, "unsigned int": ctypes.c_uint, "double": ctypes.c_double,
    "char": ctypes.c_char, "const char *": ctypes.c_char_p, "char *": ctypes.c_char_p,
    "const unsigned char *": ctypes.c_char_p, "unsigned char *": ctypes.c_char_p,
    "const char **": ctypes.POINTER(ctypes.c_char_p), "int *": ctypes.POINTER(ctypes.c_int),
}


def header_exports() -> dict[str, tuple[object, tuple[object, ...]]]:
    text = re.sub(r"/\*.*?\*/", "", (ROOT / "include" / "vxclcmd.h").read_text(), flags=re.S)
    found = {}
    for result, name, params in re.findall(
            r"^VXCL_API\s+([\w ]+?)\s+VXCL_CALL\s+(\w+)\s*\(([^)]*)\)", text, re.M):
        arguments = []
        for param in params.split(","):
            param = " ".join(param.replace("*", " * ").split())
            if param in ("void", ""):
                continue
            c_type = re.sub(r"\s*\w+$", "", param).replace("* *", "**")
            arguments.append(C_TYPES[c_type])
        found[name] = (C_TYPES[result], tuple(arguments))
    return found


def test_every_export_is_declared_as_the_header_declares_it() -> None:
    header = header_exports()
    table = _declarations.DECLARATIONS
    assert len(header) > 30
    assert set(header) - set(table) == set(), "exports the package does not declare"
    assert set(table) - set(header) <= _declarations.OPTIONAL, "declared, not exported"
    for name, prototype in header.items():
        assert table[name] == prototype, name


def test_result_codes_match_their_list() -> None:
    module_spec = importlib.util.spec_from_file_location(
        "generate_results", ROOT / "python" / "tools" / "generate_results.py")
    assert module_spec and module_spec.loader
    generator = importlib.util.module_from_spec(module_spec)
    module_spec.loader.exec_module(generator)
    module = ROOT / "python" / "vxclcmd" / "_results.py"
    assert module.read_text() == generator.render(generator.read_rows()), (
        "run python/tools/generate_results.py")


def test_a_missing_library_names_every_place_looked_in(monkeypatch: pytest.MonkeyPatch) -> None:
    monkeypatch.setenv(_loader.ENVIRONMENT_VARIABLE, "/nowhere/libvxclcmd.so")
    with pytest.raises(_loader.LibraryNotFoundError, match="VXCLCMD_LIBRARY.*/nowhere"):
        _loader.load()
    monkeypatch.delenv(_loader.ENVIRONMENT_VARIABLE)
    monkeypatch.setattr(_loader, "_file_names", lambda: ["libvxclcmd-absent.so"])
    monkeypatch.setattr(_loader.ctypes.util, "find_library", lambda name: None)
    with pytest.raises(_loader.LibraryNotFoundError) as raised:
        _loader.load()
    message = str(raised.value)
    assert "next to the package" in message and "system's loader" in message
    assert "VXCLCMD_LIBRARY" in message
