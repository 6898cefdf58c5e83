#!/usr/bin/env bash
# Every command and sub-command that tallyman-cli's help names is in the manual page and in the
# bash completion's table.
# Usage: commands_documented.sh TALLYMAN-CLI MAN-PAGE-SOURCE COMPLETION-FILE
set -uo pipefail
cli=$1 manual=$2 completion=$3
. "$completion"

failed=0 passed=0
# The "Commands:" block of the help: two blanks, the command, then its sub-commands (a|b|c).
commands=$("$cli" --help | sed -n '/^Commands:/,/^$/p' | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p')
[[ -n $commands ]] || { echo "no commands found in tallyman-cli --help"; exit 1; }
for command in $commands; do
    if [[ -z ${_tallyman_cli_commands[$command]+set} ]]; then
        echo "FAIL: the completion does not know the command $command"
        ((failed++))
    else
        ((passed++))
    fi
    # The command's own usage lines name its sub-commands: "tallyman-cli ... command sub ...".
    subs=$("$cli" "$command" --help | sed -n '/^Usage:/,/^$/p' |
        grep -o "tallyman-cli .*" | sed -n "s/.* $command \([a-z][a-z0-9-]*\).*/\1/p" | sort -u)
    for sub in $subs; do
        if [[ " ${_tallyman_cli_commands[$command]-} " != *" $sub "* ]]; then
            echo "FAIL: the completion does not know $command $sub"
            ((failed++))
        elif ! grep -q "^\*$command $sub\*\|\*$command $sub\* |\| \*$command $sub\*" "$manual"; then
            echo "FAIL: the manual page does not describe $command $sub"
            ((failed++))
        else
            ((passed++))
        fi
    done
    if [[ -z $subs ]] && ! grep -q "^\*$command\*" "$manual"; then
        echo "FAIL: the manual page does not describe $command"
        ((failed++))
    fi
done
echo "commands documented: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
