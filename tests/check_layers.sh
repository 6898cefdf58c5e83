#!/bin/sh
# Fails when a file under src/ includes a header of a layer above its own folder's layer, or of
# a folder of its own layer that the table does not let it use.
# The table is the rule: one line per layer, bottom first; folders on one line share a layer.
# The uses below are the only ones within a layer (folder>folder: the first uses the second).
layers='
0 numbers platform
1 storage
2 engine
3 employee taxtables ledger trackers printing
4 screens
5 gui cli
'
sameLayerUses='employee>trackers printing>employee printing>ledger'
src=${1%/}
find "$src" -name '*.h' -o -name '*.cpp' | sort | xargs awk -v src="$src" -v table="$layers" -v uses="$sameLayerUses" '
BEGIN {
    rows = split(table, row, "\n")
    for (r = 1; r <= rows; r++) {
        words = split(row[r], word, " ")
        for (i = 2; i <= words; i++) level[word[i]] = word[1]
    }
    n = split(uses, use, " ")
    for (i = 1; i <= n; i++) allowed[use[i]] = 1
}
FNR == 1 {
    split(substr(FILENAME, length(src) + 2), part, "/")
    own = part[1]
    if (!(own in level)) { print FILENAME ": folder " own " is missing from the layer table"; bad = 1 }
}
/^#include "/ {
    header = $2; gsub(/"/, "", header); split(header, part, "/")
    other = part[1]
    if (!(own in level) || !(other in level) || other == own) next
    if (level[other] > level[own]) {
        print FILENAME ": includes " header ", which belongs to a higher layer"; bad = 1
    } else if (level[other] == level[own] && !((own ">" other) in allowed)) {
        print FILENAME ": includes " header ", of its own layer, which the table does not let " own " use"; bad = 1
    }
}
END { exit bad }'
