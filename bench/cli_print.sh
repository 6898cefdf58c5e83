#!/usr/bin/env bash
# Wall time of `tallyman-cli print statement --pdf` and `tallyman-cli check print --pdf` as whole
# processes: start, compute the period, start Qt, paint the page and write the PDF. Runs each
# RUNS times (default 20) and prints the median and the spread in milliseconds, with the load
# average (on a busy machine the wall time is mostly waiting for a processor). Aim: 300 ms.
#   bench/cli_print.sh [path/to/tallyman-cli]   (default: the release build)
set -euo pipefail

source "$(dirname "$0")/bench_user.sh"
run --user Bench user set HourRate=21.5 Name="Pat Bench" SSnum=123-45-6789 > /dev/null
# Headless, as from a script or over ssh.
export QT_QPA_PLATFORM=offscreen

ms() { awk -v us="$1" 'BEGIN { printf "%.2f", us / 1000 }'; }
time_command() {
    local label=$1
    shift
    local times=()
    for ((i = 0; i < runs; i++)); do
        start=${EPOCHREALTIME/[.,]/}
        run --user Bench "$@" > /dev/null 2>&1
        end=${EPOCHREALTIME/[.,]/}
        times+=($((10#$end - 10#$start)))
    done
    [ -s "$dir/out.pdf" ] || { echo "$label wrote no PDF" >&2; exit 1; }
    rm -f "$dir/out.pdf"
    local sorted=($(printf '%s\n' "${times[@]}" | sort -n))
    echo "tallyman-cli $label, $runs runs: median $(ms "${sorted[$((runs / 2))]}") ms" \
        "(min $(ms "${sorted[0]}"), max $(ms "${sorted[$((runs - 1))]}"); load average $(cut -d' ' -f1 /proc/loadavg))"
}

time_command "print statement --pdf" print statement --hours 40,,,6.5,,,, --pdf "$dir/out.pdf"
time_command "check print --pdf" check print --hours 40,,,6.5,,,, --pdf "$dir/out.pdf"
