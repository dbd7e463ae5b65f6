#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program on the session's display with Qt's accessibility on, runs a Python test script
# against it within a time limit, and stops the program again. Usage: with_game.sh PROGRAM SCRIPT SECONDS
set -uo pipefail
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 "$1" >/dev/null 2>&1 &
game=$!
status=0
timeout --kill-after=5 "$3" /usr/bin/python3 "$2" || status=$?
kill "$game" 2>/dev/null || true
exit $status
