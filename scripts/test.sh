#!/usr/bin/env bash
# Builds everything and runs the whole test suite; exits non-zero on any failure.
#
# With RXLINE_CI=1 (CI's entry sets it; CI=true implies it unless RXLINE_CI=0)
# the suite then runs once more built with the address, undefined-behaviour
# and leak sanitizers, and every fuzz target runs for RXLINE_FUZZ_SECONDS
# (default 60) on its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

hardening=${RXLINE_CI:-0}
if [ -z "${RXLINE_CI:-}" ] && [ "${CI:-}" = true ]; then
  hardening=1
fi

if [ "$hardening" = 1 ]; then
  RXLINE_WITH_CLANG=1 scripts/install-deps.sh
else
  scripts/install-deps.sh
fi
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default

if [ "$hardening" = 1 ]; then
  cmake --preset sanitize >/dev/null
  cmake --build --preset sanitize
  ctest --preset sanitize
  scripts/fuzz.sh --time "${RXLINE_FUZZ_SECONDS:-60}"
fi
