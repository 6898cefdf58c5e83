#!/usr/bin/env bash
# Wall time of `tallyman-cli ledger print --pdf` for a user with a full weekly year, as a whole
# process (Qt's start included). Runs it RUNS times (default 20) and prints the median.
#   bench/ledger_pdf.sh [path/to/tallyman-cli]   (default: the release build)
set -euo pipefail

source "$(dirname "$0")/bench_user.sh"
run --user Bench user set HourRate=21.5 > /dev/null
for week in $(seq 1 53); do
    run --user Bench ledger paste "$week" --straight 40 > /dev/null 2>&1
done

times=()
for ((i = 0; i < runs; i++)); do
    start=${EPOCHREALTIME/[.,]/}
    run --user Bench ledger print --pdf "$dir/year.pdf" > /dev/null 2>&1
    end=${EPOCHREALTIME/[.,]/}
    times+=($((10#$end - 10#$start)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median=${sorted[$((runs / 2))]}
echo "ledger print --pdf: median $((median / 1000)) ms over $runs runs (fastest $((sorted[0] / 1000)) ms, load $(cut -d' ' -f1 /proc/loadavg))"
