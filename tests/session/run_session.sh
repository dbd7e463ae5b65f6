#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a private desktop: its own D-Bus session with the accessibility bus, its own X display
# (Xvfb), and with --wm the openbox window manager managing it before the command starts. Everything
# started here is stopped when the command ends, however it ends. The command's exit status is returned.
# Usage: run_session.sh [--wm] COMMAND [ARGS ...]
set -euo pipefail
WM=0
if [ "${1:-}" = --wm ]; then WM=1; shift; fi
tools=(Xvfb xprop dbus-run-session /usr/libexec/at-spi-bus-launcher)
[ "$WM" = 1 ] && tools+=(openbox)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "the test needs $tool (./check installs it)" >&2; exit 1; }
done

exec dbus-run-session -- bash -c '
    set -euo pipefail
    wm="$1"
    shift
    work="$(mktemp -d /tmp/cindervale-session.XXXXXX)"
    pids=()
    stop() {
        for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
        rm -rf "$work"
    }
    trap stop EXIT
    # Xvfb picks a free display itself and writes its number.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    pids+=($!)
    for i in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$work/display")"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    pids+=($!)
    if [ "$wm" = 1 ]; then
        # The window manager is up when it names its check window. (grep reads all of xprop'"'"'s output:
        # with pipefail, a grep -q that stops early may leave xprop killed by SIGPIPE and the pipe failing.)
        wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep "window id" >/dev/null; }
        # Just after a build the first start has been seen to take long enough for openbox to give up on
        # the display: it is started again while it has not come up.
        for try in 1 2 3; do
            openbox --sm-disable >>"$work/openbox.log" 2>&1 &
            pid=$!
            pids+=($pid)
            for i in $(seq 300); do
                wm_up && break 2
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.05
            done
        done
        wm_up || { echo "FAIL: openbox did not start" >&2; cat "$work/openbox.log" >&2; exit 1; }
    fi
    status=0
    "$@" || status=$?
    exit $status
' bash "$WM" "$@"
