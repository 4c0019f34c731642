#!/usr/bin/env bash
# The guide as a person meets it: the help window's Start, hovering the rings,
# moving into and out of their popups, pinning with a click, Done and the menu.
source "$(dirname "$0")/lib/session.bash"
ensure_display "$@"
start_session

main=$(wait_window '^Setup$') || fail "no main window"
help=$(wait_window '^Instructions for Settings utility$' 50) || fail "help window did not appear"
screenshot help-shown

# Enter on the help window starts the tour at the Buffer Enabling ring.
xdotool windowactivate --sync "$help" >/dev/null 2>&1 || true
xdotool key Return
ben=$(wait_window '^Buffer Enabling$' 30) || fail "Start did not open the Buffer Enabling popup"
wait_gone '^Instructions for Settings utility$' || fail "help window stayed after Start"
xdotool mousemove 5 1000
sleep 0.5
xdotool search --onlyvisible --name '^Buffer Enabling$' >/dev/null || fail "tour popup was not pinned"
screenshot tour-popup

# Done closes it.
client_geometry "$ben"
xdotool mousemove $((X + W - 35)) $((Y + H - 31)) click 1
wait_gone '^Buffer Enabling$' || fail "Done did not close the popup"

# Hovering a ring opens its popup; the pointer may move into it ...
board_point "$main" 205 30
xdotool mousemove "$PX" "$PY"
ien=$(wait_window '^Interrupt Enable$' 30) || fail "hovering the first IEN ring opened nothing"
screenshot ien-hover
client_geometry "$ien"
xdotool mousemove $((X + W / 2)) $((Y + 12))
sleep 0.5
xdotool search --onlyvisible --name '^Interrupt Enable$' >/dev/null || fail "popup closed when the pointer moved into it"
# ... and it goes when the pointer leaves it.
xdotool mousemove 5 1000
wait_gone '^Interrupt Enable$' || fail "popup stayed after the pointer left it"

# The second ring of the group shows the same popup.
board_point "$main" 468 40
xdotool mousemove "$PX" "$PY"
wait_window '^Interrupt Enable$' 30 >/dev/null || fail "hovering the second IEN ring opened nothing"
xdotool mousemove 5 1000
wait_gone '^Interrupt Enable$' || fail "popup stayed after leaving the second ring"

# A click on a ring pins its popup.
board_point "$main" 303 41
xdotool mousemove "$PX" "$PY"
ben=$(wait_window '^Buffer Enabling$' 30) || fail "hovering the BEN ring opened nothing"
xdotool click 1
xdotool mousemove 5 1000
sleep 0.5
xdotool search --onlyvisible --name '^Buffer Enabling$' >/dev/null || fail "click did not pin the popup"
screenshot ben-pinned
close_window "$ben"
wait_gone '^Buffer Enabling$' || fail "close box did not close the popup"

# The Settings menu opens the Interrupt Enable popup pinned.
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key --clearmodifiers alt+s
sleep 0.3
xdotool key i
wait_window '^Interrupt Enable$' 30 >/dev/null || fail "the Settings menu did not open Interrupt Enable"
xdotool mousemove 5 1000
sleep 0.5
xdotool search --onlyvisible --name '^Interrupt Enable$' >/dev/null || fail "menu-opened popup was not pinned"
screenshot menu-popup

# Next and Previous walk the Settings entries, wrapping around.
ien=$(wait_window '^Interrupt Enable$')
client_geometry "$ien"
xdotool mousemove $((X + W / 2)) $((Y + H - 32)) click 1
ben=$(wait_window '^Buffer Enabling$' 30) || fail "Next did not open Buffer Enabling"
wait_gone '^Interrupt Enable$' || fail "Next left Interrupt Enable open"
client_geometry "$ben"
xdotool mousemove $((X + 35)) $((Y + H - 32)) click 1
ien=$(wait_window '^Interrupt Enable$' 30) || fail "Previous did not open Interrupt Enable"
wait_gone '^Buffer Enabling$' || fail "Previous left Buffer Enabling open"
close_window "$ien"
wait_gone '^Interrupt Enable$' || fail "close box did not close Interrupt Enable"

close_window "$main"
wait_exit || fail "exit code $?"
echo "guide: ok"
