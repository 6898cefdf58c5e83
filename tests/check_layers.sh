#!/bin/sh
# Fails when a file under src/ includes a header of a layer above its own folder's layer.
# The table is the rule: one line per layer, bottom first; folders on one line share a layer.
layers='
0 numbers platform
1 storage
2 engine
3 employee taxtables ledger trackers printing
4 screens
5 gui cli
'
src=${1%/}
find "$src" -name '*.h' -o -name '*.cpp' | sort | xargs awk -v src="$src" -v table="$layers" '
BEGIN {
    rows = split(table, row, "\n")
    for (r = 1; r <= rows; r++) {
        words = split(row[r], word, " ")
        for (i = 2; i <= words; i++) level[word[i]] = word[1]
    }
}
FNR == 1 {
    split(substr(FILENAME, length(src) + 2), part, "/")
    own = part[1]
    if (!(own in level)) { print FILENAME ": folder " own " is missing from the layer table"; bad = 1 }
}
/^#include "/ {
    header = $2; gsub(/"/, "", header); split(header, part, "/")
    if ((own in level) && (part[1] in level) && level[part[1]] > level[own]) {
        print FILENAME ": includes " header ", which belongs to a higher layer"; bad = 1
    }
}
END { exit bad }'
