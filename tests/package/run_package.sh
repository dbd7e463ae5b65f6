#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from the build as a packager would (cpack -G DEB), checks that it depends on
# what the game needs at run time and that lintian finds no error in it, and starts the game from the
# unpacked package: the program in usr/games finds its pictures.
# Usage: run_package.sh BUILD
set -euo pipefail
BUILD="$1"
OUT="$(mktemp -d)"
trap 'rm -rf "$OUT"' EXIT
(cd "$BUILD" && cpack -G DEB -B "$OUT" >"$OUT/cpack.log" 2>&1) || { cat "$OUT/cpack.log"; exit 1; }
deb=$(ls "$OUT"/*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-translations-l10n fonts-dejavu-core fonts-dejavu-extra; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || { echo "the package does not depend on $needed: $depends"; exit 1; }
done
lintian --fail-on error "$deb" 2>&1 | tee "$OUT/lintian.log" ||
    { echo "lintian finds errors in the package"; exit 1; }

dpkg-deb -x "$deb" "$OUT/root"
appstreamcli validate-tree --no-net "$OUT/root" >/dev/null || { appstreamcli validate-tree --no-net "$OUT/root"; exit 1; }
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$OUT/root/usr/games/cindervale" 2>"$OUT/err.txt" || status=$?
[ "$status" = 124 ] && ! grep -q "Cannot open file" "$OUT/err.txt" ||
    { echo "the packaged program does not start with its pictures ($status)"; cat "$OUT/err.txt"; exit 1; }
echo "$(basename "$deb"): depends on $depends; lintian finds no error"
