#!/usr/bin/env bash
# Installs the Debian 12 packages this project builds, tests and runs with, when any is missing.
# Quiet when everything is already there. `install-deps.sh web` adds what the web page needs
# (make web, make test-web), and only then.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    libicu-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev
    googletest                   # GoogleTest's sources, built for each build
    mingw-w64 g++-mingw-w64-x86-64-posix wine # the Windows build, and its tests under Wine
    nsis                         # the Windows installer
    libbenchmark-dev time nodejs # make bench: Google Benchmark, peak memory, the n2words peer
    clang libclang-rt-14-dev # libFuzzer for make fuzz
    fonts-arphic-uming
    qt6-translations-l10n # Qt's own menus in Chinese
    xvfb xauth
    dbus-daemon dbus-bin at-spi2-core # the desktop's accessibility bus, for the windows' names
    desktop-file-utils appstream # validators of the desktop entry and metainfo
    dpkg-dev file                # make package: dependencies from the programs' libraries
)
if [ "${1:-}" = web ]; then
    # Emscripten, and headless Chromium driven by Selenium for the page's test and start-up.
    packages+=(emscripten chromium chromium-driver python3-selenium)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "install-deps: as root, run: apt-get install ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
