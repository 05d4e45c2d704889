# Sourced by scripts/run and scripts/test: the Debian packages Korvana needs, and a
# function that installs the missing ones.

# To build and run the program (Qt Widgets, with Qt SVG and print support for taking
# figures out), with Qt's own texts in Bulgarian and Qt's translation tools for the
# command line's own (CMake's LinguistTools and lrelease), libsndfile for the
# tones' WAV files (found through pkg-config), and Qt Multimedia to play them.
build_packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev fonts-liberation2 qt6-translations-l10n
    qt6-tools-dev qt6-l10n-tools pkgconf libsndfile1-dev qt6-multimedia-dev)

# To run its tests: a virtual X server and a pretend user (xvfb, xdotool), screenshots
# (imagemagick), strace, a screen reader's view (AT-SPI on a D-Bus session bus), a real
# screen reader speaking into a file (Orca, speech-dispatcher, and the locales package
# for the Bulgarian locale), a headless Wayland compositor and Qt's Wayland platform
# (weston, qt6-wayland), the desktop-file and Debian-package tools (CPack's DEB
# generator runs file; lintian judges the package, man renders its manual page,
# devscripts' hardening-check looks at the installed program),
# windres for the Windows resources, Poppler's tools to read written PDFs (pages, text,
# and pictures of their pages), clang with libFuzzer, and Google Benchmark and the X
# DAMAGE extension's library to build the benchmarks and the drift's frame counter,
# and a PulseAudio server of the tests' own with its tools, to hear what is played.
test_packages=(
    pulseaudio pulseaudio-utils
    xvfb xauth xdotool imagemagick libx11-dev strace
    dbus dbus-x11 at-spi2-core python3-pyatspi
    orca speech-dispatcher locales
    weston qt6-wayland
    desktop-file-utils appstream dpkg-dev file lintian man-db devscripts
    binutils-mingw-w64-x86-64
    poppler-utils
    clang libclang-rt-14-dev
    libbenchmark-dev libxdamage-dev
)

# To build for Windows (scripts/windows): the MinGW-w64 cross compilers with POSIX
# threads and binutils (windres and objdump read the built program back), Debian's Qt
# and libsndfile sources (dpkg-dev unpacks them), Qt Shader Tools' CMake package and qsb
# (which bake Qt Multimedia's shaders), Wine to run the result on a virtual X server, NSIS
# for the installer, zip for the folder, Poppler's and librsvg's tools to open
# exported figures, the Liberation fonts that go into the folder (for pictures made
# without a screen, and in place of designed fonts that Windows lacks), and Tesseract
# with its Bulgarian data to read the window's texts back from a screenshot.
windows_packages=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev xz-utils
    qt6-shadertools-dev qt6-shader-baker
    wine wine64 xvfb xauth xdotool imagemagick
    nsis zip poppler-utils librsvg2-bin fonts-liberation2
    tesseract-ocr tesseract-ocr-bul
)

# Whether this user can run commands as root: as root itself, or through sudo.
can_be_root() {
    [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null 2>&1
}

# Runs a command as root, directly or through sudo; where neither can be, prints the
# command for root to run and exits.
as_root() {
    if ! can_be_root; then
        echo "This needs root. Run as root: $*" >&2
        exit 1
    fi
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs those of the named packages that are missing (through env, so that the
# setting survives sudo).
install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if ! can_be_root; then
        echo "Missing packages. Install them as root with:" >&2
        echo "  apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}
