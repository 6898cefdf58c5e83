#!/usr/bin/env bash
# tallyman-cli writes a PDF through the painter beside it, and loads no Qt library itself: a
# calculation stays as quick as a program without a window. The dynamic loader lists what it
# loads (LD_DEBUG=files).
#   cli_pdf.sh path/to/tallyman-cli [sanitized]
# A sanitized build loads the shared C++ runtime with the sanitizer's own: no loader check.
set -euo pipefail
cli=$1
sanitized=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TALLYMAN_DIR=$work/data QT_QPA_PLATFORM=offscreen
mkdir "$work/data"

"$cli" user new Pat > /dev/null 2>&1
"$cli" --user Pat user set HourRate=21.5 SSnum=123-45-6789 > /dev/null
LD_DEBUG=files "$cli" --user Pat calc --hours 40,,,,,,, > "$work/calc" 2> "$work/loader"
grep -q 'NET PAY' "$work/calc" || { echo "calc printed no net pay"; cat "$work/calc"; exit 1; }
if [ -z "$sanitized" ] && grep -o 'file=[^ ]*' "$work/loader" | sort -u | grep -E 'libQt6|libstdc\+\+'; then
    echo "tallyman-cli calc loaded the libraries above"
    exit 1
fi

"$cli" --user Pat print statement --hours 40,,,,,,, --pdf "$work/stub.pdf" > /dev/null
[ "$(head -c 4 "$work/stub.pdf")" = "%PDF" ] || { echo "print statement --pdf wrote no PDF"; exit 1; }
if "$cli" --user Pat check print --hours 40,,,,,,, --pdf "$work/none/check.pdf" 2> "$work/err"; then
    echo "a PDF into a missing folder was reported as written"
    exit 1
fi
grep -q "does not exist" "$work/err" || { echo "no reason for the missing folder:"; cat "$work/err"; exit 1; }
if "$cli" --user Pat print statement --hours 40,,,,,,, --pdf "" 2> "$work/err"; then
    echo "a PDF without a name was reported as written"
    exit 1
fi
grep -q "the file name is empty" "$work/err" || { echo "no reason for the empty name:"; cat "$work/err"; exit 1; }

# The check is one page at the largest offsets the dialog offers (a page object each).
for offsets in "--horz 5 --vert 5" "--horz -5 --vert 2"; do
    # shellcheck disable=SC2086
    "$cli" --user Pat check print --amount 100 $offsets --pdf "$work/check.pdf" > /dev/null
    pages=$(grep -ac '/Type /Page$' "$work/check.pdf" || true)
    [ "$pages" = 1 ] || { echo "check print $offsets gave $pages pages"; exit 1; }
done
echo "tallyman-cli wrote the PDF through tallyman-pdf without loading Qt or the shared C++ runtime"
