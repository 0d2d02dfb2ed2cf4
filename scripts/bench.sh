#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DVENTELLE_BUILD_BENCHMARKS=ON
build/bench/ventelle_bench "$@"
