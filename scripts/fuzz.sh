#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan + UBSan) and runs each for the given number of
# seconds (default 60) on a working copy of its committed seed corpus. A finding stops the
# script with the crashing input saved under build/fuzz/findings/<target>/.
#   scripts/fuzz.sh [seconds-per-target] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_reg_file fuzz_response_parser fuzz_url_split fuzz_feedback_form)
fi
cmake --build --preset fuzz --target "${targets[@]}"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for t in "${targets[@]}"; do
  work="build/fuzz/corpus/$t"
  findings="build/fuzz/findings/$t"
  mkdir -p "$work" "$findings"
  echo "== $t: ${seconds}s" >&2
  build/fuzz/tests/fuzz/"$t" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$work" "tests/fuzz/corpus/$t" 2>&1 \
    | grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb|==|SUMMARY|.*property failed|.*ERROR)' || true
  if [ -n "$(ls -A "$findings")" ]; then
    echo "$t: finding(s) in $findings" >&2
    exit 1
  fi
done
