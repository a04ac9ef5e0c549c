#!/usr/bin/env bash
# Long fuzzing run: every fuzzer for the given number of seconds (default 600), one after
# the other, growing the corpus in build/native/fuzz-corpus. Findings are written to
# build/native/fuzz-findings; the summary line of each run gives its executions.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}

bash scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native

mkdir -p build/native/fuzz-findings
status=0
for name in panel_file item_string connections options url_file chord_settings; do
    mkdir -p "build/native/fuzz-corpus/$name"
    echo "== fuzz_$name for ${seconds}s"
    build/native/bin/fuzz_$name -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build/native/fuzz-findings/$name-" \
        "build/native/fuzz-corpus/$name" "tests/fuzz/corpus/$name" 2>&1 |
        grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Test unit written' || status=1
done
exit $status
