#!/usr/bin/env bash
# Installs what is missing, builds Kolvar and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVAR_TESTS=OFF -DKOLVAR_BENCH=OFF
cmake --build build -j"$(nproc)" --target kolvar
exec build/src/app/kolvar "$@"
