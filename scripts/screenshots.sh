#!/bin/sh
# Usage: scripts/screenshots.sh [ORVANE]
# Takes the README's screenshots of every window from the real program under Xvfb, driven with
# xdotool, into docs/, and one of the new-style editor at a scale factor of 2. Needs ImageMagick
# (apt-get install imagemagick) besides the test tools, and setxkbmap (x11-xkb-utils) for the
# Russian text of the preview's screenshots.
set -eu
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/release/app/orvane}")
command -v import >/dev/null || { echo "ImageMagick's import is missing"; exit 1; }
command -v setxkbmap >/dev/null || { echo "setxkbmap (x11-xkb-utils) is missing"; exit 1; }
out=$(realpath docs)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

exec xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
program=$1; out=$2
wait_window() {
    i=0
    until xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; do
        i=$((i + 1)); [ $i -lt 200 ] || { echo "no window \"$1\""; exit 1; }
        sleep 0.05
    done
    sleep 0.3
}
# shot NAME X Y WIDTH HEIGHT: the window at that place on screen.
shot() { import -window root -crop "$4x$5+$2+$3" +repage "$out/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; }
type_text() { xdotool type --delay 10 "$1"; }

QT_QPA_PLATFORM=xcb "$program" & wait_window "Orvane 1.0.0"
shot start-window 502 467 370 194
click 683 639; wait_window "Orvane 1.0 - New Style Orvane"
click 677 257; type_text "My Menu"
for item in Kick Ban Exit; do
    click 588 410; wait_window "Add Item"; type_text "$item"
    [ $item = Exit ] && shot add-item-dialog 461 421 361 99
    click 586 497; sleep 0.3
done
shot new-style-editor 561 223 372 483
click 742 683; wait_window "Orvane v1.0.0 - Generated menu"
shot result-window 390 225 821 532
click 915 725; sleep 0.5

QT_QPA_PLATFORM=xcb "$program" & wait_window "Orvane 1.0.0"
click 527 575; click 683 639; wait_window "Old Style Orvane 1.0.0"
click 610 387
type_text "Main menu"; xdotool key Return
click 634 317; type_text "1. Kick"; xdotool key Return
type_text "2. Ban"; xdotool key Return
click 810 317; type_text "3. Slap (admins only)"; xdotool key Return
click 723 317; type_text "0. Exit"
click 560 330
shot old-style-editor 502 289 450 305
click 723 573; wait_window "Old style Orvane v1.0.0 - Old style menu options"
shot old-style-options 415 334 432 164
click 619 474; wait_window "Orvane v1.0.0 - Generated menu"
shot old-style-result 390 225 821 532
click 915 725
sleep 0.5

# ---- Scale factor 2 ----
# The new-style editor at a scale factor of 2, where the screen measures 640 x 512 in the units
# of the windows: the editor opens moved inside it, its pictures drawn for the pixels of the
# screen. Driven by the keyboard and the geometry of the window, as every place doubles.
# With no window manager, keys go to the window under the pointer: each step points at its
# window first.
point_at() {
    xdotool mousemove --window "$(xdotool search --onlyvisible --name "^$1\$")" 40 40
}
QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=xcb "$program" & scaled=$!
wait_window "Orvane 1.0.0"
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name "^Orvane 1.0.0\$")")"
click $((X + 362)) $((Y + 344))
wait_window "Orvane 1.0 - New Style Orvane"
eval "$(xdotool getwindowgeometry --shell \
    "$(xdotool search --onlyvisible --name "^Orvane 1.0 - New Style Orvane\$")")"
point_at "Orvane 1.0 - New Style Orvane"; type_text "My Menu"
for item in Kick Ban Exit; do
    click $((X + 54)) $((Y + 374)); wait_window "Add Item"
    point_at "Add Item"; type_text "$item"; xdotool key Tab space; sleep 0.3
done
point_at "Orvane 1.0 - New Style Orvane"; sleep 0.3
shot new-style-editor-scale2 "$X" "$Y" "$WIDTH" "$HEIGHT"
kill $scaled

# --- Preview (in-game look): a two-page Russian menu, and an old-style menu the game cuts ---
# Russian text is typed slowly on a Russian keyboard layout: letters that xdotool has to map
# onto a spare key on the fly, or types quickly, now and then get lost. Look at the result.
setxkbmap ru
type_ru() { xdotool type --delay 100 "$1"; }
# shot_window CAPTION NAME: the window of that caption, wherever it was placed.
shot_window() {
    eval "$(xdotool search --onlyvisible --name "^$1\$" getwindowgeometry --shell | grep -E "^(X|Y|WIDTH|HEIGHT)=")"
    shot "$2" "$X" "$Y" "$WIDTH" "$HEIGHT"
}
QT_QPA_PLATFORM=xcb "$program" & wait_window "Orvane 1.0.0"
click 683 639; wait_window "Orvane 1.0 - New Style Orvane"
click 677 257; type_ru "Главное меню"
for item in "Купить оружие" "Купить броню" "Телепорт на базу" "Лечение" "Сменить команду" \
            "Голосование за карту" "Правила сервера" "Статистика" "Помощь" "Наказать игрока"; do
    click 588 410; wait_window "Add Item"; type_ru "$item"
    click 586 497; sleep 0.3
done
click 873 683; wait_window "Предпросмотр"
xdotool key 3; sleep 0.3
shot_window "Предпросмотр" preview-new-style
kill $! && wait $! || true

QT_QPA_PLATFORM=xcb "$program" & wait_window "Orvane 1.0.0"
click 527 575; click 683 639; wait_window "Old Style Orvane 1.0.0"
click 610 387
click 634 317; type_ru "Магазин оружия и снаряжения"; xdotool key Return
n=0
for item in "Автомат Калашникова с прицелом" "Винтовка с глушителем и магазином" \
            "Снайперская винтовка с оптикой" "Пистолет пустынный орёл" \
            "Бронежилет и каска для защиты" "Осколочные и световые гранаты" \
            "Набор сапёра для разминирования" "Выход из магазина без покупки"; do
    n=$((n + 1)); [ $n = 8 ] && n=0
    click 723 317; type_text "$n."
    click 547 317; type_ru " $item"
    [ $n = 0 ] || xdotool key Return
done
click 894 573; wait_window "Предпросмотр"
shot_window "Предпросмотр" preview-old-style-cut
kill $! && wait $! || true
setxkbmap us
# --- end of the preview screenshots ---
' screenshots "$program" "$out"
