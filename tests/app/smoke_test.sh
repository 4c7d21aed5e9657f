#!/bin/sh
# Usage: smoke_test.sh ORVANE X11_WINDOW_PROBE
# Starts the program under its own Xvfb, checks the start window, closes it with the close
# box's message and expects the program to end by itself, successfully.
set -eu
own_xvfb=$(realpath "$(dirname "$0")/with_own_xvfb.sh")
program=$1
probe=$2
exec "$own_xvfb" sh -c '
    QT_QPA_PLATFORM=xcb "$1" &
    pid=$!
    if ! "$2" "Orvane 1.0.0" 502 467 370 194; then
        kill $pid 2>/dev/null
        exit 1
    fi
    waited=0
    while kill -0 $pid 2>/dev/null; do
        if [ $waited -ge 100 ]; then
            echo "the program did not end after its start window was closed"
            kill $pid
            exit 1
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    wait $pid
' smoke "$program" "$probe"
