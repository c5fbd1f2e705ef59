#!/usr/bin/env bash
# The real program under a real X server: a copy of the executable in a
# fresh folder with its own isplan.ini and Image/ starts, shows its window,
# ends on SIGTERM and rewrites the isplan.ini of that folder.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
DATA="$2"
make_program_folder "$1" "$DATA"
# Hexadecimal rate and a key of someone else's: neither changed here, so
# both stay as they are.
sed -e 's/^Food1=200/Food1=0xC8/' -e 's/^\[Tile\]/Comment=kept\r\n[Tile]/' "$DATA/isplan.ini" > "$DIR/isplan.ini"

show_then_terminate "$DIR/ispln"
grep -q $'^Zoom=100\r$' "$DIR/isplan.ini" || { echo "isplan.ini was not rewritten" >&2; cat "$DIR/isplan.ini" | head -20; exit 1; }
grep -q $'^Food1=0xC8\r$' "$DIR/isplan.ini" || { echo "an unchanged key was rewritten" >&2; exit 1; }
grep -q $'^Comment=kept\r$' "$DIR/isplan.ini" || { echo "unknown key lost" >&2; exit 1; }
grep -q $'^Max=23\r$' "$DIR/isplan.ini" || { echo "catalogue not written" >&2; exit 1; }
echo "e2e: window shown, SIGTERM wrote isplan.ini"
