#!/usr/bin/env bash
# The installed program: installed into a prefix that is then made
# read-only, it starts under a real X server with a fresh HOME, keeps its
# files in ~/.config/ispln/ and writes nothing under the prefix. The
# desktop entry and the metainfo pass their validators; map files get their
# type, launcher and thumbnail; the window matches its launcher; the
# package is lintian-clean and reproducible; a games layout and a moved
# prefix work. Arguments: BUILD SOURCE GAMES_ISPLN GAMES_ISPLN_CLI (the two
# programs built for BINDIR=games, DATADIR=share/games).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
BUILD="$1"
SOURCE="$2"
GAMES_ISPLN="$3"
GAMES_CLI="$4"
fail() { echo "$*" >&2; exit 1; }
DIR="$(mktemp -d)"
trap 'chmod -R u+w "$DIR"; rm -rf "$DIR"' EXIT
P="$DIR/prefix"
cmake --install "$BUILD" --prefix "$P" --strip >/dev/null
# What the README tells users to run: optimised programs without symbols.
for f in ispln ispln-cli; do
    file "$P/bin/$f" | grep -q ", stripped" || fail "bin/$f is not stripped: $(file "$P/bin/$f")"
done
desktop-file-validate "$P"/share/applications/org.ispln.ISPLN.desktop
appstreamcli validate --no-net "$P"/share/metainfo/org.ispln.ISPLN.metainfo.xml >/dev/null
for f in bin/ispln bin/ispln-cli share/ispln/isplan.ini share/ispln/isplan-en.ini share/ispln/Image/sea.bmp share/ispln/Stamps/Towns/city-ring.stamp share/man/man1/ispln-cli.1.gz share/man/man1/ispln.1.gz share/doc/ispln/copyright share/doc/ispln/changelog.gz \
         share/icons/hicolor/64x64/apps/org.ispln.ISPLN.png; do
    [ -e "$P/$f" ] || { echo "not installed: $f" >&2; exit 1; }
done
# The caches a package's triggers would build.
update-mime-database "$P/share/mime"
update-desktop-database "$P/share/applications"
chmod -R a-w "$P"
snapshot() { (cd "$P" && find . -printf '%p %s %T@ %m\n' | sort); }
before="$(snapshot)"

export HOME="$DIR/home" P
mkdir "$HOME"
unset XDG_CONFIG_HOME QT_QPA_PLATFORM
"$P/bin/ispln-cli" --version | grep -q '^ispln-cli ' || { echo "ispln-cli --version failed" >&2; exit 1; }
env -u DISPLAY -u WAYLAND_DISPLAY "$P/bin/ispln" --version | grep -q '^ispln [0-9]' || fail "ispln --version needs a display"
env -u DISPLAY -u WAYLAND_DISPLAY "$P/bin/ispln" --help | grep -q '^Usage: ispln' || fail "ispln --help needs a display"
# The window's class is the one its launcher names, and it shows an icon.
WMCLASS="$(sed -n 's/^StartupWMClass=//p' "$P/share/applications/org.ispln.ISPLN.desktop")"
export WMCLASS
show_then_terminate "$P/bin/ispln" '
    xprop -name "ISPLN  Ver 1.00" WM_CLASS | grep -q ", \"$WMCLASS\"\$" ||
        { echo "WM_CLASS is not $WMCLASS: $(xprop -name "ISPLN  Ver 1.00" WM_CLASS)" >&2; false; } &&
    xprop -name "ISPLN  Ver 1.00" _NET_WM_ICON | grep -q "^_NET_WM_ICON(CARDINAL) = " ||
        { echo "no window icon" >&2; false; }'
HOMEDIR="$HOME/.config/ispln"
[ -f "$HOMEDIR/isplan.ini" ] && [ -w "$HOMEDIR/isplan.ini" ] || { echo "no writable $HOMEDIR/isplan.ini" >&2; exit 1; }
[ -f "$HOMEDIR/Image/sea.bmp" ] || { echo "Image/ not copied to $HOMEDIR" >&2; exit 1; }
grep -q $'^Max=23\r$' "$HOMEDIR/isplan.ini" || { echo "catalogue not written" >&2; exit 1; }
# The installed command-line tool reads the same per-user catalogue.
"$P/bin/ispln-cli" stats "$SOURCE/docs/sample.kpl" | grep -q '^人口: ' || { echo "ispln-cli found no catalogue" >&2; exit 1; }
[ "$(snapshot)" = "$before" ] || { echo "the prefix was written to" >&2; diff <(echo "$before") <(snapshot) >&2; exit 1; }

