#!/usr/bin/env bash
# The recovery copy with the real program under a real X server: a painted
# cell survives SIGTERM and comes back when the next start is answered 復元.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
DATA="$2"
make_program_folder "$1" "$DATA"
cp "$DATA/isplan.ini" "$DIR/isplan.ini"  # a 16 x 16 map, nothing opened

unset QT_QPA_PLATFORM
# -noreset: the server would reset when the first run ends and could refuse
# the second one while it does.
xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24 -noreset" bash -c '
    set -e
    wait_window() {  # title pattern; prints the window id
        for i in $(seq 1 300); do  # up to 30 s on a busy machine
            if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$id" ]; then echo "$id"; return 0; fi
            sleep 0.1
        done
        echo "no window $1" >&2; return 1
    }
    cell() { od -An -tu1 -j296 -N1 "$DIR/isplan-recovery.kpl" | tr -d " "; }  # panel of cell (3, 3)

    "$DIR/ispln" & pid=$!
    win=$(wait_window "^ISPLN  Ver 1.00\$") || { kill -9 $pid; exit 1; }
    sleep 1.5  # laid out and ready for the pointer, even on a busy machine
    # The second palette row (shallows), then cell (3, 3) of the map.
    xdotool mousemove --window "$win" 558 122 click 1
    xdotool mousemove --window "$win" 112 155 click 1
    wait_window "^ISPLN  Ver 1.00 \\*\$" >/dev/null || { kill -9 $pid; exit 1; }
    kill -TERM $pid; wait $pid
    [ "$(cell)" = 1 ] || { echo "recovery copy lacks the painted cell: $(cell)" >&2; exit 1; }

    "$DIR/ispln" & pid=$!
    box=$(wait_window "^ISPLN\$") || { kill -9 $pid; exit 1; }
    sleep 0.3
    xdotool windowfocus --sync "$box" key Return  # 復元 is the default
    wait_window "^ISPLN  Ver 1.00 \\*\$" >/dev/null || { kill -9 $pid; exit 1; }
    rm "$DIR/isplan-recovery.kpl"
    kill -TERM $pid; wait $pid
    [ "$(cell)" = 1 ] || { echo "the restored map lacks the painted cell" >&2; exit 1; }
'
echo "e2e: painted cell survived SIGTERM and was restored"
