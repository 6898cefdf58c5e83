# Sourced by the whole-process benchmarks of tallyman-cli: finds the program (first argument, or
# the release build), makes a scratch data folder with the federal table and a weekly user
# "Bench", and defines run() for commands in that folder.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cli=${1:-$here/build-release/apps/tallyman-cli}
runs=${RUNS:-20}
[ -x "$cli" ] || { echo "no $cli: build it first (cmake --preset release && cmake --build --preset release)" >&2; exit 1; }

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$here/data/Federal24.dtt" "$dir/"
run() { "$cli" --dir "$dir" --today 1/5/2024 "$@"; }
run user new Bench > /dev/null 2>&1
