#!/usr/bin/env bash
# Builds the program and starts it on the built-in simulated tuner.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-run --target zu6400-utility zu6400ctl zu6400-sim
exec build-run/app/zu6400-utility --simulate "$@"
