#!/usr/bin/env bash
# Builds the program and starts it on the built-in simulated tuner.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
if [ -x build/app/zu6400-utility ]; then
  exec build/app/zu6400-utility --simulate "$@"
else
  exec build/cli/zu6400ctl --simulate contact "$@"
fi
