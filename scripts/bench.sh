#!/usr/bin/env bash
# Builds and runs the benchmarks (kept out of the test run).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKASAPRO_BENCH=ON >/dev/null
cmake --build build-bench --target bench_sale -j"$(nproc)"
build-bench/bin/bench_sale "$@"
