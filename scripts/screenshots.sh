#!/usr/bin/env bash
# Takes the pictures of the manual and the README from the program itself, on a virtual display
# with the simulated module: the main window after a read, the Values page with its live chart,
# the Settings page and the report sheet. Rerun it after any change to the window's looks:
#     scripts/screenshots.sh [PROGRAM]
# It writes doc/images/*.png; rebuild afterwards to render the manual with the new pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/kvc7345}")
images=doc/images
mkdir -p "$images"

work=$(mktemp -d)
home="$work/home"
mkdir -p "$home"
# Past the first run, so no welcome box covers the window.
printf 'RUNTIMES        = 5\r\n' > "$home/config.ini"

# A free display number for the virtual screen.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=":$display"
export XDG_RUNTIME_DIR="$work"
unset QT_QPA_PLATFORM
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.2
done

# Captures a window into a PNG file, without the screen around it.
capture() {
    xwd -silent -id "$1" | /usr/bin/convert xwd:- "$images/$2"
    echo "wrote $images/$2"
}

# Waits until the file exists and has grown past the given size.
wait_for_growth() {
    local file=$1 size=$2
    for _ in $(seq 120); do
        if [ -f "$file" ] && [ "$(stat -c %s "$file")" -gt "$size" ]; then
            return 0
        fi
        sleep 0.5
    done
    echo "timed out waiting for $file" >&2
    return 1
}

"$program" --demo Q7383D --home "$home" &
app_pid=$!
window=$(xdotool search --sync --onlyvisible --name "KVC7345 Configurator" | head -1)
sleep 2
# Without a window manager the keys go to the window under the pointer.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH - 20)) $((Y + HEIGHT - 20))
xdotool windowfocus "$window" 2>/dev/null || true

# The pointer waits outside the window, where it raises no hints over the pictures.
park() {
    xdotool mousemove 0 0
}

# F1 reads the simulated module; the configuration log says when the read is complete.
xdotool key F1
wait_for_growth "$home/log/config.log" 0
sleep 1
# The status box's OK button sits in the middle of the window, 317 pixels from its top.
xdotool mousemove $((X + WIDTH / 2)) $((Y + 317)) click 1
park
sleep 1
capture "$window" main-window.png

# The wheel over the pages' tabs goes to the next page. The Values page starts reading the input
# by itself when its probe finds the module; give the chart half a minute of values.
next_page() {
    xdotool mousemove $((X + 20)) $((Y + 12)) click 5
    park
}
next_page
sleep 2
# START, in case the page did not start by itself: the bottom right of the page.
start_stop() {
    xdotool mousemove $((X + WIDTH - 104)) $((Y + HEIGHT - 82)) click 1
    park
}
start_stop
sleep 30
capture "$window" live-values.png
# STOP before leaving the page, or a box says the session stopped.
start_stop
sleep 1

next_page
sleep 2
capture "$window" settings.png

kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=

# The report sheet of the configuration just read, as the report command saves it.
"$program" read --demo Q7383D --out "$work/Q7383D.NVC" --home "$home" >/dev/null
"$program" report "$work/Q7383D.NVC" --pdf "$work/report.pdf" --yes --done-by "Test bench" \
    --done-for "Manual" --home "$home" >/dev/null
pdftoppm -r 70 -f 1 -l 1 -png -singlefile "$work/report.pdf" "$work/report"
cp "$work/report.png" "$images/report-sheet.png"
echo "wrote $images/report-sheet.png"
