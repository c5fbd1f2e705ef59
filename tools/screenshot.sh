#!/usr/bin/env bash
# Renders the README's main-window picture: the sample island with outlines
# on, under Xvfb. Needs xdotool and ImageMagick's import.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT/build"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c "
    ./ispln ../docs/sample.kpl & sleep 3
    xdotool mousemove 127 13 click 1   # the outline button
    sleep 0.5; xdotool mousemove 250 250; sleep 0.5
    import -window root -crop 622x578+0+0 ../docs/main-window.png
    kill %1; wait"
