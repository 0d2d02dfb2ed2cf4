#!/usr/bin/env bash
# Installs what is missing, builds Ventelle with its tests and runs them all
# headless. With --sanitize, builds them in build-sanitize/ under
# AddressSanitizer and UndefinedBehaviorSanitizer instead: any report fails
# its test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if [ "${1:-}" = "--sanitize" ]; then
  folder=build-sanitize
  flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
  cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVENTELLE_BUILD_TESTS=ON \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
  cmake --build "$folder"
  # Whole stacks on every allocation, so that a leak is matched by the
  # functions it went through (the suppressions name no library as a whole).
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/leaks.supp:print_suppressions=0
else
  folder=build
  scripts/build.sh -DVENTELLE_BUILD_TESTS=ON
fi
cd "$folder"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j2
