#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The programs' command lines: each answers --help with its options, and refuses what it does not take
# with a message and status 2 before doing anything, instead of playing, waiting or starting on.
# Usage: run_commandline.sh BUILD VERSION
set -uo pipefail
BUILD="$1"
VERSION="$2"
failures=0

# expect STATUS TEXT COMMAND...: the command ends by itself within 10 s with STATUS and prints TEXT.
expect() {
    local status="$1" text="$2" out got=0
    shift 2
    out=$(timeout 10 "$@" 2>&1) || got=$?
    if [ "$got" != "$status" ] || ! grep -qF -- "$text" <<<"$out"; then
        echo "FAIL: $* ended with $got (expected $status) and printed:"; echo "$out"; echo "(expected: $text)"
        failures=$((failures + 1))
    fi
}

export QT_QPA_PLATFORM=offscreen
expect 0 "--version" "$BUILD/cindervale" --help
expect 0 "Cindervale $VERSION" "$BUILD/cindervale" --version
expect 2 "Unknown option 'fullscreen'" "$BUILD/cindervale" --fullscreen
expect 2 "unexpected argument 'save.txt'" "$BUILD/cindervale" save.txt
# Qt's own options are Qt's: the game starts with them and runs until it is ended.
expect 124 "" env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY timeout 3 "$BUILD/cindervale" -platform offscreen

expect 0 "--broken-pictures" "$BUILD/cindervale-soak" --help
expect 2 "--steps wants a whole number above 0, not 'abc'" "$BUILD/cindervale-soak" --steps abc
expect 2 "--broken-pictures wants a share from 0 to 1, not '1.5'" "$BUILD/cindervale-soak" --broken-pictures 1.5

expect 0 "--assets" "$BUILD/cindervale-script" --help
expect 2 "--assets names no folder: '$BUILD/cindervale'" "$BUILD/cindervale-script" --assets "$BUILD/cindervale"
expect 2 "standard input is closed" bash -c '"$0" <&-' "$BUILD/cindervale-script"
expect 2 "cannot read standard input" bash -c '"$0" <"$1"' "$BUILD/cindervale-script" "$BUILD"

expect 0 "--list" "$BUILD/cindervale-pictures" --help
expect 2 "no OUTDIR given" "$BUILD/cindervale-pictures"

[ "$failures" -eq 0 ] && echo "every command line answered as it should"
exit $((failures > 0))
