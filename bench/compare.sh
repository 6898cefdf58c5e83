# Sourced by the whole-process benchmarks: runs a reference program and a measured one
# alternately (A B A B ...) through measure-run and prints both medians and their ratio, for
# wall time, processor time and peak memory. Alternating keeps both sides under the same load
# when other work shares the processors; the median ignores the runs that a busy moment spoiled.
#
# Set before calling:  reference=(command ...)  measured=(command ...)  measure_run=path
#   compare PAIRS REFERENCE_NAME MEASURED_NAME WHAT
# Prints three lines and sets time_ratio, cpu_ratio and memory_ratio.

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# column N of the runs -> median
column_median() { awk -v n="$1" 'NF { print $n }' | median; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

compare() {
    local pairs=$1 reference_name=$2 measured_name=$3 what=$4
    local reference_runs="" measured_runs="" line
    for ((i = 0; i < pairs; i++)); do
        line=$("$measure_run" "${reference[@]}") || return 1
        reference_runs+="$line"$'\n'
        line=$("$measure_run" "${measured[@]}") || return 1
        measured_runs+="$line"$'\n'
    done
    local -a ref mine
    for n in 1 2 3; do
        ref[n]=$(column_median "$n" <<<"$reference_runs")
        mine[n]=$(column_median "$n" <<<"$measured_runs")
    done
    time_ratio=$(ratio "${mine[1]}" "${ref[1]}")
    cpu_ratio=$(ratio "${mine[2]}" "${ref[2]}")
    memory_ratio=$(ratio "${mine[3]}" "${ref[3]}")
    echo "$what, medians of $pairs alternated pairs ($measured_name / $reference_name):"
    awk -v a="${mine[1]}" -v b="${ref[1]}" -v r="$time_ratio" \
        'BEGIN { printf "  wall time       %8.1f ms / %8.1f ms = %s x\n", a / 1000, b / 1000, r }'
    awk -v a="${mine[2]}" -v b="${ref[2]}" -v r="$cpu_ratio" \
        'BEGIN { printf "  processor time  %8.1f ms / %8.1f ms = %s x\n", a / 1000, b / 1000, r }'
    awk -v a="${mine[3]}" -v b="${ref[3]}" -v r="$memory_ratio" \
        'BEGIN { printf "  peak memory     %8.1f MiB / %7.1f MiB = %s x\n", a / 1024, b / 1024, r }'
    echo "  (load average $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors)"
}
