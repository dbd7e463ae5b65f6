#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the desktop play-through: a private desktop with the openbox window manager and the accessibility
# bus (to find where controls are), the real program, and the script that plays it by real clicks and keys.
set -euo pipefail
HERE="$(cd "$(dirname "$0")" && pwd)"
for tool in xdotool /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "the desktop test needs $tool (./check installs it)" >&2; exit 1; }
done
/usr/bin/python3 -c "import pyatspi" || { echo "the desktop test needs python3-pyatspi" >&2; exit 1; }
exec "$HERE/../session/run_session.sh" --wm "$HERE/../session/with_game.sh" "$1" "$HERE/desktop_play.py" 150
