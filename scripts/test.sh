#!/usr/bin/env bash
# Installs what is missing, builds Ventelle with its tests and runs them all
# headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DVENTELLE_BUILD_TESTS=ON
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j2
