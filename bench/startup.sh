#!/bin/sh
# Usage: bench/startup.sh [BUILD_FOLDER [RUNS]]
# Start-up of Orvane against a bare Qt program showing one window of the start window's size,
# side by side on one Xvfb: each run starts them in turn and takes the time from starting the
# process until its window is mapped. Prints the median of each and the ratio. The same bare
# window with one line of text is timed too: it shows what loading a font alone costs.
# Measure the build users get: scripts/run.sh and scripts/test.sh make build/release
# (RelWithDebInfo), the default here.
set -eu
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/release}")
runs=${2:-20}
for target in orvane bare_window startup_probe; do
    cmake --build "$build" --target $target >/dev/null
done

exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
build=$1; runs=$2
export QT_QPA_PLATFORM=xcb
probe="$build/bench/startup_probe"
# One unmeasured start of each first, so that both find the libraries in the page cache.
"$probe" "Bare Qt window" "$build/bench/bare_window" >/dev/null
"$probe" "Orvane 1.0.0" "$build/app/orvane" >/dev/null
bare=""; text=""; orvane=""
i=0
while [ $i -lt "$runs" ]; do
    bare="$bare $("$probe" "Bare Qt window" "$build/bench/bare_window")"
    text="$text $("$probe" "Bare Qt window" "$build/bench/bare_window" --text)"
    orvane="$orvane $("$probe" "Orvane 1.0.0" "$build/app/orvane")"
    i=$((i + 1))
done
median() { printf "%s\n" $1 | sort -n | awk "{ v[NR] = \$1 } END {
    if (NR % 2) print v[(NR + 1) / 2]; else printf \"%.1f\n\", (v[NR / 2] + v[NR / 2 + 1]) / 2 }"; }
b=$(median "$bare"); t=$(median "$text"); o=$(median "$orvane")
echo "runs: $runs each, process start to window mapped, milliseconds"
echo "bare Qt window:           median $b  (all:$bare)"
echo "bare Qt window with text: median $t  (all:$text)"
echo "Orvane:                   median $o  (all:$orvane)"
awk -v o="$o" -v b="$b" -v t="$t" "BEGIN {
    printf \"ratio Orvane / bare: %.2f\n\", o / b
    printf \"ratio Orvane / bare with text: %.2f\n\", o / t }"
' startup "$build" "$runs"
