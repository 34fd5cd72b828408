# shellcheck shell=bash
# Shared by the journeys: a virtual X display of the journey's own with a window manager, the
# program started on it as a user starts it, input through the X server (XTEST, as xdotool sends
# it) and what the screen shows read back as pixels. Sourced, never run.
#
# A journey calls start_journey NAME PROGRAM first; everything it starts ends with it, also when
# it fails. Waits poll with a generous limit: the journeys run beside the rest of the suite on a
# busy machine, and only an answer that never comes fails them.

set -euo pipefail

WaitLimit=20

fail() {
    echo "journey $journey_name: FAILED: $*" >&2
    exit 1
}

note() {
    echo "journey $journey_name: $*"
}

# The tools are part of the build's requirements: a missing one fails the journey, so the suite
# never passes without having run it.
require_tools() {
    local missing=() tool
    for tool in Xvfb openbox xdotool xwd xwininfo xprop /usr/bin/convert od awk; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        fail "missing ${missing[*]}: run scripts/install-deps.sh"
    fi
}

# Runs a check until it succeeds; after the limit the journey fails, naming what it waited for.
wait_until() {
    local what=$1 deadline=$((SECONDS + WaitLimit))
    shift
    until "$@"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            fail "waited ${WaitLimit} s for $what"
        fi
        sleep 0.2
    done
}

start_journey() {
    journey_name=$1
    program=$(realpath "$2")
    journey_started=$SECONDS
    require_tools
    [ -x "$program" ] || fail "no program at $2"

    work=$(mktemp -d)
    home="$work/home"
    mkdir -p "$home" "$work/out" "$work/user/config" "$work/user/cache" "$work/user/data"
    mkdir -m 700 "$work/user/runtime"
    xvfb_pid='' wm_pid='' app_pid=''
    trap end_journey EXIT

    # The server picks a free display itself and says which once it takes connections: journeys
    # running side by side never race for a number.
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_until "the X server to start" display_known
    DISPLAY=":$(head -1 "$work/display")"
    export DISPLAY

    # Nothing of the user's desktop, settings or file-dialog history takes part, or is changed.
    export HOME="$work/user" XDG_CONFIG_HOME="$work/user/config" XDG_CACHE_HOME="$work/user/cache"
    export XDG_DATA_HOME="$work/user/data" XDG_RUNTIME_DIR="$work/user/runtime"
    unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE XDG_CURRENT_DESKTOP DESKTOP_SESSION

    # A window manager as on a desktop: it gives new windows the focus, and Alt+F4 closes one.
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    wait_until "the window manager to start" window_manager_running
}

display_known() {
    grep -qs '^[0-9]' "$work/display"
}

window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

end_journey() {
    local status=$?
    if [ "$status" -ne 0 ] && [ -n "$xvfb_pid" ]; then
        # What the screen showed when it failed, beside the test's output.
        local picture="$PWD/journey-$journey_name-failure.png"
        if xwd -silent -root 2>/dev/null | /usr/bin/convert xwd:- "$picture" 2>/dev/null; then
            echo "journey $journey_name: the screen at the failure: $picture" >&2
        fi
        if [ -s "$work/program.log" ]; then
            echo "journey $journey_name: the program's output:" >&2
            sed 's/^/    /' "$work/program.log" >&2
        fi
    fi
    local pid
    for pid in $app_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
    if [ "$status" -eq 0 ]; then
        note "passed in $((SECONDS - journey_started)) s"
    fi
    exit "$status"
}

# Starts the program as a user does, on the simulated module, with the journey's program folder.
launch_program() {
    QT_QPA_PLATFORM=xcb "$program" --demo Q7383D --home "$home" >"$work/program.log" 2>&1 &
    app_pid=$!
    main_window=$(first_window 'KVC7345 Configurator')
}

# The id of the first visible window whose title matches, once there is one.
first_window() {
    local id
    id=$(timeout "$WaitLimit" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null |
        head -1) || true
    [ -n "$id" ] || fail "no window titled like \"$1\" within ${WaitLimit} s"
    echo "$id"
}

active_title_matches() {
    xdotool getactivewindow getwindowname 2>/dev/null | grep -q -- "$1"
}

# Waits until the window titled like the pattern has the keyboard focus.
wait_active() {
    wait_until "a window titled like \"$1\" to have the focus" active_title_matches "$1"
}

no_window_titled() {
    ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1
}

# A window's width and height.
window_size() {
    xwininfo -id "$1" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w, h }'
}

