#!/usr/bin/env bash
# The installed program: installed into a prefix that is then made
# read-only, it starts under a real X server with a fresh HOME, keeps its
# files in ~/.config/ispln/ and writes nothing under the prefix. The
# desktop entry and the metainfo pass their validators.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
BUILD="$1"
SOURCE="$2"
DIR="$(mktemp -d)"
trap 'chmod -R u+w "$DIR"; rm -rf "$DIR"' EXIT
P="$DIR/prefix"
cmake --install "$BUILD" --prefix "$P" >/dev/null
desktop-file-validate "$P"/share/applications/org.ispln.ISPLN.desktop
appstreamcli validate --no-net "$P"/share/metainfo/org.ispln.ISPLN.metainfo.xml >/dev/null
for f in bin/ispln bin/ispln-cli share/ispln/isplan.ini share/ispln/Image/sea.bmp share/man/man1/ispln-cli.1 \
         share/icons/hicolor/64x64/apps/org.ispln.ISPLN.png; do
    [ -e "$P/$f" ] || { echo "not installed: $f" >&2; exit 1; }
done
chmod -R a-w "$P"
snapshot() { (cd "$P" && find . -printf '%p %s %T@ %m\n' | sort); }
before="$(snapshot)"

export HOME="$DIR/home" P
mkdir "$HOME"
unset XDG_CONFIG_HOME QT_QPA_PLATFORM
"$P/bin/ispln-cli" --version | grep -q '^ispln-cli ' || { echo "ispln-cli --version failed" >&2; exit 1; }
show_then_terminate "$P/bin/ispln"
HOMEDIR="$HOME/.config/ispln"
[ -f "$HOMEDIR/isplan.ini" ] && [ -w "$HOMEDIR/isplan.ini" ] || { echo "no writable $HOMEDIR/isplan.ini" >&2; exit 1; }
[ -f "$HOMEDIR/Image/sea.bmp" ] || { echo "Image/ not copied to $HOMEDIR" >&2; exit 1; }
grep -q $'^Max=23\r$' "$HOMEDIR/isplan.ini" || { echo "catalogue not written" >&2; exit 1; }
# The installed command-line tool reads the same per-user catalogue.
"$P/bin/ispln-cli" stats "$SOURCE/docs/sample.kpl" | grep -q '^人口: ' || { echo "ispln-cli found no catalogue" >&2; exit 1; }
[ "$(snapshot)" = "$before" ] || { echo "the prefix was written to" >&2; diff <(echo "$before") <(snapshot) >&2; exit 1; }
echo "install: read-only prefix untouched, ~/.config/ispln seeded and written"
