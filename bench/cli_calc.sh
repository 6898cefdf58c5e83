#!/usr/bin/env bash
# Wall time of one `tallyman-cli calc` for an existing weekly user, as a whole process: load
# the file set, compute, save, print the JSON. Runs it RUNS times (default 50) and prints the
# median and the spread in milliseconds. The clock is bash's own (EPOCHREALTIME), so no timing
# process is started inside the measured span; the load average is printed because on a busy
# machine the wall time is mostly waiting for a processor.
#   bench/cli_calc.sh [path/to/tallyman-cli]   (default: the release build)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build-release/apps/tallyman-cli}
runs=${RUNS:-50}
[ -x "$cli" ] || { echo "no $cli: build it first (cmake --preset release && cmake --build --preset release)" >&2; exit 1; }

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$here/data/Federal24.dtt" "$dir/"
run() { "$cli" --dir "$dir" --today 1/5/2024 "$@"; }
run user new Bench > /dev/null 2>&1
run --user Bench user set HourRate=21.5 FedStatus=Married FedExemptions=2 Muni=10 > /dev/null

times=()
for ((i = 0; i < runs; i++)); do
    start=${EPOCHREALTIME/[.,]/}
    run --user Bench --json calc --hours 40,,,6.5,,,, > /dev/null
    end=${EPOCHREALTIME/[.,]/}
    times+=($((10#$end - 10#$start)))
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
ms() { awk -v us="$1" 'BEGIN { printf "%.2f", us / 1000 }'; }
echo "tallyman-cli calc, $runs runs: median $(ms "${sorted[$((runs / 2))]}") ms" \
    "(min $(ms "${sorted[0]}"), max $(ms "${sorted[$((runs - 1))]}"); load average $(cut -d' ' -f1 /proc/loadavg))"
