# Shared by the end-to-end checks: a real X server with a window manager, the
# program started in it, and small helpers that fail loudly.
# Usage: source this file, then `start_session`; the program path is $1 of the check.

set -euo pipefail

program=$1
artifacts=${RXLINE_E2E_ARTIFACTS:-$(dirname "$program")/../e2e-artifacts}
mkdir -p "$artifacts"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Re-runs the calling script inside xvfb-run unless a display is already there.
ensure_display() {
  if [ -z "${RXLINE_E2E_INSIDE:-}" ]; then
    RXLINE_E2E_INSIDE=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
  fi
}

start_session() {
  openbox >/dev/null 2>&1 &
  wm_pid=$!
  sleep 0.5
  "$program" >"$artifacts/program.log" 2>&1 &
  app_pid=$!
  trap 'kill $app_pid $wm_pid 2>/dev/null || true' EXIT
}

# Prints the id of the first visible window whose title matches the regex.
wait_window() {
  local pattern=$1 tries=${2:-100} id
  for _ in $(seq 1 "$tries"); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

wait_gone() {
  local pattern=$1
  for _ in $(seq 1 50); do
    xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

screenshot() { import -window root "$artifacts/$1.png"; }

# Alt+F4 through the window manager, as a person closes a window from its title bar.
close_window() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
  xdotool key --clearmodifiers alt+F4
}

wait_exit() {
  local code
  for _ in $(seq 1 50); do
    if ! kill -0 "$app_pid" 2>/dev/null; then
      wait "$app_pid" && code=0 || code=$?
      return "$code"
    fi
    sleep 0.1
  done
  fail "program still running"
}

# Absolute position and size of a window's client area: sets X Y W H.
client_geometry() {
  local info
  info=$(xwininfo -id "$1")
  X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  W=$(awk '/Width:/ {print $2}' <<<"$info")
  H=$(awk '/Height:/ {print $2}' <<<"$info")
}

# Frame extents the window manager put around a window: sets FL FR FT FB.
frame_extents() {
  local extents
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  IFS=, read -r FL FR FT FB <<<"${extents:-0,0,0,0}"
}

# Screen point of a spot given in the photograph's coordinates.  The photograph
# is centred on the main window's outer size; the central area starts below
# the menu bar, whose height is estimated (the rings are larger than the error).
board_point() {
  local main=$1 px=$2 py=$3 menubar=${RXLINE_MENUBAR_HEIGHT:-20}
  client_geometry "$main"
  frame_extents "$main"
  local outer_w=$((W + FL + FR)) outer_h=$((H + FT + FB))
  PX=$((X + (outer_w - 600) / 2 + px))
  PY=$((Y + menubar + (outer_h - 418) / 2 + py))
}
