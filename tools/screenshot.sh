#!/usr/bin/env bash
# Renders the README's pictures under Xvfb: the main window with the sample
# island and outlines on, and a whole 31 x 31 island at 50 %. Needs xdotool
# and ImageMagick's import.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT/build"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
    ./ispln ../docs/sample.kpl & sleep 3
    xdotool mousemove 127 13 click 1   # the outline button
    sleep 0.5; xdotool mousemove 250 250; sleep 0.5
    import -window root -crop 622x578+0+0 ../docs/main-window.png
    kill %1; wait
    ./ispln ../docs/island31.kpl & sleep 3
    W=\$(xdotool search --name 'ISPLN  Ver' | head -1)
    xdotool windowfocus \$W key ctrl+minus ctrl+minus  # 100 % -> 75 % -> 50 %
    xdotool windowsize \$W 600 560
    sleep 0.5; xdotool mousemove 250 250; sleep 0.5
    import -window root -crop 600x560+0+0 ../docs/zoom-50.png
    xdotool key ctrl+0                 # the next start is at 100 % again
    sleep 0.3; kill %1; wait"

# The tab "スタンプ" with a defence group floating over the sea.
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
    ./ispln ../docs/sample.kpl & sleep 3
    xdotool mousemove 610 222 click 1; sleep 1    # the tab
    xdotool mousemove 560 280 click 1; sleep 0.5  # ミサイル基地群
    xdotool mousemove 120 460; sleep 0.2; xdotool mousemove 122 462; sleep 0.5
    import -window root -crop 622x578+0+0 ../docs/stamps.png
    kill %1; wait"

# The question before unsaved changes are lost: paint a cell, then Ctrl+O.
DIR="$(mktemp -d)"
trap 'rm -rf "$DIR"' EXIT
cp ispln "$DIR/" && cp -r Image isplan.ini "$DIR/"
export DIR
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$DIR/ispln" & sleep 3
    win=$(xdotool search --onlyvisible --name "^ISPLN  Ver" | head -1)
    xdotool mousemove --window "$win" 558 122 click 1   # a palette row
    xdotool mousemove --window "$win" 112 155 click 1   # a map cell
    xdotool windowfocus --sync "$win" key ctrl+o; sleep 1
    box=$(xdotool search --onlyvisible --name "^ISPLN\$" | head -1)
    import -window "$box" ../docs/unsaved-question.png
    kill -9 %1; wait || true'
rm -f "$DIR/isplan-recovery.kpl"

# The painting tools: a brush stroke across an empty 16 x 16 sea (plains),
# then a fill of the side below it (forest).
sed -e 's/^MapSize=.*/MapSize=1/' -e 's/^MapX=.*/MapX=16/' -e 's/^MapY=.*/MapY=16/' isplan.ini > "$DIR/isplan.ini"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$DIR/ispln" & sleep 3
    win=$(xdotool search --onlyvisible --name "^ISPLN  Ver" | head -1)
    xdotool windowfocus --sync "$win"
    centre() { echo $((32 * $1 + ($2 % 2 ? 16 : 32))) $((32 * $2 + 59)); }  # cell -> window pixel
    xdotool mousemove --window "$win" 550 190 click 1   # 平地
    xdotool key b mousemove --window "$win" $(centre 0 0) mousedown 1
    for y in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15; do
        x=$((y < 8 ? y / 2 + 1 : y - 4)); [ $x -gt 15 ] && x=15
        xdotool mousemove --window "$win" $(centre $x $y); sleep 0.05
    done
    xdotool mouseup 1
    xdotool mousemove --window "$win" 550 225 click 1   # 森
    xdotool key f mousemove --window "$win" $(centre 1 12) click 1
    xdotool mousemove --window "$win" $(centre 12 3); sleep 0.5
    import -window "$win" ../docs/tools-stroke-fill.png
    kill -9 %1; wait || true'
rm -f "$DIR/isplan-recovery.kpl"
