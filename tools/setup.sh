#!/usr/bin/env bash
# Shared set-up for ./play and ./check: installs missing Debian packages, configures and builds.
# Usage: setup.sh [--tests] [TARGET ...]   (no target: everything, the tests and benchmarks included)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
# What the game needs to build and run, and with --tests what the tests need besides.
PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libjpeg-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-dejavu-core fonts-dejavu-extra)
TEST_PACKAGES=(xvfb xauth at-spi2-core dbus-daemon python3-pyatspi desktop-file-utils)
if [ "${1:-}" = "--tests" ]; then
    shift
    PACKAGES+=("${TEST_PACKAGES[@]}")
fi

missing_packages() {
    local p
    for p in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            echo "$p"
        fi
    done
}

install_packages() {
    command -v dpkg-query >/dev/null 2>&1 || {
        echo "This set-up needs a Debian or Ubuntu system (dpkg and apt-get)." >&2
        echo "Install by hand: ${PACKAGES[*]}" >&2
        exit 1
    }
    local missing
    missing=$(missing_packages | tr '\n' ' ')
    [ -z "${missing// /}" ] && return 0
    echo "Installing missing packages: $missing"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "These packages are missing and neither root nor sudo is available: $missing" >&2
            echo "Install them as root: apt-get install $missing" >&2
            exit 1
        fi
    fi
    # shellcheck disable=SC2086
    if ! { "${sudo[@]}" apt-get update -qq && DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq $missing; }; then
        echo "Could not install: $missing" >&2
        echo "Install them by hand: sudo apt-get install $missing" >&2
        exit 1
    fi
}

configure_and_build() {
    if [ ! -f "$BUILD/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    if [ "$#" -eq 0 ]; then
        cmake --build "$BUILD" -j2
    else
        local t
        for t in "$@"; do
            cmake --build "$BUILD" -j2 --target "$t"
        done
    fi
}

install_packages
configure_and_build "$@"
