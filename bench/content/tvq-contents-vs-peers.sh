#!/bin/bash
# The content search as users run it: whole processes of
#   tvq --no-index --in FOLDERS --contents WORD
# beside "rg -l -i -uuu WORD FOLDERS" and "grep -rli WORD FOLDERS", in the
# same run, warm cache, each command RUNS times in turn (so that a change of
# load on a shared machine hits all three alike); prints the medians of wall
# and CPU time, their ratios, and how tvq's answer differs from rg's (tvq
# skips binary files, matches converted documents by their text, and reads
# a symbolic link's target where rg without -L passes the link by).
#
#   [RUNS=N] [TVQ=path/to/tvq] bench/content/tvq-contents-vs-peers.sh [WORD [FOLDER...]]
#
# Needs rg (Debian package ripgrep) and bc. tvq runs with settings, log and
# temporary files of its own under a temporary folder, removed at the end.

set -euo pipefail

word=${1:-deprecated}
shift $(( $# >= 1 ? 1 : 0 ))
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=(/usr/include)
runs=${RUNS:-7}
here=$(cd "$(dirname "$0")/../.." && pwd)
tvq=${TVQ:-$here/build/src/cli/tvq}
export LC_ALL=C.UTF-8

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export XDG_CONFIG_HOME=$out/config XDG_DATA_HOME=$out/data XDG_CACHE_HOME=$out/cache XDG_RUNTIME_DIR=$out/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

in_list=$(IFS=';'; echo "${folders[*]}")
run_tvq() { "$tvq" --no-service --no-index --in "$in_list" --contents "$word"; }
run_rg() { rg -l -i -uuu --no-messages -- "$word" "${folders[@]}"; }
run_grep() { grep -rli -s -- "$word" "${folders[@]}"; }

# "WALL CPU" seconds of one run (CPU: user + system, children included).
time_once() {
    local TIMEFORMAT='%R %U %S' t
    t=$( { time "$@" > "$out/$1.last" 2> /dev/null; } 2>&1 ) || true
    awk '{printf "%s %.3f\n", $1, $2 + $3}' <<< "$t"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ratio() { echo "scale=2; $1 / $2" | bc; }

for peer in run_tvq run_rg run_grep; do "$peer" > /dev/null 2>&1 || true; done # warm the page cache
for _ in $(seq "$runs"); do
    for peer in run_tvq run_rg run_grep; do time_once "$peer" >> "$out/$peer.runs"; done
done
for peer in run_tvq run_rg run_grep; do
    awk '{print $1}' "$out/$peer.runs" | median > "$out/$peer.wall"
    awk '{print $2}' "$out/$peer.runs" | median > "$out/$peer.cpu"
done
sort "$out/run_tvq.last" > "$out/tvq.set"
sort "$out/run_rg.last" > "$out/rg.set"

echo "\"$word\" in ${folders[*]}: medians of $runs runs, $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
for peer in run_tvq run_rg run_grep; do
    printf '  %-9s %6ss wall %6ss CPU  %s files\n' "${peer#run_}" "$(cat "$out/$peer.wall")" \
        "$(cat "$out/$peer.cpu")" "$(wc -l < "$out/$peer.last")"
done
for peer in rg grep; do
    echo "  tvq / $peer: wall $(ratio "$(cat "$out/run_tvq.wall")" "$(cat "$out/run_$peer.wall")")," \
         "CPU $(ratio "$(cat "$out/run_tvq.cpu")" "$(cat "$out/run_$peer.cpu")")"
done
only_rg=$(comm -13 "$out/tvq.set" "$out/rg.set" | wc -l)
only_tvq=$(comm -23 "$out/tvq.set" "$out/rg.set" | wc -l)
echo "  answers: $only_rg only rg's (binary files tvq skips), $only_tvq only tvq's" \
     "(converted documents, symbolic links to matching files)"
comm -3 "$out/tvq.set" "$out/rg.set" | head -"${SHOW_DIFF:-0}"
