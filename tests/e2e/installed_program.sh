#!/usr/bin/env bash
# Installs into a temporary prefix and starts the installed program from an
# unrelated working directory: it finds its driver library through its run
# path, and shows its window.
source "$(dirname "$0")/lib/session.bash"
ensure_display "$@"

build=$(cd "$(dirname "$program")/.." && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
for file in bin/rxline-setup share/applications/rxline-setup.desktop \
            share/icons/hicolor/scalable/apps/rxline-setup.svg; do
  [ -f "$prefix/$file" ] || fail "$file was not installed"
done
ls "$prefix"/lib*/rxline-setup/libTELLUX.so* >/dev/null 2>&1 || fail "driver library was not installed"

program=$prefix/bin/rxline-setup
cd "$(mktemp -d)"
start_session
main=$(wait_window '^Setup$') || fail "installed program showed no window"
# The help window opens by itself soon after the main window has painted;
# once it is up it cannot take the keystroke meant for the main window.
wait_window '^Instructions for Settings utility$' >/dev/null || fail "installed program showed no help window"
close_window "$main"
wait_exit || fail "exit code $?"
echo "installed program: ok"
