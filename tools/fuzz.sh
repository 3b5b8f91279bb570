#!/usr/bin/env bash
# Coverage-guided fuzzing: builds the libFuzzer programs (the "fuzz" preset:
# clang with AddressSanitizer and UndefinedBehaviorSanitizer) and runs each
# target of fuzz/targets.txt for SECONDS (default 60), seeded from tests/data.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]
#
# Fails on any crash, hang (an input that takes over 25 s), leak, sanitizer
# report or broken check; the input that did it is saved in
# build/fuzz/artifacts/. Once the fault is fixed, keep that input in
# tests/data/fuzz/<target>/: the test suite replays it. Each target's corpus
# grows in build/fuzz/corpus/<target>/ from one run to the next.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true
wanted=" $* "

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" >/dev/null

out=build/fuzz
mkdir -p "$out/artifacts" "$out/logs"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
export LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp"

passed=0
failed=0
while read -r name max_len seeds; do
  [[ -z "$name" || "$name" == \#* ]] && continue
  [[ "$wanted" == "  " || "$wanted" == *" $name "* ]] || continue
  corpus="$out/corpus/$name"
  mkdir -p "$corpus"
  inputs=()
  for folder in fuzz $seeds; do
    [[ $folder == fuzz ]] && folder="fuzz/$name"
    [[ -d "tests/data/$folder" ]] && inputs+=("tests/data/$folder")
  done
  log="$out/logs/$name.log"
  status=ok
  if ! "$out/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 \
      -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$out/artifacts/$name-" \
      "$corpus" "${inputs[@]}" >"$log" 2>&1; then
    status="FAILED (see $log)"
  fi
  [[ $status == ok ]] && passed=$((passed + 1)) || failed=$((failed + 1))
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  printf '%-17s %10s executions  coverage %5s edges %6s features  corpus %5s  %s\n' \
    "$name" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$(ls "$corpus" | wc -l)" "$status"
done < fuzz/targets.txt
echo "fuzz: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
