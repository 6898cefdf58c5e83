#!/usr/bin/env bash
# tallyman draws its start-up prompt without loading what only printing, other picture
# formats or the spreadsheet export need: the print-support plugin (with the print system's
# libraries behind it), the image-format plugins, libxlsxwriter (with the cryptography
# library behind it). A calculation of tallyman-cli loads no spreadsheet library either. The
# dynamic loader lists what it loads (LD_DEBUG=files).
#   startup_loads.sh path/to/tallyman path/to/tallyman-cli
set -euo pipefail
program=$1
cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/data"

QT_QPA_PLATFORM=offscreen TALLYMAN_STARTUP_PROBE=prompt LD_DEBUG=files \
    "$program" --dir "$work/data" > "$work/out" 2> "$work/loader"
grep -q 'shown=prompt' "$work/out" || { echo "the start-up prompt was not drawn"; cat "$work/out"; exit 1; }
grep -q 'file=libQt6Widgets' "$work/loader" || { echo "the dynamic loader listed nothing"; exit 1; }
if grep -o 'file=[^ ]*' "$work/loader" | sort -u | grep -E 'plugins/printsupport/|libcups|plugins/imageformats/|libxlsxwriter|libcrypto'; then
    echo "loaded before the start-up prompt was drawn (above)"
    exit 1
fi
echo "the start-up prompt was drawn without printer support, image-format plugins or the spreadsheet library"

run_cli() { LD_DEBUG=files "$cli" --dir "$work/data" --today 1/5/2024 "$@" 2>> "$work/cli-loader"; }
run_cli user new Smith > /dev/null
run_cli --user Smith calc --hours 40,,,,,,, > "$work/calc"
grep -q 'NET PAY' "$work/calc" || { echo "tallyman-cli calc printed no net pay"; cat "$work/calc"; exit 1; }
if grep -o 'file=[^ ]*' "$work/cli-loader" | sort -u | grep -E 'libxlsxwriter|libcrypto|libQt'; then
    echo "loaded by tallyman-cli for a calculation (above)"
    exit 1
fi
echo "tallyman-cli calculated without the spreadsheet library or Qt"
