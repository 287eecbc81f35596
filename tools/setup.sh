#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need (only those missing),
# then configures and builds incrementally into build/. Sourced by main.sh and test.sh; with
# MORVANE_SETUP_PACKAGES_ONLY=1 (tools/fuzz.sh, which builds elsewhere) it only installs.
set -euo pipefail

MORVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
MORVANE_BUILD="${MORVANE_BUILD:-$MORVANE_ROOT/build}"

MORVANE_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev
    xvfb xauth xdotool x11-utils imagemagick
    libreoffice-draw-nogui
    hyperfine time
)

morvane_install_packages() {
    local missing=()
    for package in "${MORVANE_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Installing needs root: run this as root, or install sudo first." >&2
            exit 1
        fi
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

morvane_build() {
    if [ ! -f "$MORVANE_BUILD/build.ninja" ]; then
        cmake -S "$MORVANE_ROOT" -B "$MORVANE_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$MORVANE_BUILD" --parallel "$(nproc)"
}

morvane_install_packages
if [ "${MORVANE_SETUP_PACKAGES_ONLY:-0}" != 1 ]; then
    morvane_build
fi
