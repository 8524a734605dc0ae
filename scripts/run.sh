#!/usr/bin/env bash
# Builds the program and starts it on the built-in simulated tuner.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# Through the compiler cache when there is one, as the test command does.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$PWD"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build-run --target zu6400-utility zu6400ctl zu6400-sim
exec build-run/app/zu6400-utility --simulate "$@"
