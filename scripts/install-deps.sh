#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-serialport-dev libgl-dev
    qt6-charts-dev libqt6opengl6-dev
    qt6-webengine-dev
    xvfb xauth
    # a font for the report page, and pdftotext/pdfinfo for the tests that read it back
    fonts-dejavu-core
    # the window's font: metric-compatible with the one its pages were designed for
    fonts-liberation2
    poppler-utils
    # the icon rendered from its SVG at build time
    qt6-svg-dev
    # packaging: dpkg-shlibdeps finds the package's dependencies; the desktop entry's check
    dpkg-dev desktop-file-utils
    # the pictures of the manual (scripts/screenshots.sh)
    xdotool x11-apps x11-utils imagemagick
    # the journeys' window manager (tests/journeys/)
    openbox
)

missing=()
for pkg in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