# Desktop integration: map files get their type by name and by content,
# the launcher opens them and the thumbnailer draws them.
cp "$SOURCE/docs/sample.kpl" "$DIR/island.kpl"
cp "$SOURCE/docs/sample.kpl" "$DIR/island"
for f in island.kpl island; do
    type="$(XDG_DATA_DIRS="$P/share" gio info -a standard::content-type "$DIR/$f" 2>/dev/null |
            sed -n 's/.*standard::content-type: //p')"
    [ "$type" = application/x-ispln-map ] || fail "$f has the type '$type'"
done
# A home of its own: nothing the machine's user chose may answer for it.
mkdir -p "$DIR/gio-home"
default_app() {
    HOME="$DIR/gio-home" XDG_CONFIG_HOME="$DIR/gio-home/.config" XDG_DATA_HOME="$DIR/gio-home/.local/share" \
        PATH="$P/bin:$PATH" XDG_DATA_DIRS="$P/share" gio mime application/x-ispln-map 2>/dev/null |
        grep -q '^Default application.*org\.ispln\.ISPLN\.desktop'
}
default_app || { sleep 2; default_app; } || fail "no default application for map files"
thumbnail="$(sed -n 's/^Exec=//p' "$P/share/thumbnailers/org.ispln.ISPLN.thumbnailer")"
thumbnail="${thumbnail//%i/$DIR/island.kpl}"; thumbnail="${thumbnail//%o/$DIR/thumb.png}"
PATH="$P/bin:$PATH" eval "${thumbnail//%s/128}"
file "$DIR/thumb.png" | grep -Eq 'PNG image data, (128 x [0-9]+|[0-9]+ x 128),' || fail "thumbnail: $(file "$DIR/thumb.png")"

# A first thumbnail, before ISPLN ever ran, reads the shipped catalogue
# and writes nothing into the user's folders.
mkdir "$DIR/fresh-home"
HOME="$DIR/fresh-home" XDG_CONFIG_HOME= PATH="$P/bin:$PATH" eval "${thumbnail//%s/64}"
[ -z "$(ls -A "$DIR/fresh-home")" ] || fail "the thumbnailer wrote into a fresh home: $(ls -A "$DIR/fresh-home")"

# Without a usable settings folder the command-line tool reads the shipped
# catalogue and creates nothing.
env -u HOME -u XDG_CONFIG_HOME "$P/bin/ispln-cli" stats "$DIR/island" | grep -q '^人口: ' ||
    fail "ispln-cli without HOME found no catalogue"

# Relocation: a games layout, and the whole prefix moved elsewhere.
G="$DIR/games"
mkdir -p "$G/games" "$G/share/games"
cp "$GAMES_ISPLN" "$G/games/ispln"
cp "$GAMES_CLI" "$G/games/ispln-cli"
cp -r "$P/share/ispln" "$G/share/games/ispln"
cp -r "$P" "$DIR/moved"
export HOME="$DIR/home2"
mkdir "$HOME"
for cli in "$G/games/ispln-cli" "$DIR/moved/bin/ispln-cli"; do
    "$cli" stats "$DIR/island.kpl" | grep -q '^人口: ' || fail "$cli found no catalogue"
done
show_then_terminate "$G/games/ispln"
grep -q $'^Max=23\r$' "$HOME/.config/ispln/isplan.ini" || fail "the games layout seeded no settings"
# An English user's first start seeds the English catalogue, and the tool's
# labels follow the same choice.
export HOME="$DIR/home3"
mkdir "$HOME"
(
    unset LC_ALL LC_MESSAGES
    export LANG=en_US.UTF-8
    show_then_terminate "$P/bin/ispln"
    grep -q $'^Name=Sea\r$' "$HOME/.config/ispln/isplan.ini" || fail "an English start seeded no English catalogue"
    "$P/bin/ispln-cli" stats "$SOURCE/docs/sample.kpl" | grep -q '^Population: ' || fail "ispln-cli labels are not English"
)

# The package: lintian-clean with a real contact, the same bytes twice.
command -v lintian >/dev/null || fail "lintian is missing"
for n in 1 2; do
    (cd "$BUILD" && SOURCE_DATE_EPOCH=1764547200 cpack -G DEB -B "$DIR/deb$n" \
        -D "CPACK_PACKAGE_CONTACT=ISPLN Test <ispln-test@example.org>" >/dev/null)
done
cmp "$DIR"/deb1/ispln_*.deb "$DIR"/deb2/ispln_*.deb || fail "two package builds differ"
depends="$(dpkg-deb -f "$DIR"/deb1/ispln_*.deb Depends)"
for p in qt6-qpa-plugins qt6-wayland qt6-translations-l10n; do
    grep -Eq "(^|, )$p(,|$| )" <<<"$depends" || fail "the package does not depend on $p: $depends"
done
report="$(lintian --fail-on error "$DIR"/deb1/ispln_*.deb 2>&1)" || fail "lintian: $report"
echo "install: prefix untouched, settings seeded, file type, identity, games layout, package"
