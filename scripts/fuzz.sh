#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs
# each for SECONDS (60 when not given) on a copy of its seed corpus; the
# committed corpus is never changed. Extra arguments name the targets to run
# (record_reader chapter ...), all of them otherwise. Exits non-zero on the
# first crash, leak, hang or sanitizer report, printing the reproducer.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

scripts/install-deps.sh clang libclang-rt-14-dev
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVENTELLE_FUZZ=ON -DVENTELLE_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz --target fuzzers

# The longest input worth trying per target, in bytes.
declare -A max_len=(
  [record_reader]=4096 [chapter]=16384 [module_join]=16384 [profile]=8192 [skin]=2048
  [lexicon]=8192 [tips]=8192 [jpeg_size]=4096 [copy_count]=64 [user_names]=1024 [help_page]=8192 [links]=4096 [window_profile]=8192)
declare -A dict=(
  [record_reader]=chapter [chapter]=chapter [module_join]=chapter [profile]=profile [skin]=skin
  [lexicon]=chapter [tips]=chapter [jpeg_size]=jpeg [help_page]=help [links]=links [window_profile]=profile)

targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(record_reader chapter module_join profile skin lexicon tips jpeg_size copy_count user_names help_page links window_profile)

# The targets whose reader takes a path write their input to a scratch
# folder under TMPDIR: in memory, they run some twenty times faster.
[ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

work=build-fuzz/runs
mkdir -p "$work"
for target in "${targets[@]}"; do
  [ -n "${max_len[$target]:-}" ] || { echo "Unknown target: $target" >&2; exit 2; }
  corpus="$work/$target/corpus"
  artifacts="$work/$target/artifacts"
  rm -rf "$corpus" "$artifacts"
  mkdir -p "$corpus" "$artifacts"
  cp fuzz/corpus/"$target"/* "$corpus"/
  options=(-max_total_time="$seconds" -max_len="${max_len[$target]}" -timeout=10 -rss_limit_mb=2048
    -print_final_stats=1 -artifact_prefix="$artifacts/")
  [ -n "${dict[$target]:-}" ] && options+=(-dict="fuzz/dict/${dict[$target]}.dict")
  log="$work/$target/log.txt"
  echo "== $target ($seconds s)"
  status=0
  build-fuzz/fuzz/"${target}_fuzz" "${options[@]}" "$corpus" >"$log" 2>&1 || status=$?
  grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 || true
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log" || true
  reproducer=$(find "$artifacts" -type f | head -1)
  if [ "$status" -ne 0 ] || [ -n "$reproducer" ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log"; then
    tail -40 "$log"
    echo "$target failed (log $log); reproducer: ${reproducer:-none}" >&2
    exit 1
  fi
done
echo "No fault found."
