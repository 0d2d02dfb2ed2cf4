#!/usr/bin/env bash
# Installs what is missing, builds Ventelle for release in build-package/
# (without tests) and makes its Debian package there; prints the package's
# path. Extra CMake options may follow.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENTELLE_BUILD_TESTS=OFF "$@" >/dev/null
cmake --build build-package
(cd build-package && cpack -G DEB >/dev/null)
ls "$PWD"/build-package/ventelle_*.deb
