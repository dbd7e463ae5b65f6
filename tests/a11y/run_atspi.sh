#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the accessibility play-through: a private X display (Xvfb), a private D-Bus session with the
# accessibility bus, the real program with Qt's accessibility on, and the AT-SPI client script.
set -euo pipefail
PROGRAM="$1"
HERE="$(cd "$(dirname "$0")" && pwd)"
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "the accessibility test needs $tool (./check installs it)" >&2; exit 1; }
done
/usr/bin/python3 -c "import pyatspi" || { echo "the accessibility test needs python3-pyatspi" >&2; exit 1; }

exec dbus-run-session -- bash -c '
    set -euo pipefail
    display=:$((90 + RANDOM % 400))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=$display
    for i in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    bus=$!
    sleep 0.5
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 "$0" >/dev/null 2>&1 &
    game=$!
    status=0
    timeout 90 /usr/bin/python3 "$1" || status=$?
    kill "$game" "$bus" "$xvfb" 2>/dev/null || true
    exit $status
' "$PROGRAM" "${SCRIPT:-$HERE/atspi_play.py}"
