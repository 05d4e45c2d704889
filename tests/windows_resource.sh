#!/usr/bin/env bash
# Compiles the Windows resource script with mingw-w64's windres and reads it back,
# so that the icon and version record of a Windows build cannot rot unseen.
# Arguments: windres, the configured resource script, and the version numbers,
# shown version and homepage it must carry.
set -euo pipefail
windres=("$1" --preprocessor=cpp)
script=$2
numbers=$3
version=$4
homepage=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"${windres[@]}" "$script" -O res -o "$work/korvana.res"
"${windres[@]}" -i "$work/korvana.res" -O rc -o "$work/readback.rc"

failed=0
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
