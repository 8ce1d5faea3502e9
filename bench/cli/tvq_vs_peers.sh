#!/bin/bash
# Times tvq against the usual tools on the machine's root file system, each
# pair in the same run, and prints the ratios (tvq time / peer time: below 1
# means tvq is faster). Run as root after building tvq:
#   bench/cli/tvq_vs_peers.sh [NAME] [WORD]
# (a) tvq building its index from nothing vs a full updatedb and fdfind;
# (b) a warm tvq NAME (load, replay, search, whole process) vs plocate NAME;
# (c) tvq --in /usr --contents WORD vs rg -l -i -uuu and grep -rli;
# (d) the time from a query line to its last result in --interactive mode,
#     for a substring over the whole index, vs plocate for the same substring.
source "$(dirname "$0")/common.sh"

NAME=${1:-stdio}
WORD=${2:-"getaddrinfo"}
PLOCATE_DB="$WORK/plocate.db"
TVQ_ROOT=(--settings "$SETTINGS" --index /)

echo "tvq: $TVQ   work folder: $WORK   runs: $RUNS"
echo "files on /: $(fdfind -HI --one-file-system . / | wc -l)"

# (a) Both builders start from nothing every time.
build_tvq() { rm -rf "$WORK/tvq"; mkdir -p "$WORK/tvq"; "$TVQ" "${TVQ_ROOT[@]}" no-such-name-xyz; }
build_updatedb() { rm -f "$PLOCATE_DB"; updatedb --require-visibility no -U / -o "$PLOCATE_DB"; }
a_tvq=$(best_of build_tvq)
a_updatedb=$(best_of build_updatedb)
a_fd=$(best_of fdfind -HI --one-file-system . /)
report "(a) index from nothing" "$a_tvq" "updatedb" "$a_updatedb"
report "(a) index from nothing" "$a_tvq" "fdfind -HI" "$a_fd"

# (b) The index of (a) is on disk: load, replay, search, save.
b_tvq=$(best_of "$TVQ" "${TVQ_ROOT[@]}" "$NAME")
b_plocate=$(best_of plocate -d "$PLOCATE_DB" "$NAME")
report "(b) warm name search \"$NAME\"" "$b_tvq" "plocate" "$b_plocate"
echo "    results: tvq $("$TVQ" "${TVQ_ROOT[@]}" "$NAME" | wc -l), plocate $(plocate -d "$PLOCATE_DB" "$NAME" | wc -l)"

# (c) Contents of every file under /usr; page cache warm for all three.
grep -rli -- "$WORD" /usr > /dev/null 2>&1 || true
c_tvq=$(best_of "$TVQ" "${TVQ_ROOT[@]}" --in /usr --contents "$WORD")
c_rg=$(best_of rg -l -i -uuu -- "$WORD" /usr)
c_grep=$(best_of grep -rli -- "$WORD" /usr)
report "(c) contents \"$WORD\" under /usr" "$c_tvq" "rg -l -i -uuu" "$c_rg"
report "(c) contents \"$WORD\" under /usr" "$c_tvq" "grep -rli" "$c_grep"
echo "    results: tvq $("$TVQ" "${TVQ_ROOT[@]}" --in /usr --contents "$WORD" | wc -l)," \
     "rg $(rg -l -i -uuu -- "$WORD" /usr 2>/dev/null | wc -l), grep $(grep -rli -- "$WORD" /usr 2>/dev/null | wc -l)"

# (d) One live process; each query timed from its line to its end mark.
d_tvq=$(python3 "$(dirname "$0")/interactive_latency.py" "$TVQ" "$SETTINGS" "$NAME" "$RUNS")
d_plocate=$(best_of plocate -d "$PLOCATE_DB" "$NAME")
report "(d) interactive query \"$NAME\"" "$d_tvq" "plocate (process)" "$d_plocate"

rm -rf "$WORK"
