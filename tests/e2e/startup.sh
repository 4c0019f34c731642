#!/usr/bin/env bash
# The program starts maximised with the photograph and ends with code 0 when
# its window is closed from the title bar.
source "$(dirname "$0")/lib/session.bash"
ensure_display "$@"
start_session

main=$(wait_window '^Setup$') || fail "no window titled Setup"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" -ge 1200 ] || fail "main window is $WIDTH wide, not maximised"
screenshot startup

close_window "$main"
wait_exit || fail "exit code $?"
echo "startup: ok"
