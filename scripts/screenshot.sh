#!/usr/bin/env bash
# Takes a picture of the main window after a calculation and saves it as
# docs/screenshot.png. Builds the program if needed (in $BUILD_DIR, default
# build/) and runs it on a virtual X display, which is stopped afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
out=docs/screenshot.png

scripts/setup-debian.sh xvfb imagemagick x11-utils xdotool

[ -f "$build_dir/CMakeCache.txt" ] || cmake -S . -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target azidal --parallel "$(nproc)"

# The first free display number from 99 up.
display=99
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done
export DISPLAY=":$display"

xvfb_pid=
app_pid=
stop() {
    [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap stop EXIT

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
done

QT_QPA_PLATFORM=xcb "$build_dir/app/azidal" &
app_pid=$!

# The program's largest window of class "azidal" is the main window.
window=
for _ in $(seq 100); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/\("azidal" / {
            for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+\+/) { split($i, s, /[x+]/); area = s[1] * s[2] }
            if (area > best) { best = area; id = $1 } }
        END { print id }')
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "The main window did not appear." >&2; exit 1; }
sleep 1  # let it finish painting

# The worked example, typed as a user would: Down walks the fields to the
# correspondent's locator, Enter on to the own station, Alt+Л calculates.
xdotool windowfocus --sync "$window"
xdotool key --delay 30 Down Down Down Down Down Down
xdotool type --delay 30 jo62qm
for text in 55 46 15 37 37 30 ko85ts; do
    xdotool key Return
    xdotool type --delay 30 "$text"
done
xdotool key alt+Cyrillic_el
sleep 1

mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "Saved $out"
