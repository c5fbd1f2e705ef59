#!/usr/bin/env bash
# The start-up fit under a window manager that frames its windows: a 31 x 31
# map named on the command line, with "Window" on, keeps the whole frame
# (status bar and zoom box included) on a 1024 x 600 screen.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
DATA="$2"
make_program_folder "$1" "$DATA"
sed -e 's/^Window=0/Window=1/' "$DATA/isplan.ini" > "$DIR/isplan.ini"
cp "$3" "$DIR/island.kpl"

unset QT_QPA_PLATFORM
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x600x24" bash -c '
    set -e
    openbox >/dev/null 2>&1 & wm=$!
    for i in $(seq 1 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
    sleep 1  # the window manager also manages new windows by now
    "$DIR/ispln" "$DIR/island.kpl" & pid=$!
    for i in $(seq 1 300); do  # a busy machine starts slowly
        id=$(xdotool search --onlyvisible --name "^ISPLN  Ver 1.00 - island.kpl\$" 2>/dev/null | head -1) && [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "${id:-}" ] || { xwininfo -root -tree | grep -i ispln >&2; echo "window did not appear" >&2; kill -9 $pid $wm; exit 1; }
    sleep 1.5  # framed and fitted, even on a busy machine
    read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed "s/.*= //; s/,/ /g")
    x=$(xwininfo -id "$id" | awk "/Absolute upper-left X/{print \$4}")
    y=$(xwininfo -id "$id" | awk "/Absolute upper-left Y/{print \$4}")
    w=$(xwininfo -id "$id" | awk "/Width:/{print \$2}")
    h=$(xwininfo -id "$id" | awk "/Height:/{print \$2}")
    kill -TERM $pid; wait $pid || true; kill $wm || true
    echo "frame $((x - l)),$((y - t)) to $((x + w + r)),$((y + h + b))"
    [ $((x - l)) -ge 0 ] && [ $((y - t)) -ge 0 ] && [ $((x + w + r)) -le 1024 ] && [ $((y + h + b)) -le 600 ] ||
        { echo "the window leaves the screen" >&2; exit 1; }
'
echo "e2e: the start-up fit keeps the framed window on a 1024 x 600 screen"
