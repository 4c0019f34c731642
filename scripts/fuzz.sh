#!/usr/bin/env bash
# Builds the fuzz targets (the fuzz preset, clang with libFuzzer, address and
# undefined-behaviour sanitizers) and runs each on its corpus for a bounded
# time.  Exits non-zero when a target crashes, leaks, fails one of its checks
# or takes too long on one input; that input is kept in
# build/fuzz/artifacts/<target>/ and the end of the run's log is printed.
#
# Usage: scripts/fuzz.sh [--time SECONDS] [--merge] [TARGET...]
#   --time SECONDS  run each target this long (default 60, or RXLINE_FUZZ_SECONDS)
#   --merge         add the new inputs that reach new code to fuzz/corpus/TARGET/
#   TARGET          rtfreader, jpegimage, cardlisting, sysfs (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${RXLINE_FUZZ_SECONDS:-60}
merge=0
targets=()
while [ $# -gt 0 ]; do
  case $1 in
    --time) seconds=$2; shift 2 ;;
    --merge) merge=1; shift ;;
    -h | --help) sed -n '2,13p' "$0" | cut -c3-; exit 0 ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
[ ${#targets[@]} -gt 0 ] || targets=(rtfreader jpegimage cardlisting sysfs)
case $seconds in '' | *[!0-9]*) echo "--time needs whole seconds" >&2; exit 2 ;; esac

RXLINE_WITH_CLANG=1 scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel 2

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp

failed=()
for target in "${targets[@]}"; do
  program=build/fuzz/bin/fuzz_$target
  corpus=fuzz/corpus/$target
  [ -x "$program" ] && [ -d "$corpus" ] || { echo "no fuzz target $target" >&2; exit 2; }
  # New inputs of this run go to a scratch folder, so the committed corpus
  # changes only on --merge.
  found=build/fuzz/found/$target
  artifacts=build/fuzz/artifacts/$target
  log=build/fuzz/logs/$target.log
  rm -rf "$found"
  mkdir -p "$found" "$artifacts" "$(dirname "$log")"

  options=()
  # A whole main window with its support windows per input leaves Qt's
  # caches changed every time, so a leak check after each input would scan
  # the heap each time and cut the rate sevenfold.  The check at exit still
  # finds what any of the inputs leaked.
  [ "$target" = cardlisting ] && options+=(-detect_leaks=0)

  echo "fuzz_$target: ${seconds} s on $corpus"
  if "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "${options[@]}" "$found" "$corpus" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
    echo "fuzz_$target: ok, ${runs:-?} inputs, ${rate:-?}/s, $coverage, $(ls "$found" | wc -l) new"
  else
    failed+=("$target")
    tail -n 80 "$log"
    echo "fuzz_$target: FAILED; the input is in $artifacts/, the log in $log" >&2
    echo "  reproduce: $program $artifacts/<file>" >&2
    continue
  fi

  if [ "$merge" = 1 ]; then
    "$program" -merge=1 -timeout=10 -rss_limit_mb=2048 "$corpus" "$found" >>"$log" 2>&1
    echo "fuzz_$target: corpus now $(ls "$corpus" | wc -l) files, $(du -sk "$corpus" | cut -f1) KiB"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing failed: ${failed[*]}" >&2
  exit 1
fi
