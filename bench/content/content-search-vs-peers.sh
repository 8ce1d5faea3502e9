#!/bin/bash
# Times a case-insensitive content search for one literal word over a text
# tree: ContentSearchRun (ContentSearcher::find on the global thread pool, the
# files listed once) beside "rg -l -i -uuu" and "grep -rli" on the same
# folders. All three list regular files without following symbolic links and
# search binary files too, so the answer sets are comparable; ContentSearchRun
# is also timed with binary files skipped, as the program's default settings
# do. The script checks the answer sets and prints the ratios of the medians.
#
#   bench/content/content-search-vs-peers.sh BUILD_DIR [WORD [FOLDER...]]
set -euo pipefail

build=${1:?usage: $0 BUILD_DIR [WORD [FOLDER...]]}
word=${2:-deprecated}
shift $(( $# >= 2 ? 2 : 1 ))
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=(/usr/include /usr/share/doc)
runs=${RUNS:-3}
ours="$build/bench/content/ContentSearchRun"
export LC_ALL=C.UTF-8

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Seconds (with fractions) of one run of "$@", its stdout kept in $out/last.
time_once() {
    local start end
    start=$(date +%s.%N)
    "$@" > "$out/last" 2> "$out/err" || [ $? -eq 1 ] # grep and rg exit 1 on no match
    end=$(date +%s.%N)
    echo "$end - $start" | bc
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {
    local name=$1
    shift
    "$@" > /dev/null 2>&1 || true # warm the page cache
    for _ in $(seq "$runs"); do time_once "$@"; done | median > "$out/$name.time"
    sort "$out/last" > "$out/$name.set"
}

measure ours "$ours" "$word" "${folders[@]}"
ours_detail=$(cat "$out/err")
measure skip "$ours" --skip-binary "$word" "${folders[@]}"
skip_detail=$(cat "$out/err")
measure rg rg -l -i -uuu --no-messages -- "$word" "${folders[@]}"
measure grep grep -rli -s -- "$word" "${folders[@]}"

t_ours=$(cat "$out/ours.time")
t_skip=$(cat "$out/skip.time")
t_rg=$(cat "$out/rg.time")
t_grep=$(cat "$out/grep.time")
echo "word \"$word\" in ${folders[*]}, median of $runs runs, $(nproc) cores"
echo "ContentSearchRun:               ${t_ours}s ($ours_detail)"
echo "ContentSearchRun --skip-binary: ${t_skip}s ($skip_detail)"
echo "rg -l -i -uuu:                  ${t_rg}s, $(wc -l < "$out/rg.set") files"
echo "grep -rli:                      ${t_grep}s, $(wc -l < "$out/grep.set") files"
for run in ours skip; do
    t=$(cat "$out/$run.time")
    echo "$run: ratio to rg $(echo "scale=2; $t / $t_rg" | bc), to grep $(echo "scale=2; $t / $t_grep" | bc)"
    for peer in rg grep; do
        if cmp -s "$out/$run.set" "$out/$peer.set"; then
            echo "  answer set equal to $peer's"
        else
            echo "  answer set differs from $peer's:"
            diff "$out/$run.set" "$out/$peer.set" | head -20 || true
        fi
    done
done
