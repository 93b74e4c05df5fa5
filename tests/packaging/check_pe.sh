#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The kanjiaid developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A Windows program of this project is one file, hardened as Debian hardens
# a Linux one:
#   - it imports only libraries every Windows 10 and 11 has, never Qt's,
#     the C++ runtime's, GCC's or the threads library's;
#   - Windows may load it anywhere in a 64-bit address space (high-entropy
#     ASLR) and never runs its data (DEP);
#   - its code checks its stack (the link map shows the stack protector's
#     check pulled in by the program's own code) and the C functions that
#     can check what they write do (fortified).
#   check_pe.sh PROGRAM.exe LINK-MAP
set -euo pipefail
(($# == 2)) || { echo "usage: $0 PROGRAM.exe LINK-MAP" >&2; exit 2; }
program=$1 map=$2
objdump=x86_64-w64-mingw32-objdump
command -v "$objdump" >/dev/null || { echo "FAIL: $objdump is missing (Debian package binutils-mingw-w64-x86-64)"; exit 1; }
[[ -s $map ]] || { echo "FAIL: no link map $map"; exit 1; }
headers=$("$objdump" -p "$program")

# Windows' own, and its API sets (api-ms-win-*, which Windows resolves itself).
windows='advapi32 authz comdlg32 crypt32 d3d11 d3d9 dwmapi dwrite dxgi gdi32 imm32 kernel32 mpr
msvcrt netapi32 ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv uxtheme version
winmm ws2_32 wtsapi32'
mapfile -t imports < <(awk '/DLL Name:/ { print tolower($3) }' <<<"$headers" | sort -u)
((${#imports[@]} > 0)) || { echo "FAIL: $program imports nothing: is it a Windows program?"; exit 1; }
foreign=()
for dll in "${imports[@]}"; do
    [[ $dll == api-ms-win-* ]] || grep -qw "${dll%.dll}" <<<"$windows" || foreign+=("$dll")
done
((${#foreign[@]} == 0)) || { echo "FAIL: $program needs libraries Windows lacks: ${foreign[*]}"; exit 1; }
echo "PASS: $program imports only Windows' own libraries: ${imports[*]}"

# IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA, _DYNAMIC_BASE and _NX_COMPAT.
flags=$(awk '/^DllCharacteristics/ { print $2 }' <<<"$headers")
[[ $flags =~ ^[0-9a-fA-F]+$ ]] || { echo "FAIL: $program has no DllCharacteristics"; exit 1; }
for bit in 0x20:HIGH_ENTROPY_VA 0x40:DYNAMIC_BASE 0x100:NX_COMPAT; do
    (((16#$flags & ${bit%%:*}) != 0)) || { echo "FAIL: $program is not ${bit#*:} (DllCharacteristics $flags)"; exit 1; }
done
echo "PASS: $program has high-entropy ASLR and DEP (DllCharacteristics $flags)"

# The map's first part names each archive member linked and the reference
# that pulled it in: the stack check must come from the program's objects.
grep -qE '\(__stack_chk_fail\)' "$map" \
    || { echo "FAIL: nothing in $program calls __stack_chk_fail: no stack protector"; exit 1; }
grep -qE '\(__[a-z]+_chk\)' "$map" \
    || { echo "FAIL: no fortified C function is linked into $program"; exit 1; }
linked=$(grep -oE '\(__[a-z_]+_chk(_fail)?\)' "$map" | tr -d '()' | sort -u | paste -sd ' ')
echo "PASS: $program checks its stack and what its C functions write (from libssp: $linked)"
