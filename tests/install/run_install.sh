#!/usr/bin/env bash
# SPDX-FileCopyrightText: The Cindervale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game into a temporary prefix and starts the installed program: it finds its pictures
# under the prefix; its desktop entry and metadata are valid, its icons and manual page in place.
# Usage: run_install.sh BUILD BINDIR DATADIR DATAROOTDIR MANDIR APP_ID (the install folders of the build)
set -euo pipefail
BUILD="$1" BINDIR="$2" DATADIR="$3" SHARE="$4" MANDIR="$5" ID="$6"
PREFIX="$(mktemp -d)"
trap 'rm -rf "$PREFIX"' EXIT
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
files=("$BINDIR/cindervale" "$DATADIR/cindervale/assets/talk.jpg" "$DATADIR/cindervale/assets/nums/05.bmp"
       "$SHARE/applications/$ID.desktop" "$SHARE/metainfo/$ID.metainfo.xml" "$MANDIR/man6/cindervale.6.gz")
for size in 16 22 24 32 48 64 128 256; do files+=("$SHARE/icons/hicolor/${size}x$size/apps/$ID.png"); done
for f in "${files[@]}"; do
    [ -e "$PREFIX/$f" ] || { echo "not installed: $f"; exit 1; }
done
desktop-file-validate "$PREFIX/$SHARE/applications/$ID.desktop"
appstreamcli validate --no-net "$PREFIX/$SHARE/metainfo/$ID.metainfo.xml" >/dev/null ||
    { appstreamcli validate --no-net "$PREFIX/$SHARE/metainfo/$ID.metainfo.xml"; exit 1; }
warnings=$(man --warnings -E UTF-8 -l -Tutf8 -Z "$PREFIX/$MANDIR/man6/cindervale.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "the manual page has faults: $warnings"; exit 1; }

# The installed program runs with its main menu until it is ended; it reports a picture it cannot load.
run() {
    local status=0
    QT_QPA_PLATFORM=offscreen timeout 3 "$PREFIX/$BINDIR/cindervale" 2>"$PREFIX/err.txt" || status=$?
    echo "$status"
}
status=$(run)
[ "$status" = 124 ] || { echo "the installed program ended by itself ($status)"; cat "$PREFIX/err.txt"; exit 1; }
if grep -q "Cannot open file" "$PREFIX/err.txt"; then
    echo "the installed program does not find its pictures:"; cat "$PREFIX/err.txt"; exit 1
fi
# And it does look there: without the background it says so.
rm "$PREFIX/$DATADIR/cindervale/assets/talk.jpg"
run >/dev/null
grep -q "Cannot open file .*$DATADIR/cindervale/assets/talk.jpg" "$PREFIX/err.txt" ||
    { echo "the installed program did not look for its pictures under the prefix"; cat "$PREFIX/err.txt"; exit 1; }
echo "installed and started from $PREFIX"
