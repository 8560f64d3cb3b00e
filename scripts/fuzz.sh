#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given seconds (default 10),
# or only the targets named after the seconds. Inputs found along the way go
# to build/fuzz/corpus, failing inputs to build/fuzz/findings; the committed
# seeds in tests/fuzz/corpus are only read.
#   scripts/fuzz.sh 600                  # a long run of every target
#   scripts/fuzz.sh 60 text_fuzz         # one target
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
shift || true
scripts/build.sh fuzz >/dev/null

targets=("$@")
if ((${#targets[@]} == 0)); then
  for source in tests/fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

status=0
printf '%-28s %12s %10s %s\n' target executions 'exec/s' result
for target in "${targets[@]}"; do
  corpus=build/fuzz/corpus/$target findings=build/fuzz/findings/$target log=build/fuzz/logs/$target.log
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  result=passed
  build/fuzz/fuzz/"$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" tests/fuzz/corpus/"$target" >"$log" 2>&1 || result="FAILED (see $log)"
  [[ $result == passed ]] || status=1
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  printf '%-28s %12s %10s %s\n' "$target" "${executions:-?}" "${rate:-?}" "$result"
done
exit $status
