#!/bin/bash
# The English texts are complete: gathering the texts afresh onto a copy of
# translations/ispln_en.ts leaves none unfinished.
set -euo pipefail
SRC="$1"
LUPDATE="${2:-/usr/lib/qt6/bin/lupdate}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cp "$SRC/translations/ispln_en.ts" "$tmp/ispln_en.ts"
TS="$tmp/ispln_en.ts" LUPDATE="$LUPDATE" bash "$SRC/scripts/update-translations" -no-obsolete
unfinished="$(grep -c '<translation type="unfinished"' "$tmp/ispln_en.ts" || true)"
if [ "$unfinished" -ne 0 ]; then
    echo "$unfinished English texts are not translated; run scripts/update-translations and translate them:" >&2
    grep -B3 '<translation type="unfinished"' "$tmp/ispln_en.ts" | grep '<source>' >&2
    exit 1
fi
