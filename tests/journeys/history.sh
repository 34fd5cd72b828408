#!/usr/bin/env bash
# Restoring from the configuration history: after a read and an edit, the read configuration is
# chosen in the history window and loaded back into the main window, which then saves exactly
# what the log holds.
#     history.sh PROGRAM
source "$(dirname "$0")/x11.sh"
start_journey history "$1"
log="$home/log/config.log"
saved="$work/out/restored.NVC"

# Past the first run: no welcome box.
printf '%s\r\n' 'RUNTIMES        = 5' >"$home/config.ini"
launch_program
wait_active 'KVC7345 Configurator'
wait_started

press_for TBOpenCom F1
wait_until "F1 to read the module into the configuration log" has_configurations "$log" 1
logged=$(configuration "$log" 1)
xdotool key Return
# A change to channel 1's Upscale that loading the logged configuration must undo.
click_at "$main_window" 123 165
xdotool key ctrl+a
xdotool type 850

# The tool bar's "Configuration history" button, beside the report buttons.
click_tool_button TBHistory
history_window=$(first_window '^Configuration history$')
wait_active '^Configuration history$'
# The newest configuration is the table's first row; "Load into window" is the first button of
# the row along the dialog's bottom.
read -r width height < <(window_size "$history_window")
click_at "$history_window" 60 66
click_at "$history_window" 66 $((height - 23))
# Loading over an edited window asks first; the user agrees to lose the edit (Y, the Yes button's
# key).
wait_active '^Warning$'
xdotool key y
wait_until "the question to close" no_window_titled '^Warning$'
# Close, at the other end of the row of buttons.
click_at "$history_window" $((width - 52)) $((height - 23))
wait_until "the history window to close" no_window_titled '^Configuration history$'

wait_active 'KVC7345 Configurator'
save_with_f4 "$saved"
[ "$(configuration "$saved" 1)" = "$logged" ] ||
    fail "the window did not take the logged configuration; saved differs from it:
$(diff <(echo "$logged") <(configuration "$saved" 1) || true)"
close_program
