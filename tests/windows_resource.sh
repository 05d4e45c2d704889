#!/usr/bin/env bash
# Compiles the Windows resource script with mingw-w64's windres and reads it back,
# so that the icon and version record of a Windows build cannot rot unseen.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$source_dir/window"
windres=(x86_64-w64-mingw32-windres --preprocessor=cpp)
"${windres[@]}" korvana.rc -O res -o "$work/korvana.res"
"${windres[@]}" -i "$work/korvana.res" -O rc -o "$work/readback.rc"

failed=0
for expected in 'RT_GROUP_ICON' 'FILEVERSION 1, 0, 0, 0' 'PRODUCTVERSION 1, 0, 0, 0' \
    'VALUE "FileVersion", "1.00"' 'VALUE "ProductVersion", "1.00"' \
    'VALUE "ProductName", "Korvana"' 'VALUE "FileDescription", "Korvana"' \
    'VALUE "InternalName", "Korvana"' 'VALUE "CompanyName", "https://korvana.example"' \
    'VALUE "LegalCopyright", "https://korvana.example"'; do
    if ! grep -qF "$expected" "$work/readback.rc"; then
        echo "missing from the compiled resources: $expected"
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "1 passed, 0 failed"
exit "$failed"
