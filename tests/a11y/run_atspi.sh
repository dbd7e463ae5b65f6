#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the accessibility play-through: a private desktop with the accessibility bus, the real program with
# Qt's accessibility on, and the AT-SPI client script (SCRIPT, or the start of the game).
set -euo pipefail
HERE="$(cd "$(dirname "$0")" && pwd)"
command -v /usr/bin/python3 >/dev/null || { echo "the accessibility test needs python3 (./check installs it)" >&2; exit 1; }
/usr/bin/python3 -c "import pyatspi" || { echo "the accessibility test needs python3-pyatspi" >&2; exit 1; }
exec "$HERE/../session/run_session.sh" "$HERE/../session/with_game.sh" "$1" "${SCRIPT:-$HERE/atspi_play.py}" 90
