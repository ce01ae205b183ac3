#!/usr/bin/env bash
# Installs the Debian 12 packages this project builds, tests and runs with, when any is missing.
# Quiet when everything is already there.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    libicu-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libbenchmark-dev
    clang libclang-rt-14-dev # libFuzzer for make fuzz
    fonts-arphic-uming
    qt6-translations-l10n # Qt's own menus in Chinese
    xvfb xauth
    desktop-file-utils appstream # validators of the desktop entry and metainfo
    dpkg-dev file                # make package: dependencies from the programs' libraries
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
