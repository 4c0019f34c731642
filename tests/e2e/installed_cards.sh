#!/usr/bin/env bash
# The installed-cards window lists the family's cards of a fake PCI device
# tree at start-up; the help window follows; both come back from the menus
# after being closed from their title bars.
source "$(dirname "$0")/lib/session.bash"
ensure_display "$@"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
region() { printf '0x%016x 0x%016x 0x%016x\n' "$1" "$2" "$3"; }
card() {  # name device io-base
  mkdir -p "$tree/$1"
  printf '0x1f3c\n' >"$tree/$1/vendor"
  printf '%s\n' "$2" >"$tree/$1/device"
  { region 0xfebf0000 0xfebf0fff 0x40200; region "$3" $(($3 + 0x1f)) 0x40101; } >"$tree/$1/resource"
}
card 0000:03:00.0 0x0551 0x12345
card 0000:01:00.0 0x0770 0x300
card 0000:02:00.0 0x0999 0xe000   # not of the family: left out
export TELLUX_SYSFS_PCI=$tree
start_session

pci=$(wait_window 'Cards installed$') || fail "installed-cards window did not appear"
wait_window '^Instructions for Settings utility$' 50 >/dev/null || fail "help window did not appear"
screenshot installed-cards

# Read the list back through the clipboard, as a person would copy it.
client_geometry "$pci"
xdotool mousemove $((X + 40)) $((Y + 20)) click 1
xdotool key ctrl+a ctrl+c
sleep 0.3
listing=$(xclip -o -selection clipboard | tr -d '\r')
expected=$'RX-LINE-77     Digital I/O Card\nBase Address: 0300\nRX-LINE-55Q    Digital I/O Card\nBase Address: 12345'
[ "$listing" = "$expected" ] || fail "listing was: $listing"

close_window "$pci"
wait_gone 'Cards installed$' || fail "installed-cards window did not close"
help=$(wait_window '^Instructions for Settings utility$') || fail "help window gone"
close_window "$help"
wait_gone '^Instructions for Settings utility$' || fail "help window did not close"

main=$(wait_window '^Setup$') || fail "no main window"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key --clearmodifiers alt+f
sleep 0.3
xdotool key Return   # the first entry, Display ... Cards Installed
wait_window 'Cards installed$' 30 >/dev/null || fail "File menu did not show the installed cards again"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key --clearmodifiers alt+h
sleep 0.3
xdotool key o
wait_window '^Instructions for Settings utility$' 30 >/dev/null || fail "Help menu did not show the help window again"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key --clearmodifiers alt+h
sleep 0.3
xdotool key t
tech=$(wait_window '^Technical Support$' 30) || fail "Help menu did not show technical support"
screenshot technical-support
close_window "$tech"
wait_gone '^Technical Support$' || fail "technical support did not close from its title bar"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
xdotool key --clearmodifiers alt+h
sleep 0.3
xdotool key t
tech=$(wait_window '^Technical Support$' 30) || fail "technical support did not come back"
xdotool key Escape
wait_gone '^Technical Support$' || fail "Esc did not hide technical support"

close_window "$main"
wait_exit || fail "exit code $?"
echo "installed cards: ok"
