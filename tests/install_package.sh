#!/usr/bin/env bash
# Makes the Debian package, installs it on this machine as a user would, checks the
# desktop files it puts in place, and starts the installed program in a real X window.
# It changes this machine, so it runs only when asked with KORVANA_INSTALL_TEST=1.
# Arguments: the build folder, the application id, and the end-to-end test program
# to start it with.
set -euo pipefail
build=$1
id=$2
endtoend=$3

if [ "${KORVANA_INSTALL_TEST:-}" != 1 ]; then
    echo "installs a package on this machine: run with KORVANA_INSTALL_TEST=1 to test it; skipped"
    exit 77
fi
for tool in cpack dpkg-deb desktop-file-validate appstreamcli xvfb-run; do
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
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
    grep -q "$needed" <<<"$depends" || { echo "the package does not declare $needed"; exit 1; }
done

"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$package" >/dev/null

for file in /usr/bin/korvana /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
    /usr/share/icons/hicolor/32x32/apps/$id.png /usr/share/icons/hicolor/128x128/apps/$id.png; do
    [ -f "$file" ] || { echo "not installed: $file"; exit 1; }
done
desktop-file-validate /usr/share/applications/$id.desktop
appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml

KORVANA=/usr/bin/korvana xvfb-run --auto-servernum --server-args='-screen 0 800x600x24' \
    "$endtoend" drawsTheFigureAndClosesCleanly
