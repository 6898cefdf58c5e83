#!/usr/bin/env bash
# tallyman draws its start-up prompt without loading what only printing or other picture
# formats need: the print-support plugin (with the print system's libraries behind it) and
# the image-format plugins. The dynamic loader lists what it loads (LD_DEBUG=files).
#   startup_loads.sh path/to/tallyman
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/data"

QT_QPA_PLATFORM=offscreen TALLYMAN_STARTUP_PROBE=prompt LD_DEBUG=files \
    "$program" --dir "$work/data" > "$work/out" 2> "$work/loader"
grep -q 'shown=prompt' "$work/out" || { echo "the start-up prompt was not drawn"; cat "$work/out"; exit 1; }
grep -q 'file=libQt6Widgets' "$work/loader" || { echo "the dynamic loader listed nothing"; exit 1; }
if grep -o 'file=[^ ]*' "$work/loader" | sort -u | grep -E 'plugins/printsupport/|libcups|plugins/imageformats/'; then
    echo "loaded before the start-up prompt was drawn (above)"
    exit 1
fi
echo "the start-up prompt was drawn without printer support or image-format plugins"
