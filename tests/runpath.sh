#!/usr/bin/env bash
# No program we build looks for its libraries anywhere but where the system keeps them
# (or an absolute folder a build was told of): an empty RUNPATH entry means the
# current folder, and a relative or $ORIGIN one a folder a user may write to, from
# which a planted library would be loaded in place of Qt's.
#  1. Every ELF executable or library in the build folder has no empty, relative or
#     $ORIGIN entry in its RPATH or RUNPATH.
#  2. korvana, started from a folder holding a library named as one of Qt's, does not
#     load it.
# Arguments: the build folder and the korvana program.
set -euo pipefail
build=$1
korvana=$(realpath "$2")

for tool in readelf c++; do
    command -v "$tool" >/dev/null || { echo "skipped: needs $tool"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 1. The search paths of everything the build made (CMake's own probes aside).
checked=0
bad=0
while IFS= read -r -d '' file; do
    [ "$(head -c 4 "$file" | od -An -c | tr -d ' ')" = '177ELF' ] || continue
    checked=$((checked + 1))
    # Lines such as: 0x... (RUNPATH)  Library runpath: [a:b]
    while IFS= read -r line; do
        kind=$(sed -n 's/.*(\(RPATH\|RUNPATH\)).*/\1/p' <<<"$line")
        value=$(sed -n 's/.*: \[\(.*\)\]$/\1/p' <<<"$line")
        # Split on every colon, keeping empty entries, which a shell's read would drop.
        entries=$(awk -v v="$value" 'BEGIN { n = split(v, e, ":"); if (n == 0) print "<empty>"; for (i = 1; i <= n; i++) print (e[i] == "" ? "<empty>" : e[i]) }')
        wrong=()
        while IFS= read -r entry; do
            case $entry in
                '<empty>' | *ORIGIN* | [!/]*) wrong+=("$entry") ;;
            esac
        done <<<"$entries"
        if [ ${#wrong[@]} -gt 0 ]; then
            echo "$file: $kind [$value] has ${#wrong[@]} entries relative to where it is or runs:" \
                "$(printf '%s\n' "${wrong[@]}" | sort -u | paste -sd' ')"
            bad=1
        fi
    done < <(readelf -d "$file" 2>/dev/null | grep -E '\((RPATH|RUNPATH)\)' || true)
done < <(find "$build" -path '*/CMakeFiles' -prune -o -type f \( -perm -u+x -o -name '*.so*' \) -print0)
[ "$checked" -gt 0 ] || { echo "no ELF files found in $build"; exit 1; }
echo "checked the search paths of $checked ELF files"

# 2. A library with Qt SVG's name and the symbol versions korvana asks of it, which
# leaves a mark when loaded; korvana started from its folder.
svg=libQt6Svg.so.6
readelf -d "$korvana" | grep -q "Shared library: \[$svg\]" ||
    { echo "$korvana does not link $svg; the planted library would prove nothing"; exit 1; }
# The version nodes korvana needs from it (Qt_6 and the like), if any, so that the
# loader accepts the planted library rather than refusing it for a missing version.
versions=$(readelf -V "$korvana" | awk -v lib="$svg" '
    /File: / { here = (index($0, "File: " lib " ") > 0) }
    here && /Name: / { for (i = 1; i <= NF; i++) if ($i == "Name:") print $(i + 1) }')
version_script=()
if [ -n "$versions" ]; then
    for version in $versions; do
        echo "$version { };"
    done >"$work/versions.map"
    version_script=(-Wl,--version-script="$work/versions.map")
fi
cat >"$work/planted.cpp" <<EOF
#include <cstdio>
__attribute__((constructor)) static void leaveMark()
{
    if (std::FILE *mark = std::fopen("$work/loaded", "w"))
        std::fclose(mark);
}
EOF
mkdir "$work/cwd"
c++ -shared -fPIC -o "$work/cwd/$svg" "$work/planted.cpp" "${version_script[@]}" -Wl,-soname,$svg

status=0
said=$(cd "$work/cwd" && QT_QPA_PLATFORM=offscreen "$korvana" --version 2>&1) || status=$?
if [ -e "$work/loaded" ]; then
    echo "korvana loaded $svg from the folder it was started in"
    exit 1
fi
# A planted library the loader found but could not bind would stop korvana before the
# mark is left; so korvana must also have run as itself.
if [ "$status" -ne 0 ] || ! grep -q '^Korvana ' <<<"$said"; then
    echo "korvana --version, started beside a planted $svg, exited $status and said: $said"
    exit 1
fi
if [ "$bad" -ne 0 ]; then
    exit 1
fi
echo "korvana did not load a $svg planted in its current folder"
