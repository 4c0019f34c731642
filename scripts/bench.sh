#!/usr/bin/env bash
# Builds the benchmarks of the default preset, runs every one of them and
# prints their figures, then a table of the figures against their goals.
# Benchmarks measure: a missed goal is reported, never an error.
# RXLINE_BENCH_RUNS sets the start-up runs of each program (default 15).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
benches=()
for source in bench/bench_*.cpp; do
  benches+=("$(basename "$source" .cpp)")
done
cmake --build --preset default -j2 --target "${benches[@]}" bare_mainwindow rxline-setup

bin=build/default/bin
out=build/default/bench-results
mkdir -p "$out"
runs=${RXLINE_BENCH_RUNS:-15}

for name in "${benches[@]}"; do
  [ "$name" = bench_startup ] && continue
  echo "== $name"
  QT_QPA_PLATFORM=offscreen "$bin/$name" 2>"$out/$name.log" | tee "$out/$name.txt" ||
    echo "$name did not finish; see $out/$name.log"
done

# Start-up is measured with real processes on a real X server with a window
# manager, and once more on Qt's offscreen platform, which has no server
# round trips in it.
echo "== bench_startup, Xvfb with openbox"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 1
  "$1" "$2"
  kill $wm
' startup "$bin/bench_startup" "$runs" 2>"$out/bench_startup_xvfb.log" | tee "$out/bench_startup_xvfb.txt" ||
  echo "bench_startup did not finish; see $out/bench_startup_xvfb.log"
echo "== bench_startup, offscreen"
QT_QPA_PLATFORM=offscreen "$bin/bench_startup" "$runs" 2>"$out/bench_startup_offscreen.log" |
  tee "$out/bench_startup_offscreen.txt" ||
  echo "bench_startup did not finish; see $out/bench_startup_offscreen.log"

# The first capture of regex on the first line of a result file that holds it.
figure() {
  perl -ne "if (/$2/) { print \$1; exit }" "$out/$1.txt" 2>/dev/null || true
}

row() {
  local what=$1 value=$2 goal=$3 verdict=$4
  printf '%-58s %-22s %-16s %s\n' "$what" "$value" "$goal" "$verdict"
}

# "met" or "missed" for value compared with limit, or nothing without a value.
judge() {
  [ -n "$1" ] || return 0
  awk -v v="$1" -v l="$2" 'BEGIN { print (v + 0 <= l + 0) ? "met" : "missed" }'
}

echo
echo "== Figures (each a ratio within one run; raw output in $out)"
row "figure" "measured" "goal" ""
for platform in xvfb offscreen; do
  first=$(figure "bench_startup_$platform" 'main window first paint.*ratio ([0-9.]+)')
  help=$(figure "bench_startup_$platform" 'help window shown.*ratio ([0-9.]+)')
  row "start-up to first paint / bare Qt program ($platform)" "${first:-?}x" "<= 1.20x" "$(judge "$first" 1.20)"
  row "start-up to help window less 100 ms / bare ($platform)" "${help:-?}x" "<= 1.20x" "$(judge "$help" 1.20)"
done
peak=$(figure bench_startup_xvfb 'peak RSS at help window.* ([-+][0-9.]+) MiB')
row "peak RSS at help window - bare at first paint (xvfb)" "${peak:-?} MiB" "<= +10 MiB" "$(judge "$peak" 10)"
full=$(figure bench_window 'full repaint of the main window.*ratio ([0-9.]+)')
frame=$(figure bench_window 'full repaint of the bare Qt window.*ratio ([0-9.]+)')
content=$(figure bench_window 'paint events of the board image and rings.*ratio ([0-9.]+)')
row "full repaint of main window / drawImage of photograph" "${full:-?}x" "<= 1.5x" "$(judge "$full" 1.5)"
row "  full repaint of bare Qt window / drawImage" "${frame:-?}x" "" ""
row "  board image and rings paint events / drawImage" "${content:-?}x" "<= 1.5x" "$(judge "$content" 1.5)"
ring=$(figure bench_window 'paint event of a ring.*ratio ([0-9.]+)')
ringAlloc=$(figure bench_window 'paint event of a ring.* ([0-9.]+) allocations')
copyAlloc=$(figure bench_window 'paint event of a copy-only widget.* ([0-9.]+) allocations')
ringCopy=$(figure bench_window 'paint event of a ring.* ([0-9.]+) to the copy-only')
row "ring paint event / block copy of its size" "${ring:-?}x" "<= 1.1x" "$(judge "$ring" 1.1)"
row "  ring paint event / copy-only widget paint event" "${ringCopy:-?}x" "" ""
row "  allocations: ring / copy-only widget paint event" "${ringAlloc:-?} / ${copyAlloc:-?}" "0" "$(judge "$ringAlloc" 0)"
firstPopup=$(figure bench_board 'first popup opening.* ([0-9.]+) ms')
laterPopup=$(figure bench_board 'later popup opening.* ([0-9.]+) ms')
popupRatio=$(awk -v f="$firstPopup" -v l="$laterPopup" 'BEGIN { if (f > 0) printf "%.2f", l / f }')
row "popup opening: first / later (ms)" "${firstPopup:-?} / ${laterPopup:-?}" "" ""
row "  later / first" "${popupRatio:-?}x" "" ""
decode=$(figure bench_photo 'decode photograph.*ratio ([0-9.]+)')
row "decode photograph / libjpeg directly" "${decode:-?}x" "<= 1.05x" "$(judge "$decode" 1.05)"
