#!/usr/bin/env bash
# Configures and builds Ventelle in build/ (extra CMake options may follow).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build
