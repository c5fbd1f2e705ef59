# Shared by the end-to-end scripts; sourced, not run.

# A fresh program folder in $DIR holding a copy of the executable and
# Image/, removed when the script ends. The caller writes isplan.ini.
make_program_folder() {  # EXE DATA
    DIR="$(mktemp -d)"
    trap 'rm -rf "$DIR"' EXIT
    cp "$1" "$DIR/ispln"
    cp -r "$2/Image" "$DIR/Image"
    export DIR
}

# Starts PROGRAM under a real X server (whatever platform the test run
# uses), waits for its main window, runs the shell code WHILE_SHOWN (if
# any) against it and ends it with SIGTERM.
show_then_terminate() {  # PROGRAM [WHILE_SHOWN]
    # Parallel runs starting from the same display number can collide;
    # start each from its own.
    PROGRAM="$1" WHILE_SHOWN="${2:-}" env -u QT_QPA_PLATFORM xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1024x768x24" bash -c '
        cd /
        "$PROGRAM" & pid=$!
        for i in $(seq 1 100); do
            if xwininfo -root -tree 2>/dev/null | grep -q "\"ISPLN  Ver 1.00\""; then found=1; break; fi
            sleep 0.1
        done
        if [ -z "${found:-}" ]; then echo "window did not appear" >&2; kill -9 $pid; exit 1; fi
        if ! eval "$WHILE_SHOWN"; then kill -9 $pid; exit 1; fi
        kill -TERM $pid
        wait $pid
    '
}
