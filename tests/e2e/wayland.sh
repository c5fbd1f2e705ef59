#!/usr/bin/env bash
# The real program under a Wayland compositor (weston without a screen): it
# shows its window under the launcher's app id, stays up and ends cleanly on
# SIGTERM, writing its isplan.ini. Exits with 77 (skipped) only when weston
# cannot start here.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
make_program_folder "$1" "$2"
cp "$2/isplan.ini" "$DIR/isplan.ini"
fail() { echo "$*" >&2; exit 1; }
# A compositor matches a window to its launcher by the desktop file's name.
APP_ID="$(basename "$3" .desktop)"

command -v weston >/dev/null || { echo "weston is not installed: skipped"; exit 77; }
# A runtime folder and socket of our own: nothing of a desktop session, and
# parallel runs do not meet.
export XDG_RUNTIME_DIR="$DIR/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY="ispln-e2e-$$"
unset DISPLAY
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
    --log="$XDG_RUNTIME_DIR/weston.log" & weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$DIR"' EXIT
for i in $(seq 1 50); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    kill -0 $weston 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; then
    echo "weston could not start here: skipped"; tail -5 "$XDG_RUNTIME_DIR/weston.log"; exit 77
fi

# The client's side of the protocol shows what the compositor was told.
(cd / && QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 exec "$DIR/ispln" 2>"$DIR/protocol.log") & pid=$!
for i in $(seq 1 100); do
    grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' "$DIR/protocol.log" 2>/dev/null && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
grep -q 'xdg_toplevel@[0-9]*\.set_title("ISPLN  Ver 1.00")' "$DIR/protocol.log" ||
    { kill -9 $pid 2>/dev/null; grep -v '^\[' "$DIR/protocol.log" >&2; fail "no main window"; }
grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$APP_ID\")" "$DIR/protocol.log" ||
    { kill -9 $pid; fail "app id is not $APP_ID: $(grep -o 'set_app_id([^)]*)' "$DIR/protocol.log")"; }
grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' "$DIR/protocol.log" || { kill -9 $pid; fail "nothing was drawn"; }
sleep 2
kill -0 $pid 2>/dev/null || { wait $pid || true; grep -v '^\[' "$DIR/protocol.log" >&2; fail "ispln ended by itself"; }
kill -TERM $pid
status=0
wait $pid || status=$?
[ $status -eq 0 ] || { grep -v '^\[' "$DIR/protocol.log" >&2; fail "ispln ended with $status on SIGTERM"; }
grep -q $'^Zoom=100\r$' "$DIR/isplan.ini" || fail "isplan.ini was not written on SIGTERM"
echo "e2e: shown under Wayland as $APP_ID, SIGTERM ended it cleanly"
