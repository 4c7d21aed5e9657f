#!/bin/sh
# Usage: drive_by_keyboard.sh new|old ORVANE EXPECTED_FILE
# Runs the program under its own Xvfb and goes through one menu style with the keyboard alone
# (xdotool key and type; no mouse at all once the program runs): with title or lines My Menu /
# Kick, Ban, Exit, saves the plugin under the offered name menu.sma and compares it with
# EXPECTED_FILE. The same menus as drive_like_a_person.sh, so the same expected files.
set -eu
own_xvfb=$(realpath "$(dirname "$0")/with_own_xvfb.sh")
style=$1
program=$(realpath "$2")
expected=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$work"
exec "$own_xvfb" sh -eu -c '
style=$1; program=$2; expected=$3

# Waits until a window with exactly this caption is on screen and has the keyboard (or, with
# "gone", is not on screen); keys sent before would go to the window below.
wait_window() {
    i=0
    while :; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            [ "${2:-}" != gone ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ] && return 0
        else
            [ "${2:-}" = gone ] && return 0
        fi
        i=$((i + 1))
        if [ $i -ge 200 ]; then echo "timed out waiting for \"$1\" ${2:-}"; exit 1; fi
        sleep 0.05
    done
}
key() { xdotool key --delay 30 "$@"; }
type_text() { xdotool type --delay 20 "$1"; }

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
wait_window "Orvane 1.0.0"

# The focus starts on Continue in the start window, in the first text box of each editor and
# in the result box.
if [ "$style" = new ]; then
    key Return                                      # Continue
    wait_window "Orvane 1.0 - New Style Orvane"
    type_text "My Menu"                             # the title
    key Tab                                         # to the item list
    for item in Kick Ban Exit; do
        key Insert                                  # Add Item
        wait_window "Add Item"
        type_text "$item"
        key Tab Return                              # Add
        wait_window "Add Item" gone
    done
    key Tab Tab Return                              # past the access flag to Generate
else
    key Tab Down                                    # "Old style menu."
    key Tab Return                                  # round to Continue
    wait_window "Old Style Orvane 1.0.0"
    type_text "1. Kick"; key Return                 # white to start with
    key Tab Tab Return                              # past Continue and the disabled White: Yellow
    type_text "2. Ban"; key Return
    key Tab Tab Tab Return                          # past Continue, White and Yellow: Red
    type_text "0. Exit"
    key Tab Return                                  # Continue
    wait_window "Old style Orvane v1.0.0 - Old style menu options"
    key Tab Tab Return                              # past the keys and the menu name: Generate
fi

wait_window "Orvane v1.0.0 - Generated menu"
key Tab Tab Return                                  # past Copy to Save as...
wait_window "Save As"
key Return                                          # keep the offered name menu.sma
wait_window "Save As" gone
key Tab Return                                      # Close

i=0
while kill -0 $pid 2>/dev/null; do
    i=$((i + 1))
    if [ $i -ge 200 ]; then echo "the program did not end"; kill $pid; exit 1; fi
    sleep 0.05
done
wait $pid
cmp menu.sma "$expected"
echo "menu.sma is byte for byte $expected"
' drive "$style" "$program" "$expected"
