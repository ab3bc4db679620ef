#!/bin/bash
# The same edits with the mouse at 100, 50, 200 and 400 %, in a real window on an X display
# (Xvfb), each saved; the files must be identical. Every press and release lies on a 60-twip
# grid, whole pixels at all four zooms.
#
#   Xvfb :94 -screen 0 1600x1000x24 &
#   scripts/zoom-check.sh :94 [work folder]      # screenshots: <work>/shot-<zoom>-<step>.png
#
# ZOOMS="400" runs only those, against an out-100.dia left in the work folder by a full run.
#
# Needs xdotool and ImageMagick's import. The settings.ini beside the program is set aside for
# the run (drawing options shown, no information messages) and put back afterwards.
set -eu
export DISPLAY=${1:?display, e.g. :94}
WORK=${2:-/tmp/zoom-check}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
PROGRAM=$ROOT/build/program/vexilardo
mkdir -p "$WORK" "$WORK/home"

# The starting diagram: a hub, a router and a text field.
python3 - "$WORK/start.dia" <<'PY'
import sys
def rec(*vals):
    def one(v):
        if isinstance(v, bool): return '#TRUE#' if v else '#FALSE#'
        if isinstance(v, str): return '"%s"' % v
        return str(v)
    return ','.join(one(v) for v in vals)
lines = [rec('[Vexilardo]')]
pics = {1: ('HUB', 600, 600, 'Хъб едно'), 2: ('ROUTER', 600, 2700, 'Рутер две')}
for i in range(1, 256):
    if i in pics:
        tag, top, left, name = pics[i]
        lines.append(rec('[PIC]', tag, top, left, name, *[''] * 6))
    else:
        lines.append(rec('[EMPIC]', *[''] * 10))
    if i == 1:
        lines.append(rec('[TXT]', 'Проба', 1740, 2100, 0, False, False, 'DejaVu Sans', 8.25, False, False))
lines.append(rec('[/Vexilardo]'))
open(sys.argv[1], 'wb').write(('\r\n'.join(lines) + '\r\n').encode('cp1251'))
PY

SETTINGS=$ROOT/build/program/settings.ini
[ -e "$SETTINGS" ] && mv "$SETTINGS" "$WORK/settings.ini.kept"
restore() { rm -f "$SETTINGS"; [ -e "$WORK/settings.ini.kept" ] && mv "$WORK/settings.ini.kept" "$SETTINGS"; true; }
trap restore EXIT
{ printf '"[NASTROIKIVX]"\r\n"MS Sans Serif"\r\n'; for i in $(seq 11); do printf '255\r\n'; done
  printf '#FALSE#\r\n#TRUE#\r\n#TRUE#\r\n'; } > "$SETTINGS"

# The canvas's top-left corner on the screen (the window at 0,0, 1400 x 900: the wide layout).
PANO_X=10; PANO_Y=64
sx() { echo $(( PANO_X + $1 * Z / 1500 )); }
sy() { echo $(( PANO_Y + $1 * Z / 1500 )); }
at() {
    for v in "$1" "$2"; do
        (( v * Z % 1500 == 0 )) || { echo "not a whole pixel: $v twips at $Z %" >&2; exit 1; }
    done
    xdotool mousemove "$(sx "$1")" "$(sy "$2")"; sleep 0.15
}
click() { at "$1" "$2"; xdotool click 1; sleep 0.3; }
rclick() { at "$1" "$2"; xdotool click 3; sleep 0.5; }
drag() {
    at "$1" "$2"; xdotool mousedown 1; sleep 0.2
    for k in 1 2 3; do
        xdotool mousemove $(( $(sx "$1") + ($(sx "$3") - $(sx "$1")) * k / 4 )) \
                          $(( $(sy "$2") + ($(sy "$4") - $(sy "$2")) * k / 4 )); sleep 0.1
    done
    at "$3" "$4"; xdotool mouseup 1; sleep 0.4
}
screen_click() { xdotool mousemove "$1" "$2"; sleep 0.15; xdotool click 1; sleep 0.4; }
key() { xdotool key "$@"; sleep 0.4; }
shot() { import -window root "$WORK/shot-$Z-$1.png"; }
focus() { screen_click 1300 890; } # the status bar: keyboard focus without a window manager

edit() {
    Z=$1
    cp "$WORK/start.dia" "$WORK/in-$Z.dia"; rm -f "$WORK/out-$Z.dia"
    HOME=$WORK/home "$PROGRAM" --size 1400x900 > "$WORK/app-$Z.log" 2>&1 &
    local app=$!
    sleep 4; focus
    case $Z in # Ctrl+- and Ctrl with the keypad's keys, Ctrl+=, Ctrl with the wheel
        50) xdotool mousemove 400 300; key ctrl+minus; key ctrl+KP_Add
            xdotool keydown ctrl; xdotool click 5; sleep 0.3; xdotool click 5; xdotool keyup ctrl ;;
        200) key ctrl+equal; key ctrl+equal ;;
        400) key ctrl+equal; key ctrl+KP_Add; key ctrl+KP_Add; key ctrl+KP_Subtract; key ctrl+equal; key ctrl+equal ;;
    esac
    sleep 0.5
    # Load shows the diagram from the origin, at the zoom.
    key ctrl+o; sleep 1; xdotool type --delay 20 "$WORK/in-$Z.dia"; key Return; sleep 1.5
    shot 1-loaded
    drag 1080 1080 1320 1200                 # the hub, by 240, 120 twips
    screen_click 438 32                      # "Свържи", type 2
    click 1320 1200; click 3180 1080         # the hub, then the router
    shot 2-connected
    rclick 3180 1080; xdotool mousemove_relative 56 77; sleep 0.2; xdotool click 1; sleep 0.5
    drag 3720 1620 3960 1860                 # "Оразмери", then handle 4 of the router
    shot 3-resized
    screen_click 574 32                      # "Квадрат"
    drag 600 2040 1500 2640
    screen_click 32 32; key Down Down Down Right Down Return; sleep 0.6; key Return # "Решетка"
    drag 1800 2040 3600 2640
    sleep 1; key ctrl+a; xdotool type 3; key Tab ctrl+a; xdotool type 4; key Return; sleep 0.8
    shot 4-grid
    focus; key ctrl+f; xdotool type --delay 30 "Проба"; key Return; sleep 0.5
    shot 5-search
    key Escape
    focus; key ctrl+s; sleep 1; xdotool type --delay 20 "$WORK/out-$Z.dia"; key Return; sleep 2
    key Return; sleep 0.5
    kill "$app"; wait "$app" 2>/dev/null || true
    [ -s "$WORK/out-$Z.dia" ] || { echo "nothing saved at $Z %" >&2; exit 1; }
}

ZOOMS=${ZOOMS:-100 50 200 400}
for zoom in $ZOOMS; do edit $zoom; done
for zoom in $ZOOMS; do
    [ "$zoom" = 100 ] && continue
    cmp "$WORK/out-100.dia" "$WORK/out-$zoom.dia"
    echo "$zoom %: the same file as at 100 %"
done
