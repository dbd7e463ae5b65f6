#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up for ./play, ./check and ./bench/run: installs missing Debian packages, configures and builds.
# Usage: setup.sh [--tests | --bench] [TARGET ...]
#   no option: only what the game needs; the tests are not configured in a new build folder
#   --tests:   also what the tests need, and the tests configured
#   --bench:   also Google Benchmark, and the benchmarks configured
#   no target: the default build (the game, its tools and pictures, and the tests when configured)
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
# What the game needs to build and run.
PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libjpeg-dev
          fonts-dejavu-core fonts-dejavu-extra)
# What the tests need besides: the core's test framework, a private X display with a window manager and
# the accessibility bus, a player's keys and clicks, the Orca screen reader (which brings its speech server
# and Python bindings), the checkers of the desktop entry, the metadata, the licences and the Debian
# package, and what makes one.
TEST_PACKAGES=(libgtest-dev xvfb xauth at-spi2-core dbus-daemon python3-pyatspi desktop-file-utils appstream
               reuse lintian dpkg-dev file openbox xdotool x11-utils orca)
BENCH_PACKAGES=(libbenchmark-dev)
MODE=game
case "${1:-}" in
--tests) MODE=tests; PACKAGES+=("${TEST_PACKAGES[@]}"); shift ;;
--bench) MODE=bench; PACKAGES+=("${BENCH_PACKAGES[@]}"); shift ;;
esac

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
    # A new build folder is configured for the mode; an existing one keeps its settings, except that the
    # tests and the benchmarks are switched on (and looked for again) when they are asked for.
    local settings=()
    [ -f "$BUILD/CMakeCache.txt" ] || settings+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF)
    [ "$MODE" = tests ] && settings+=(-DBUILD_TESTING=ON)
    if [ ! -f "$BUILD/CMakeCache.txt" ] || [ "$MODE" != game ]; then
        cmake -S "$ROOT" -B "$BUILD" "${settings[@]}" >/dev/null
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
