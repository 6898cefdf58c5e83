#!/usr/bin/env bash
# Drives the bash completion of tallyman-cli as the shell does, without the bash-completion
# package: each case is a command line and the words it should offer at its end.
# Usage: completion_test.sh COMPLETION-FILE
set -uo pipefail
. "$1"

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
touch "$data/Smith.use" "$data/Ann Lee.use" "$data/.use" "$data/Jones.sta" "$data/Jo.use"
export TALLYMAN_DIR=$data

failed=0 passed=0
# check LINE WORD...: the completion of LINE offers exactly the WORDs.
check() {
    local line=$1 expected got
    shift
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _tallyman_cli
    got=$( ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
    expected=$( (($#)) && printf '%s\n' "$@" | sort | tr '\n' ' ')
    if [[ $got == "$expected" ]]; then
        ((passed++))
    else
        echo "FAIL: [$line] offered [$got], expected [$expected]"
        ((failed++))
    fi
}

check "tallyman-cli led" ledger
check "tallyman-cli --user Smith ledger " show paste delete clear set print export
check "tallyman-cli --json check " show print testpage
check "tallyman-cli o" ot offsets
# Users are the NAME.use files of the data folder, not the default set nor other files.
check "tallyman-cli --user " 'Ann\ Lee' Jo Smith
check "tallyman-cli --user J" Jo
check "tallyman-cli --dir /nonexistent --user "
check "tallyman-cli --user Smith user set FedS" 'FedStatus='
check "tallyman-cli --user Smith user set FedStatus=M" Married
check "tallyman-cli --user Smith user set Week=" weekly biweekly
check "tallyman-cli --user Smith user w4 " show set
check "tallyman-cli --user Smith user w4 set St" 'Status=' 'Step2=' 'Step3=' 'Step4a=' 'Step4b='
check "tallyman-cli --user Smith user w4 set Form=" 2020 2019
check "tallyman-cli --user Smith user w4 show "
check "tallyman-cli state select w" wisconsin-prior wisconsin
check "tallyman-cli --user Smith heading set Company" 'Company=' 'CompanyAddress=' 'CompanyZip=' 'CompanyId='
# Options follow the command: the calc options where a period is computed, printing options where it is printed.
check "tallyman-cli calc --ot" '--ot' '--ot15' '--ot-2x'
check "tallyman-cli --user Smith ledger print --" '--dir' '--user' '--json' '--yes' '--no' '--today' '--help' '--version' '--pdf' '--text'
check "tallyman-cli check print --h" '--help' '--hours' '--holiday' '--horz'
check "tallyman-cli user show --h" '--help'
check "tallyman-cli check testpage --h" '--help' '--horz'
# The value of an option is not a command.
check "tallyman-cli --week 1/5/2024 c" calc city check
check "tallyman-cli calc --straight "

echo "bash completion: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
