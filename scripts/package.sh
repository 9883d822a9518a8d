#!/usr/bin/env bash
# Builds the Windows packages from the windows preset, both named after the project's
# version (CMakeLists.txt): build/windows/packages/tallyvane-VERSION-win64.zip, the
# portable zip, and tallyvane-VERSION-setup.exe, the installer (NSIS). Prints their paths.
set -euo pipefail
cd "$(dirname "$0")/.."

[[ -f build/windows/CMakeCache.txt ]] || cmake --preset windows >/dev/null
# Packages of an earlier version must not linger beside the new ones.
rm -rf build/windows/packages
cmake --build build/windows --target packages
ls -1 build/windows/packages/tallyvane-*-win64.zip build/windows/packages/tallyvane-*-setup.exe
