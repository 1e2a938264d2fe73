"""The package installs as the docs say and passes the type check."""
from __future__ import annotations

import os
import shutil
import subprocess
import sys
import venv
from pathlib import Path

import pytest
from conftest import BUILD, ROOT

CHECK = ("import vxclcmd as vx; v = vx.VirtualPrinter('P');"
         "l = vx.Label('P', width_mm=50, height_mm=20, darkness=3, speed=4);"
         "l.reverse(1, 1, 10, 10); l.quantity = 5; l.end();"
         "print(vx.__file__, len(v.jobs[0]))")


def clean_environment() -> dict[str, str]:
    return {k: v for k, v in os.environ.items()
            if k not in ("VXCLCMD_LIBRARY", "PYTHONPATH", "PYTHONHOME")}


def test_pip_installs_into_a_virtual_environment_without_network(tmp_path: Path) -> None:
    source = tmp_path / "source"
    shutil.copytree(ROOT / "python", source, ignore=shutil.ignore_patterns(
        "__pycache__", "build", "*.egg-info", "tests"))
    library = Path(os.environ["VXCLCMD_LIBRARY"]).resolve()
    shutil.copy(library, source / "vxclcmd" / "libvxclcmd.so")  # a wheel may carry it
    # Debian's pip (python3-pip) serves the environment; ensurepip is slower.
    venv.create(tmp_path / "env", system_site_packages=True, with_pip=False)
    python = str(tmp_path / "env" / "bin" / "python")
    env = {**clean_environment(), "PIP_NO_INDEX": "1", "PIP_DISABLE_PIP_VERSION_CHECK": "1"}
    subprocess.run([python, "-m", "pip", "install", "-q", "--no-build-isolation",
                    str(source)], check=True, env=env, capture_output=True)
    out = subprocess.run([python, "-c", CHECK], check=True, env=env, cwd=tmp_path,
                         capture_output=True, text=True).stdout
    assert str(tmp_path / "env") in out and out.split()[-1] == "44"


def test_cmake_install_puts_the_package_beside_the_library(tmp_path: Path) -> None:
    cmake = shutil.which("cmake")
    if not cmake or not (BUILD / "cmake_install.cmake").exists():
        pytest.skip("no CMake build folder")
    subprocess.run([cmake, "--install", str(BUILD), "--prefix", str(tmp_path)],
                   check=True, capture_output=True)
    packages = list(tmp_path.glob("lib/python*/dist-packages/vxclcmd/__init__.py"))
    assert len(packages) == 1
    env = {**clean_environment(), "PYTHONPATH": str(packages[0].parent.parent)}
    out = subprocess.run([sys.executable, "-c", CHECK], check=True, env=env, cwd=tmp_path,
                         capture_output=True, text=True).stdout
    assert out.startswith(str(tmp_path)) and out.split()[-1] == "44"


def test_mypy_strict() -> None:
    mypy = shutil.which("mypy")
    if not mypy:
        pytest.skip("mypy is not installed")
    result = subprocess.run([mypy, "--strict", "--no-incremental", "--cache-dir", os.devnull,
                             "vxclcmd", "examples/shipping_label.py"],
                            cwd=ROOT / "python", capture_output=True, text=True)
    assert result.returncode == 0, result.stdout + result.stderr
