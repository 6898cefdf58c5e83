#!/usr/bin/env bash
# One `tallyman-cli calc` for an existing weekly user, as a whole process (load the file set,
# compute, save, print the JSON), against a statically linked hello world: PAIRS runs of each,
# alternated; prints both medians and the ratio. Then the same for a hello world linked as
# tallyman-cli is, the floor of that ratio.
#   bench/cli_calc.sh [path/to/tallyman-cli] [pairs]   (default: the release build, 20 pairs)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$root/build-release/apps/tallyman-cli}
pairs=${2:-20}
build=$(cd "$(dirname "$cli")/.." && pwd)
measure_run=$build/bench/measure-run
for needed in "$cli" "$measure_run" "$build/bench/hello-static" "$build/bench/hello-dynamic"; do
    [ -x "$needed" ] || { echo "no $needed (build it: cmake --preset release && cmake --build --preset release -j2)" >&2; exit 1; }
done

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$root/data/Federal24.dtt" "$dir/"
run() { "$cli" --dir "$dir" --today 1/5/2024 "$@"; }
run user new Bench > /dev/null 2>&1
run --user Bench user set HourRate=21.5 FedStatus=Married FedExemptions=2 Muni=10 > /dev/null

# shellcheck source=bench/compare.sh
source "$root/bench/compare.sh"
reference=("$build/bench/hello-static")
measured=("$cli" --dir "$dir" --today 1/5/2024 --user Bench --json calc --hours 40,,,6.5,,,,)
compare "$pairs" "static hello world" "tallyman-cli calc" "tallyman-cli calc"
echo "RATIO cli-calc $time_ratio x (processor time $cpu_ratio x)"
# The floor: the same yardstick against a hello world that loads the shared C library as every
# packaged program must; each page the kernel maps in costs about 10 µs on a virtual machine.
measured=("$build/bench/hello-dynamic")
compare "$pairs" "static hello world" "dynamic hello world" "The floor: a hello world linked as tallyman-cli is"
echo "RATIO cli-floor $time_ratio x (processor time $cpu_ratio x)"
