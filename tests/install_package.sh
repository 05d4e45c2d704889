#!/usr/bin/env bash
# Makes the Debian package, installs it on this machine as a user would, checks the
# desktop files it puts in place and that the program is built hardened and looks for
# its libraries only where the system keeps them, and starts the installed program in
# a real X window.
# It changes this machine, so it runs only when asked with KORVANA_INSTALL_TEST=1.
# Arguments: the build folder, the application id, the version the program shows,
# the end-to-end test program to start it with, and "fortified" or "unfortified":
# whether the build can fortify its calls (only an optimised one can).
set -euo pipefail
build=$1
id=$2
version=$3
endtoend=$4
fortified=${5:-fortified}

if [ "${KORVANA_INSTALL_TEST:-}" != 1 ]; then
    echo "installs a package on this machine: run with KORVANA_INSTALL_TEST=1 to test it; skipped"
    exit 77
fi
for tool in cpack dpkg-deb desktop-file-validate appstreamcli xvfb-run lintian man hardening-check readelf objdump; do
    command -v "$tool" >/dev/null || { echo "needs $tool; skipped"; exit 77; }
done
[ -n "$endtoend" ] || { echo "needs the end-to-end test program; skipped"; exit 77; }

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if sudo -n true 2>/dev/null; then
        sudo=(sudo -n)
    else
        echo "installing a package needs root or sudo; skipped"
        exit 77
    fi
fi

work=$(mktemp -d)
installed_before=$(dpkg-query -W -f='${Status}' korvana 2>/dev/null | grep -c 'ok installed' || true)
cleanup() {
    if [ "$installed_before" -eq 0 ]; then
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq korvana >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
package=$(ls "$work"/korvana_*.deb)
depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libqt6printsupport6 fonts-liberation2; do
    grep -q "$needed" <<<"$depends" || { echo "the package does not declare $needed"; exit 1; }
done
# Debian's own judge of a package: not a word to say about it (but for its notice
# that it runs as root, where it does).
said=$(lintian --fail-on error,warning --tag-display-limit 0 "$package" 2>&1 | grep -v 'running with root privileges' || true)
[ -z "$said" ] || { echo "lintian: $said"; exit 1; }
# Nor among its informational tags a word on hardening or on a library search path
# (but for fortified calls where the build could not fortify them).
unfortified_tag='^$'
[ "$fortified" = fortified ] || unfortified_tag=hardening-no-fortify-functions
said=$(lintian -I --tag-display-limit 0 "$package" 2>&1 |
    grep -E 'hardening-no-|rpath|library-search-path' | grep -v "$unfortified_tag" || true)
[ -z "$said" ] || { echo "lintian -I: $said"; exit 1; }

"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$package" >/dev/null

for file in /usr/bin/korvana /usr/share/man/man1/korvana.1.gz /usr/share/doc/korvana/copyright \
    /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
    /usr/share/icons/hicolor/32x32/apps/$id.png /usr/share/icons/hicolor/128x128/apps/$id.png; do
    [ -f "$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate /usr/share/applications/$id.desktop
# Built hardened as Debian builds its packages: PIE, stack protector, fortified calls,
# full RELRO with immediate binding. hardening-check's control-flow check looks for the
# IBT and SHSTK marks, which the linker sets only when every object has them, and
# Debian 12's C start-up files (libc6-dev's Scrt1.o, crti.o, crtn.o) have none, so no
# program built on it passes. Instead: the functions start with the endbr64 landing pad
# that -fcf-protection puts there, at least one for every two returns; without it
# only the C library's few have one.
hardening_options=(--nocfprotection)
[ "$fortified" = fortified ] || hardening_options+=(--nofortify)
hardening-check "${hardening_options[@]}" /usr/bin/korvana
read -r pads returns < <(objdump -d --no-show-raw-insn /usr/bin/korvana |
    awk '$2 == "endbr64" { pads++ } $2 == "ret" { returns++ } END { print pads + 0, returns + 0 }')
[ $((pads * 2)) -ge "$returns" ] ||
    { echo "/usr/bin/korvana: $pads endbr64 landing pads for $returns returns: no control-flow protection"; exit 1; }
echo "control-flow protection: $pads endbr64 landing pads, $returns returns"
# Its libraries come from the system's folders alone: no RPATH or RUNPATH whatever.
if readelf -d /usr/bin/korvana | grep -E '\((RPATH|RUNPATH)\)'; then
    echo "/usr/bin/korvana carries a library search path"
    exit 1
fi
# The manual page renders, and says what the program does.
man -l /usr/share/man/man1/korvana.1.gz 2>&1 | grep -q 'draw Lissajous figures' ||
    { echo "the manual page does not render"; exit 1; }
[ "$(korvana --version)" = "Korvana $version" ] || { echo "korvana --version: $(korvana --version)"; exit 1; }
appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml

KORVANA=/usr/bin/korvana xvfb-run --auto-servernum --server-args='-screen 0 800x600x24' \
    "$endtoend" drawsTheFigureAndClosesCleanly
