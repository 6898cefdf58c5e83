#!/bin/sh
# Fails when a file of the core (everything in src/ but src/gui) includes a Qt header.
hits=$(grep -rlE '#include *<Q[A-Za-z]' "$1" --include='*.h' --include='*.cpp' | grep -v '/gui/')
[ -z "$hits" ] && exit 0
echo "Qt included outside src/gui:"; echo "$hits"; exit 1
