#!/usr/bin/env bash
# Builds the program and starts it.  Without a display it runs under Xvfb,
# takes a screenshot once the main window is up, says where it is, and ends.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target rxline-setup

program=build/default/bin/rxline-setup
if [ -n "${DISPLAY:-}" ]; then
  exec "$program"
fi

shot=${RXLINE_SCREENSHOT:-$PWD/build/screenshot.png}
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  openbox >/dev/null 2>&1 &
  "$1" &
  app=$!
  for _ in $(seq 1 100); do
    xdotool search --onlyvisible --name "^Setup$" >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 1.5
  import -window root "$2"
  kill $app 2>/dev/null || true
  wait $app 2>/dev/null || true
' run "$program" "$shot"
echo "No display: ran under Xvfb; screenshot written to $shot"
