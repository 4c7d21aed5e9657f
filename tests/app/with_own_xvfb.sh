#!/bin/sh
# Usage: with_own_xvfb.sh COMMAND [ARGUMENTS...]
# Runs COMMAND with DISPLAY on an Xvfb of its own (1280x1024, 24 bits) and waits for that
# server to be gone before returning COMMAND's status. The server picks a free display number
# itself when it starts. xvfb-run -a picks the number before, and does not wait for its server
# to end: a run that follows at once could take the same number and lose its socket to the
# old server's exit ("could not connect to display").
set -eu
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$dir/display" 2>"$dir/log" &
server=$!
stop() {
    kill "$server" 2>/dev/null || :
    wait "$server" 2>/dev/null || :
    rm -rf "$dir"
}
trap stop EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# The number is written once the server takes connections.
waited=0
until [ -s "$dir/display" ]; do
    if ! kill -0 "$server" 2>/dev/null || [ $waited -ge 500 ]; then
        cat "$dir/log" >&2
        echo "Xvfb did not start" >&2
        exit 1
    fi
    sleep 0.02
    waited=$((waited + 1))
done
DISPLAY=:$(tr -d '\n' <"$dir/display")
export DISPLAY
unset XAUTHORITY

set +e
"$@"
status=$?
set -e
exit $status
