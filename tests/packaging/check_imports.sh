#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A Windows program of this project is one file: it may import only
# libraries every Windows 10 and 11 has, never Qt's, the C++ runtime's,
# GCC's or the threads library's.
#   check_imports.sh PROGRAM.exe
set -euo pipefail
objdump=x86_64-w64-mingw32-objdump
command -v "$objdump" >/dev/null || { echo "FAIL: $objdump is missing (Debian package binutils-mingw-w64-x86-64)"; exit 1; }
# Windows' own, and its API sets (api-ms-win-*, which Windows resolves itself).
windows='advapi32 authz comdlg32 crypt32 d3d11 d3d9 dwmapi dwrite dxgi gdi32 imm32 kernel32 mpr
msvcrt netapi32 ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv uxtheme version
winmm ws2_32 wtsapi32'
mapfile -t imports < <("$objdump" -p "$1" | awk '/DLL Name:/ { print tolower($3) }' | sort -u)
((${#imports[@]} > 0)) || { echo "FAIL: $1 imports nothing: is it a Windows program?"; exit 1; }
foreign=()
for dll in "${imports[@]}"; do
    [[ $dll == api-ms-win-* ]] || grep -qw "${dll%.dll}" <<<"$windows" || foreign+=("$dll")
done
((${#foreign[@]} == 0)) || { echo "FAIL: $1 needs libraries Windows lacks: ${foreign[*]}"; exit 1; }
echo "PASS: $1 imports only Windows' own libraries: ${imports[*]}"
