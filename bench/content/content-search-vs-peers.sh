#!/bin/bash
# Times a case-insensitive content search for one literal word over a text
# tree: ContentSearchRun (ContentSearcher::find on the global thread pool, the
# files listed once by the folder search's walker) beside "rg -l -i -uuu" and
# "grep -rli" on the same folders. All three search regular files without
# following symbolic links and search binary files too, so the answer sets
# are comparable; ContentSearchRun
# is also timed with binary files skipped, as the program's default settings
# do. The script checks the answer sets and prints the ratios of the medians.
#
#   [RUNS=N] [TYPE=regex|boolean RG_ARGS=... GREP_ARGS=...] \
#   bench/content/content-search-vs-peers.sh BUILD_DIR [WORD [FOLDER...]]
#
# BUILD_DIR is configured with -DTVQ_BUILD_BENCH=ON. Needs rg (Debian
# package ripgrep), grep and bc. For example, a regular expression and a
# Boolean one against the peers' nearest equivalents:
#   TYPE=regex RG_ARGS="-- pthread_mutex_(un)?lock" \
#     GREP_ARGS="-E -- pthread_mutex_(un)?lock" $0 build "pthread_mutex_(un)?lock"
#   TYPE=boolean RG_ARGS="-e pthread_mutex_lock -e pthread_mutex_unlock" \
#     GREP_ARGS="-e pthread_mutex_lock -e pthread_mutex_unlock" \
#     $0 build "pthread_mutex_lock or pthread_mutex_unlock"

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

# "WALL CPU" in seconds of one run of "$@" (CPU: user + system, children
# included), its stdout kept in $out/last. The machine may be shared: CPU
# time shows the work done apart from the waiting.
time_once() {
    local TIMEFORMAT='%R %U %S' t
    # grep and rg exit 1 on no match
    t=$( { time "$@" > "$out/last" 2> "$out/err"; } 2>&1 ) || true
    awk '{printf "%s %.3f\n", $1, $2 + $3}' <<< "$t"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {
    local name=$1
    shift
    "$@" > /dev/null 2>&1 || true # warm the page cache
    for _ in $(seq "$runs"); do time_once "$@"; done > "$out/$name.runs"
    awk '{print $1}' "$out/$name.runs" | median > "$out/$name.time"
    awk '{print $2}' "$out/$name.runs" | median > "$out/$name.cpu"
    sort "$out/last" > "$out/$name.set"
}

# TYPE=regex or TYPE=boolean reads WORD as that kind of expression; the
# peers then take RG_ARGS and GREP_ARGS (their nearest equivalent) instead
# of the word.
type_arg=()
case "${TYPE:-substring}" in
    substring) ;;
    regex) type_arg=(--type 2) ;;
    boolean) type_arg=(--type 3) ;;
    *) echo "unknown TYPE $TYPE" >&2; exit 2 ;;
esac
read -r -a rg_args <<< "${RG_ARGS:-}"
read -r -a grep_args <<< "${GREP_ARGS:-}"
[ ${#rg_args[@]} -gt 0 ] || rg_args=(-- "$word")
[ ${#grep_args[@]} -gt 0 ] || grep_args=(-- "$word")

measure ours "$ours" "${type_arg[@]}" "$word" "${folders[@]}"
ours_detail=$(cat "$out/err")
measure skip "$ours" --skip-binary "${type_arg[@]}" "$word" "${folders[@]}"
skip_detail=$(cat "$out/err")
measure rg rg -l -i -uuu --no-messages "${rg_args[@]}" "${folders[@]}"
measure grep grep -rli -s "${grep_args[@]}" "${folders[@]}"

t_ours=$(cat "$out/ours.time")
t_skip=$(cat "$out/skip.time")
t_rg=$(cat "$out/rg.time")
t_grep=$(cat "$out/grep.time")
echo "word \"$word\" in ${folders[*]}, median of $runs runs, $(nproc) cores"
cpu() { cat "$out/$1.cpu"; }
echo "ContentSearchRun:               ${t_ours}s wall, $(cpu ours)s CPU ($ours_detail)"
echo "ContentSearchRun --skip-binary: ${t_skip}s wall, $(cpu skip)s CPU ($skip_detail)"
echo "rg -l -i -uuu:                  ${t_rg}s wall, $(cpu rg)s CPU, $(wc -l < "$out/rg.set") files"
echo "grep -rli:                      ${t_grep}s wall, $(cpu grep)s CPU, $(wc -l < "$out/grep.set") files"
ratio() { echo "scale=2; $1 / $2" | bc; }
for run in ours skip; do
    t=$(cat "$out/$run.time")
    c=$(cpu "$run")
    echo "$run: wall ratio to rg $(ratio "$t" "$t_rg"), to grep $(ratio "$t" "$t_grep");" \
         "CPU ratio to rg $(ratio "$c" "$(cpu rg)"), to grep $(ratio "$c" "$(cpu grep)")"
    for peer in rg grep; do
        if cmp -s "$out/$run.set" "$out/$peer.set"; then
            echo "  answer set equal to $peer's"
        else
            echo "  answer set differs from $peer's:"
            diff "$out/$run.set" "$out/$peer.set" | head -20 || true
        fi
    done
done
