#!/bin/sh
# Usage: drive_like_a_person.sh new|old ORVANE EXPECTED_FILE
# Runs the program under its own Xvfb and goes through one menu style with the mouse and the
# keyboard only (xdotool), as a person would: with title or lines My Menu / Kick, Ban, Exit,
# saves the plugin under the offered name menu.sma and compares it with EXPECTED_FILE.
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

# Waits until a window with exactly this caption is on screen (or, with "gone", is not).
wait_window() {
    i=0
    while :; do
        if xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; then
            [ "${2:-}" != gone ] && return 0
        else
            [ "${2:-}" = gone ] && return 0
        fi
        i=$((i + 1))
        if [ $i -ge 200 ]; then echo "timed out waiting for \"$1\" ${2:-}"; exit 1; fi
        sleep 0.05
    done
}
click() { xdotool mousemove "$1" "$2" click 1; }
type_text() { xdotool type --delay 20 "$1"; }

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
wait_window "Orvane 1.0.0"

# Screen positions: each window opens at its fixed place; a control lies at window + offset.
if [ "$style" = new ]; then
    click 683 639                                   # Continue
    wait_window "Orvane 1.0 - New Style Orvane"
    click 677 257                                   # the title box
    type_text "My Menu"
    for item in Kick Ban Exit; do
        click 588 410                               # the green plus
        wait_window "Add Item"
        type_text "$item"
        click 586 497                               # Add
        wait_window "Add Item" gone
    done
    click 742 683                                   # Generate
else
    click 527 575                                   # "Old style menu."
    click 683 639                                   # Continue
    wait_window "Old Style Orvane 1.0.0"
    click 610 387                                   # into the text box (white to start with)
    type_text "1. Kick"; xdotool key Return
    click 634 317                                   # Yellow
    type_text "2. Ban"; xdotool key Return
    click 723 317                                   # Red
    type_text "0. Exit"
    click 723 573                                   # Continue
    wait_window "Old style Orvane v1.0.0 - Old style menu options"
    click 619 474                                   # Generate
fi

wait_window "Orvane v1.0.0 - Generated menu"
click 810 725                                       # Save as...
wait_window "Save As"
xdotool key Return                                  # keep the offered name menu.sma
wait_window "Save As" gone
click 915 725                                       # Close

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
