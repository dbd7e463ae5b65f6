#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a screen-reader test: a private desktop with the openbox window manager and the accessibility bus, a
# private home (Orca's settings, its speech server's socket), and a Python test that starts Orca and the
# program itself through tests/a11y/screenreader.py.
# Usage: run_orca.sh PROGRAM [TEST.py [ARGS ...]]
#   A11Y_LOGS=DIR keeps Orca's debug log and the program's output there;
#   A11Y_SPEECH_SERVER=1 lets Orca start speech-dispatcher (by default it runs without one; its log records
#   the same phrases either way).
set -euo pipefail
PROGRAM="$(realpath "$1")"
shift
HERE="$(cd "$(dirname "$0")" && pwd)"
TEST="${1:-$HERE/orca_play.py}"
[ "$#" -gt 0 ] && shift
for tool in xdotool /usr/bin/python3 /usr/bin/orca; do
    command -v "$tool" >/dev/null || { echo "the screen-reader test needs $tool (./check installs it)" >&2; exit 1; }
done
/usr/bin/python3 -c "import pyatspi" || { echo "the screen-reader test needs python3-pyatspi" >&2; exit 1; }

WORK="$(mktemp -d /tmp/cindervale-a11y.XXXXXX)"
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/home" "$WORK/runtime"
chmod 700 "$WORK/runtime"
# Everything per user that Orca and its speech server keep lives in the private home.
export HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/runtime" XDG_CONFIG_HOME="$WORK/home/.config"
export XDG_DATA_HOME="$WORK/home/.local/share" XDG_CACHE_HOME="$WORK/home/.cache"
export GSETTINGS_BACKEND=memory
export A11Y_PROGRAM="$PROGRAM" A11Y_WORK="$WORK" A11Y_LAUNCH="$HERE/orca_launch.py"
export PYTHONPATH="$HERE${PYTHONPATH:+:$PYTHONPATH}" PYTHONUNBUFFERED=1
# Orca's words in one language, so that tests can match its role names.
export LANG=C.UTF-8 LANGUAGE=C LC_ALL=C.UTF-8
unset QT_QPA_PLATFORM

status=0
"$HERE/../session/run_session.sh" --wm timeout --kill-after=5 "${A11Y_TIMEOUT:-150}" /usr/bin/python3 "$TEST" "$@" ||
    status=$?
if [ -n "${A11Y_LOGS:-}" ]; then
    mkdir -p "$A11Y_LOGS"
    cp "$WORK"/*.log "$A11Y_LOGS"/ 2>/dev/null || true
    cp -r "$WORK/home" "$A11Y_LOGS"/ 2>/dev/null || true
fi
exit $status
