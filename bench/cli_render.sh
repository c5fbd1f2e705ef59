#!/usr/bin/env bash
# Times `ispln-cli render` of a 31 x 31 map with masks against the process
# start-up floor (`ispln-cli --version`) and prints what rendering adds as a
# share of the start-up. Goal: less than 1 (rendering costs less than start-up).
#
#   bench/cli_render.sh [BUILD_DIR] [RUNS]     default: build 50
set -euo pipefail
BUILD="${1:-build}"
RUNS="${2:-50}"
CLI="$BUILD/ispln-cli"
[ -x "$CLI" ] || { echo "no $CLI: build it first" >&2; exit 1; }

DIR="$(mktemp -d)"
trap 'rm -rf "$DIR"' EXIT
MAP="$DIR/big.kpl"
PNG="$DIR/big.png"

# 31 x 31, every shipped panel kind, counters, a mask on every third cell.
python3 - "$MAP" <<'PY'
import sys
cells = bytearray()
for x in range(31):
    for y in range(31):
        i = x * 31 + y
        cells += bytes([i % 24, i % 7, (i // 3) % 5 + 1 if i % 3 == 0 else 0])
open(sys.argv[1], "wb").write(b"KPL03\0" + bytes([30, 30]) + cells)
PY

# Mean wall time of one run, in microseconds, over $RUNS runs.
mean_us() {
    "$@" >/dev/null  # warm the page cache
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < RUNS; i++)); do "$@" >/dev/null; done
    end=$(date +%s%N)
    echo $(((end - start) / RUNS / 1000))
}

if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 3 --runs "$RUNS" "$CLI --version" "$CLI render $MAP -o $PNG"
fi
floor=$(mean_us "$CLI" --version)
render=$(mean_us "$CLI" render "$MAP" -o "$PNG")
added=$((render - floor))
echo "runs:                    $RUNS"
echo "start-up (--version):    $((floor / 1000)).$(printf %03d $((floor % 1000))) ms"
echo "render 31 x 31, masks:   $((render / 1000)).$(printf %03d $((render % 1000))) ms"
echo "rendering adds:          $((added / 1000)).$(printf %03d $((added % 1000))) ms"
awk -v a="$added" -v f="$floor" 'BEGIN { printf "ratio added / start-up:  %.2f (goal: below 1)\n", a / f }'
