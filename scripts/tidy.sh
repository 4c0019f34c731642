#!/usr/bin/env bash
# Runs clang-tidy's fault-finding checks (.clang-tidy) over the project's own
# sources; prints what it finds and exits non-zero if it finds anything.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
command -v run-clang-tidy >/dev/null || { apt-get install -y -qq clang-tidy >/dev/null; }
cmake --preset default >/dev/null
cmake --build --preset default
report=$(run-clang-tidy -p build/default -j "$(nproc)" -quiet \
  "$PWD/(app|SetupCtrls|platform|TELLUX|resources|tools|tests|bench)/.*\.(cpp|c)$" 2>/dev/null \
  | grep -E 'warning:|error:' || true)
if [ -n "$report" ]; then
  echo "$report"
  exit 1
fi
echo "clang-tidy: no findings"
