#!/bin/sh
# Usage: scripts/windows/drive_under_wine.sh ZIP EXPECTED_FILE [SCREENSHOT_FOLDER]
# Unpacks the Windows package into an empty folder and runs the program from there under Wine
# and its own Xvfb, with no path settings. Makes a new-style menu with the mouse and the
# keyboard only (xdotool), as a person would: title My Menu, items Kick, Ban, Exit; saves it
# under the offered name menu.sma and compares it with EXPECTED_FILE byte for byte. With a
# SCREENSHOT_FOLDER, also saves the start window and the new-style editor there as
# windows-start-window.png and windows-new-style-editor.png (client areas only: with no window
# manager on Xvfb nothing draws the title bars). Needs ImageMagick for that.
set -eu
zip=$(realpath "$1")
expected=$(realpath "$2")
shots=${3:+$(realpath "$3")}
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/orvane/wine-prefix}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/unpacked" "$work/saved"
unzip -q "$zip" -d "$work/unpacked"
program=$(find "$work/unpacked" -name orvane.exe)
cd "$work/saved"
env -u WINEPATH -u QT_PLUGIN_PATH -u QT_QPA_PLATFORM WINEDEBUG=-all \
    xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
program=$1; expected=$2; shots=$3

# The X window of the Windows window with exactly this caption, once it is on screen
# (or, with "gone", nothing once it is not).
wait_window() {
    i=0
    while :; do
        if id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) &&
            [ -n "$id" ]; then
            [ "${2:-}" != gone ] && { sleep 0.3; echo "$id"; return 0; }
        else
            [ "${2:-}" = gone ] && return 0
        fi
        i=$((i + 1))
        if [ $i -ge 400 ]; then echo "timed out waiting for \"$1\" ${2:-}" >&2; exit 1; fi
        sleep 0.05
    done
}
# Clicks at a place in a window: its position in the window client area.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
type_text() { xdotool type --delay 30 "$1"; }
shot() {
    [ -n "$shots" ] || return 0
    sleep 1                                          # Wine repaints what a closed window hid
    eval "$(xdotool getwindowgeometry --shell "$2")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/$1.png"
}

wine "$program" &
pid=$!
start=$(wait_window "Orvane 1.0.0")
shot windows-start-window "$start"
click "$start" 181 172                               # Continue
editor=$(wait_window "Orvane 1.0 - New Style Orvane")
click "$editor" 116 34                               # the title box
type_text "My Menu"
for item in Kick Ban Exit; do
    click "$editor" 27 187                           # the green plus
    add=$(wait_window "Add Item")
    type_text "$item"
    click "$add" 125 76                              # Add
    wait_window "Add Item" gone
done
shot windows-new-style-editor "$editor"
click "$editor" 181 460                              # Generate
result=$(wait_window "Orvane v1.0.0 - Generated menu")
click "$result" 420 500                              # Save as...
wait_window "Save As" >/dev/null
xdotool key Return                                   # keep the offered name menu.sma
wait_window "Save As" gone
click "$result" 525 500                              # Close

i=0
while kill -0 $pid 2>/dev/null; do
    i=$((i + 1))
    if [ $i -ge 400 ]; then echo "the program did not end" >&2; kill $pid; exit 1; fi
    sleep 0.05
done
wait $pid
cmp menu.sma "$expected"
echo "Under Wine, the unpacked package saved menu.sma byte for byte as $expected"
wineserver -k
' drive "$program" "$expected" "$shots"
