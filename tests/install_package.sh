#!/usr/bin/env bash
# Makes the Debian package, installs it on this machine as a user would, checks the
# desktop files it puts in place, and starts the installed program in a real X window.
# It changes this machine, so it runs only when asked with KORVANA_INSTALL_TEST=1.
# Arguments: the build folder, the application id, the version the program shows,
# and the end-to-end test program to start it with.
set -euo pipefail
build=$1
id=$2
version=$3
endtoend=$4

if [ "${KORVANA_INSTALL_TEST:-}" != 1 ]; then
    echo "installs a package on this machine: run with KORVANA_INSTALL_TEST=1 to test it; skipped"
    exit 77
fi
for tool in cpack dpkg-deb desktop-file-validate appstreamcli xvfb-run lintian man; do
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

"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$package" >/dev/null

for file in /usr/bin/korvana /usr/share/man/man1/korvana.1.gz /usr/share/doc/korvana/copyright \
    /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
    /usr/share/icons/hicolor/32x32/apps/$id.png /usr/share/icons/hicolor/128x128/apps/$id.png; do
    [ -f "$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate /usr/share/applications/$id.desktop
# The manual page renders, and says what the program does.
man -l /usr/share/man/man1/korvana.1.gz 2>&1 | grep -q 'draw Lissajous figures' ||
    { echo "the manual page does not render"; exit 1; }
[ "$(korvana --version)" = "Korvana $version" ] || { echo "korvana --version: $(korvana --version)"; exit 1; }
appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml

KORVANA=/usr/bin/korvana xvfb-run --auto-servernum --server-args='-screen 0 800x600x24' \
    "$endtoend" drawsTheFigureAndClosesCleanly
