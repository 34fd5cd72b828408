#!/usr/bin/env bash
# The start behind the password: the cover takes the password typed into it, refuses a wrong one
# and stays, and lets the user in with the right one; F1 does nothing behind the cover and reads
# once it is gone.
#     password.sh PROGRAM
source "$(dirname "$0")/x11.sh"
start_journey password "$1"
log="$home/log/config.log"
password='Kv7!secret'

printf '%s\r\n' 'ADMINPASSWORD   = '"$password" 'PROMPTPASSWORD  = Y' 'RUNTIMES        = 5' \
    >"$home/config.ini"

# In the window's coordinates: the tab captions, which the cover hides; the password field, white
# on the cover; the line below it that answers a wrong password in red.
tabs=(4 2 296 20)
field=(255 287 150 12)
answer=(250 310 300 20)
Red='r > 180 && g < 90 && b < 90'
White='r > 245 && g > 245 && b > 245'
cover_up() {
    lacks_pixels "$main_window" "${tabs[@]}" "$Dark" &&
        has_pixels "$main_window" "${field[@]}" "$White"
}
cover_gone() {
    has_pixels "$main_window" "${tabs[@]}" "$Dark"
}

launch_program
wait_active 'KVC7345 Configurator'
wait_until "the password cover" cover_up

# F1 first: behind the cover it must not read. The wrong password after it is refused in red,
# which also says that every key before it has been handled (a read would have swallowed the
# password's keys, and logged what it read).
refused_or_read() {
    has_pixels "$main_window" "${answer[@]}" "$Red" || has_configurations "$log" 1
}
xdotool key F1
xdotool type 'wrong'
xdotool key Return
wait_until "the cover to refuse a wrong password in red" refused_or_read
[ "$(configuration_count "$log")" -eq 0 ] || fail "F1 read the module behind the cover"
cover_up || fail "the cover did not stay after a wrong password"

# The entry keeps the wrong text: all of it selected, the right password typed over it.
xdotool key ctrl+a
xdotool type "$password"
xdotool key Return
wait_until "the right password to lift the cover" cover_gone

press_for TBOpenCom F1
wait_until "F1 to read the module into the configuration log" has_configurations "$log" 1
xdotool key Return
close_program
[ "$(configuration_count "$log")" -eq 1 ] ||
    fail "the log holds $(configuration_count "$log") configurations, not the one read"
ini="$home/config.ini"
file_has "$ini" '^RUNTIMES *= 6$' ||
    fail "config.ini does not count the run: $(grep RUNTIMES "$ini")"
file_has "$ini" "^ADMINPASSWORD *= $password\$" || fail "config.ini lost the password"
file_has "$ini" '^PROMPTPASSWORD *= Y$' || fail "config.ini no longer asks for the password"
