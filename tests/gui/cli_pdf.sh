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

# Every printout's PDF is its owner's alone, and painted with no display: one named by DISPLAY
# that no server answers does not stop it.
for printout in "print statement --hours 40,,,,,,," "ledger print" "check print --hours 40,,,,,,," "check testpage"; do
    rm -f "$work/private.pdf"
    # shellcheck disable=SC2086
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:917 "$cli" --user Pat $printout --pdf "$work/private.pdf" \
        > /dev/null 2> "$work/err" || { echo "$printout --pdf failed without a display:"; cat "$work/err"; exit 1; }
    [ "$(stat -c %a "$work/private.pdf")" = 600 ] || { echo "$printout wrote a PDF others can read"; exit 1; }
    [ "$(tail -c 6 "$work/private.pdf" | tr -d '\n')" = "%%EOF" ] || { echo "$printout wrote no whole PDF"; exit 1; }
done

# A PDF that cannot be written whole is not reported as written, and the file it would have
# replaced stays as it was. A file size limit stands in for a full disk: ignoring SIGXFSZ makes
# the painter's writes fail as on a full disk; not ignoring it kills the painter midway.
for how in "disk full" "painter killed"; do
    printf 'the old PDF' > "$work/kept.pdf"
    status=0
    (
        [ "$how" = "disk full" ] && trap '' XFSZ
        ulimit -f 4
        exec "$cli" --user Pat print statement --hours 40,,,,,,, --pdf "$work/kept.pdf"
    ) > /dev/null 2> "$work/err" || status=$?
    [ "$status" = 2 ] || { echo "$how: exit status $status, not 2"; cat "$work/err"; exit 1; }
    [ "$(cat "$work/kept.pdf")" = "the old PDF" ] || { echo "$how: the old PDF was lost"; exit 1; }
    expected="could not be finished"
    [ "$how" = "painter killed" ] && expected="killed by signal 25" # SIGXFSZ
    grep -q "cannot write the PDF $work/kept.pdf: .*$expected" "$work/err" \
        || { echo "$how: not the reason:"; cat "$work/err"; exit 1; }
    if ls -A "$work" | grep -q '\.tmp-'; then echo "$how: a temporary was left behind"; exit 1; fi
done

# Only a file is replaced: a device stays a device.
status=0
"$cli" --user Pat print statement --hours 40,,,,,,, --pdf /dev/full 2> "$work/err" || status=$?
[ "$status" = 2 ] && grep -q "it is a device" "$work/err" || { echo "--pdf /dev/full: status $status"; cat "$work/err"; exit 1; }
[ -c /dev/full ] || { echo "/dev/full is no longer a device"; exit 1; }

echo "tallyman-cli wrote the PDF through tallyman-pdf without loading Qt or the shared C++ runtime"