# A left click at a place of a window, in the window's own coordinates.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# How many pixels of a rectangle of a window (x, y, width, height in the window's coordinates)
# satisfy an awk condition on r, g and b (0..255).
count_pixels() {
    local id=$1 x=$2 y=$3 width=$4 height=$5 condition=$6
    xwd -silent -id "$id" 2>/dev/null |
        /usr/bin/convert xwd:- -crop "${width}x${height}+${x}+${y}" +repage -depth 8 rgb:- \
            2>/dev/null |
        od -An -v -tu1 -w3 |
        awk "{ r = \$1; g = \$2; b = \$3 } $condition { n++ } END { print n + 0 }"
}

# Text and lines in the window's palette: dark pixels.
Dark='r < 90 && g < 90 && b < 90'

has_pixels() {
    [ "$(count_pixels "$@")" -gt 0 ]
}

lacks_pixels() {
    [ "$(count_pixels "$@")" -eq 0 ]
}

# The tool bar's buttons, left to right: F1 to F5's, the report's two, the history's, F7's, F8's.
ToolButtons=(TBOpenCom TBSaveCom BitBtn3 TBSaveFile BitBtn2 BitBtn1 TBSaveReportPdf TBHistory
             TBClear TBHelp)

# The left edge of a tool button in the window: 51 pixels each from 200 on the page (2 pixels in
# from the window's edge), with a 6-pixel divider after every pair but the report pair.
tool_button_left() {
    local i gap=0
    for i in "${!ToolButtons[@]}"; do
        [ "${ToolButtons[$i]}" = "$1" ] && break
    done
    ((i >= 2)) && gap=6
    ((i >= 4)) && gap=12
    ((i >= 8)) && gap=18
    echo $((2 + 200 + 51 * i + gap))
}

click_tool_button() {
    click_at "$main_window" $(($(tool_button_left "$1") + 25)) 40
}

# A disabled button's icon is drawn in greys; an enabled one has colour, channels far apart.
Coloured='(r - g) ^ 2 + (g - b) ^ 2 + (b - r) ^ 2 > 9600'

tool_button_enabled() {
    has_pixels "$main_window" $(($(tool_button_left "$1") + 13)) 28 24 24 "$Coloured"
}

# Presses a function key once its tool button shows it can be used, as a user sees it.
press_for() {
    wait_until "the $1 button to be enabled for $2" tool_button_enabled "$1"
    xdotool key "$2"
}

# The window takes input once its start-up has ended, and the start-up's last word on screen is
# today's date in the Date panel of the information strip (a "-" until then): its text reaches
# past the dash.
wait_started() {
    wait_until "the start-up to show the date" has_pixels "$main_window" 437 619 44 15 "$Dark"
}

# The file exists and holds a line matching the pattern.
file_has() {
    [ -f "$1" ] && tr -d '\r' <"$1" | grep -q -- "$2"
}

# The configurations of a configuration log or file (every configuration begins with its model's
# line, the one line that is neither a comment nor a key).
configuration_count() {
    if [ ! -f "$1" ]; then
        echo 0
        return
    fi
    tr -d '\r' <"$1" | awk '!/^#/ && !/^$/ && !/=/ { n++ } END { print n + 0 }'
}

has_configurations() {
    [ "$(configuration_count "$1")" -ge "$2" ]
}

# The N-th configuration of a log (1 the oldest) or of a file, without its date and time, which
# tell when it was logged or saved rather than what it holds.
configuration() {
    tr -d '\r' <"$1" | awk -v n="$2" '
        /^#/ || /^$/ { next }
        !/=/ { k++ }
        k == n && !/^(DATE|TIME) / { print }'
}

# The value of a key in a configuration's text.
value_of() {
    sed -n "s/^$2 *= //p" <<<"$1"
}

# Closes the main window as a user does, through the window manager, and waits for the program
# to end.
close_program() {
    wait_active 'KVC7345 Configurator'
    xdotool key alt+F4
    wait_until "the program to end after Alt+F4" program_ended
    local status=0
    wait "$app_pid" || status=$?
    app_pid=''
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# Ended: gone, or a zombie waiting for the journey to collect its status.
program_ended() {
    local state
    state=$(sed 's/.*) //' "/proc/$app_pid/stat" 2>/dev/null) || return 0
    [[ $state == Z* ]]
}

# Saves the window's configuration with F4 into a file, typing its full path into the dialog.
save_with_f4() {
    press_for TBSaveFile F4
    wait_active '^Save to File$'
    xdotool key ctrl+a
    xdotool type "$1"
    xdotool key Return
    wait_until "F4 to save $1" has_configurations "$1" 1
}
