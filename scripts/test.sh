#!/usr/bin/env bash
# Builds everything and runs the whole test suite; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
