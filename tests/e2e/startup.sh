#!/usr/bin/env bash
# The real program under a real X server: a copy of the executable in a
# fresh folder with its own isplan.ini and Image/ starts, shows its window,
# ends on SIGTERM and rewrites the isplan.ini of that folder.
set -euo pipefail
EXE="$1"
DATA="$2"
DIR="$(mktemp -d)"
trap 'rm -rf "$DIR"' EXIT
cp "$EXE" "$DIR/ispln"
cp -r "$DATA/Image" "$DIR/Image"
# Hexadecimal rate and a key of someone else's: the first is rewritten in
# decimal, the second must survive.
sed -e 's/^Food1=200/Food1=0xC8/' -e 's/^\[Tile\]/Comment=kept\r\n[Tile]/' "$DATA/isplan.ini" > "$DIR/isplan.ini"

export DIR
unset QT_QPA_PLATFORM  # a real X window, whatever the test run uses
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    cd /
    "$DIR/ispln" & pid=$!
    for i in $(seq 1 100); do
        if xwininfo -root -tree 2>/dev/null | grep -q "\"ISPLN  Ver 1.00\""; then found=1; break; fi
        sleep 0.1
    done
    if [ -z "${found:-}" ]; then echo "window did not appear" >&2; kill -9 $pid; exit 1; fi
    kill -TERM $pid
    wait $pid
'
grep -q $'^Food1=200\r$' "$DIR/isplan.ini" || { echo "isplan.ini was not rewritten" >&2; cat "$DIR/isplan.ini" | head -20; exit 1; }
grep -q $'^Comment=kept\r$' "$DIR/isplan.ini" || { echo "unknown key lost" >&2; exit 1; }
grep -q $'^Max=23\r$' "$DIR/isplan.ini" || { echo "catalogue not written" >&2; exit 1; }
echo "e2e: window shown, SIGTERM wrote isplan.ini"
