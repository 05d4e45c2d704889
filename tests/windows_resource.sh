#!/usr/bin/env bash
# Reads the Windows resources back with mingw-w64's windres, so that the icon and
# version record of a Windows build cannot rot unseen: from the configured resource
# script, compiled first, or from the built korvana.exe, which must also be a GUI
# program (no console window). Arguments: windres, the script or the .exe, and the
# version numbers, shown version and homepage it must carry.
set -euo pipefail
windres=("$1" --preprocessor=cpp)
script=$2
numbers=$3
version=$4
homepage=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
if [[ $script == *.exe ]]; then
    "${1%windres}objdump" -p "$script" | grep -P '^Subsystem\t+00000002\t\(Windows GUI\)' >/dev/null ||
        { echo "not a Windows GUI program"; failed=1; }
    "${windres[@]}" -i "$script" -J coff -O rc -o "$work/readback.rc"
else
    "${windres[@]}" "$script" -O res -o "$work/korvana.res"
    "${windres[@]}" -i "$work/korvana.res" -O rc -o "$work/readback.rc"
fi
for expected in 'RT_GROUP_ICON' "FILEVERSION $numbers" "PRODUCTVERSION $numbers" \
    "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
    'VALUE "ProductName", "Korvana"' 'VALUE "FileDescription", "Korvana"' \
    'VALUE "InternalName", "Korvana"' "VALUE \"CompanyName\", \"$homepage\"" \
    "VALUE \"LegalCopyright\", \"$homepage\""; do
    if ! grep -qF "$expected" "$work/readback.rc"; then
        echo "missing from the compiled resources: $expected"
        failed=1
    fi
done
# The icon itself, not only its directory entry: 32 x 32 at 8 bits a pixel.
grep -q 'RT_ICON' "$work/readback.rc" || { echo "no icon image in the resources"; failed=1; }
[ "$failed" -eq 0 ] && echo "1 passed, 0 failed"
exit "$failed"
