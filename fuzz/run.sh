#!/usr/bin/env bash
# Usage: fuzz/run.sh BUILD_DIR SECONDS [TARGET...]
# Runs each fuzz target for SECONDS from the seed corpus in the repository, with the
# dictionary; fails on the first crash, leak, hang or sanitizer report. Inputs found
# go to BUILD_DIR/corpus, never into the repository.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
seconds="$2"
shift 2
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(link notice replies rights settings router)

export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
export QT_LOGGING_RULES="*=false"

status=0
for t in "${targets[@]}"; do
    seeds="$here/corpus/records"
    [ -d "$here/corpus/$t" ] && seeds="$here/corpus/$t"
    work="$build/corpus/$t"
    artifacts="$build/artifacts/$t/"
    mkdir -p "$work" "$artifacts"
    log="$build/fuzz_$t.log"
    # A hang is any input taking over FUZZ_TIMEOUT s (wall clock: raise it on a busy
    # machine); inputs stay small so a run covers many.
    "$build/bin/fuzz_$t" -max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-10}" -rss_limit_mb=2048 \
        -max_len=4096 -dict="$here/zel.dict" -print_final_stats=1 \
        -artifact_prefix="$artifacts" "$work" "$seeds" >"$log" 2>&1
    rc=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
    speed=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$')
    if [ $rc -ne 0 ]; then
        echo "fuzz_$t: FAILED (exit $rc) after ${runs:-?} runs; see $log and $artifacts"
        grep -m1 -E 'ERROR|SUMMARY|zelfuzz:|runtime error' "$log"
        status=1
    else
        echo "fuzz_$t: ${runs:-?} runs in ${seconds} s, ${speed:-?} per second, no finding"
    fi
done
exit $status
