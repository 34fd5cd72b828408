#!/usr/bin/env bash
# The README's tour as a newcomer takes it: the first start's welcome box, F1 to read the
# simulated module, a new value typed into a field, F2 to write it back, F4 to save it to a file,
# then the window closed through the window manager.
#     tour.sh PROGRAM
source "$(dirname "$0")/x11.sh"
start_journey tour "$1"
log="$home/log/config.log"
saved="$work/out/tour.NVC"
typed=850

# An empty program folder, as on the first start: the program fills it.
launch_program
wait_active '^Information$'
xdotool key Return
wait_active 'KVC7345 Configurator'
wait_started

press_for TBOpenCom F1
wait_until "F1 to read the module into the configuration log" has_configurations "$log" 1
read_entry=$(configuration "$log" 1)
[ -n "$(value_of "$read_entry" 'Highscale 1')" ] || fail "the read configuration has no Highscale 1"
[ "$(value_of "$read_entry" 'Highscale 1')" != "$typed.0" ] ||
    fail "the module already holds $typed: typing it would change nothing"
# The read ends with its result panel in front; Return closes it.
xdotool key Return

# Channel 1's Upscale field (the input group's fourth row, in a window whose layout is fixed):
# everything in it selected, then the new value typed over it.
click_at "$main_window" 123 165
xdotool key ctrl+a
xdotool type "$typed"
press_for TBSaveCom F2
wait_until "F2 to write the module and log it" has_configurations "$log" 2
written=$(configuration "$log" 2)
written_value=$(value_of "$written" 'Highscale 1')
[ "$written_value" = "$typed.0" ] ||
    fail "the written configuration has Highscale 1 = $written_value, not $typed.0"
xdotool key Return

save_with_f4 "$saved"
[ "$(configuration "$saved" 1)" = "$written" ] ||
    fail "the saved file differs from the written configuration:
$(diff <(echo "$written") <(configuration "$saved" 1) || true)"

close_program
# Closing writes the settings (the run counted, CR LF lines, the demo's port not kept) and the
# session's lines to the system log.
ini="$home/config.ini"
file_has "$ini" '^RUNTIMES *= 1$' ||
    fail "config.ini does not count the run: $(grep RUNTIMES "$ini")"
[ "$(grep -c $'\r$' "$ini")" -eq "$(wc -l <"$ini")" ] || fail "config.ini has lines without CR LF"
! grep -qi demo "$ini" || fail "config.ini keeps the demo's port: $(grep -i demo "$ini")"
for line in "Read Q7383D configuration from demo Q7383D" \
            "Wrote Q7383D modified configuration to demo Q7383D" \
            "Wrote Q7383D configuration to file tour.NVC"; do
    file_has "$home/log/system.log" "$line" || fail "the system log lacks \"$line\""
done
