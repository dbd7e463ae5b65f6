#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the desktop play-through: a private X display (Xvfb) with the openbox window manager, a private
# D-Bus session with the accessibility bus (to find where controls are), the real program, and the script
# that plays it by real clicks and keys.
set -euo pipefail
PROGRAM="$1"
HERE="$(cd "$(dirname "$0")" && pwd)"
for tool in Xvfb openbox xdotool xprop dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "the desktop test needs $tool (./check installs it)" >&2; exit 1; }
done
/usr/bin/python3 -c "import pyatspi" || { echo "the desktop test needs python3-pyatspi" >&2; exit 1; }

exec dbus-run-session -- bash -c '
    set -euo pipefail
    display=:$((500 + RANDOM % 400))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=$display
    for i in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    bus=$!
    # The window manager must be managing the display before the game maps its first window.
    for i in $(seq 300); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" || { echo "FAIL: openbox did not start" >&2; exit 1; }
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 "$0" >/dev/null 2>&1 &
    game=$!
    status=0
    timeout 150 /usr/bin/python3 "$1" || status=$?
    kill "$game" "$bus" "$wm" "$xvfb" 2>/dev/null || true
    exit $status
' "$PROGRAM" "$HERE/desktop_play.py"
