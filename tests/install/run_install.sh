#!/usr/bin/env bash
# Installs the game into a temporary prefix and starts the installed program: it finds its pictures
# under the prefix, its desktop entry is valid and its icon is in place.
set -euo pipefail
BUILD="$1"
PREFIX="$(mktemp -d)"
trap 'rm -rf "$PREFIX"' EXIT
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
for f in bin/cindervale share/cindervale/assets/talk.jpg share/cindervale/assets/nums/05.bmp \
         share/applications/cindervale.desktop share/icons/hicolor/256x256/apps/org.cindervale.Cindervale.png; do
    [ -e "$PREFIX/$f" ] || { echo "not installed: $f"; exit 1; }
done
desktop-file-validate "$PREFIX/share/applications/cindervale.desktop"

# The installed program runs with its main menu until it is ended; it reports a picture it cannot load.
run() {
    local status=0
    QT_QPA_PLATFORM=offscreen timeout 3 "$PREFIX/bin/cindervale" 2>"$PREFIX/err.txt" || status=$?
    echo "$status"
}
status=$(run)
[ "$status" = 124 ] || { echo "the installed program ended by itself ($status)"; cat "$PREFIX/err.txt"; exit 1; }
if grep -q "Cannot open file" "$PREFIX/err.txt"; then
    echo "the installed program does not find its pictures:"; cat "$PREFIX/err.txt"; exit 1
fi
# And it does look there: without the background it says so.
rm "$PREFIX/share/cindervale/assets/talk.jpg"
run >/dev/null
grep -q "Cannot open file .*share/cindervale/assets/talk.jpg" "$PREFIX/err.txt" ||
    { echo "the installed program did not look for its pictures under the prefix"; cat "$PREFIX/err.txt"; exit 1; }
echo "installed and started from $PREFIX"
