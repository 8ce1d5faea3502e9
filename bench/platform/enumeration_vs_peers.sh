#!/bin/sh
# Times one whole-volume enumeration of a file system (default /) by the
# index's reader against its peers on the same tree, in the same run:
#   fdfind -HI --one-file-system . <root>    (listing every entry)
#   updatedb, a full build (its database is removed before every run, as
#   updatedb is incremental otherwise)
# Each program runs once to warm the caches, then RUNS times, alternating;
# the medians of the wall times are compared. Needs root for updatedb.
#
# usage: enumeration_vs_peers.sh [path/to/enumerate_volume] [root]
set -eu
driver=${1:-build-rel/bench/platform/enumerate_volume}
root=${2:-/}
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

. "$(dirname "$0")/../timing.sh"
run_updatedb() { rm -f "$work/plocate.db"; updatedb -o "$work/plocate.db"; }

"$driver" "$root" > "$work/ours.txt"
fdfind -HI --one-file-system . "$root" | wc -l > "$work/fd-count.txt"
run_updatedb
for i in $(seq "$runs"); do
    timed "$driver" "$root" >> "$work/ours"
    timed fdfind -HI --one-file-system . "$root" >> "$work/fd"
    timed run_updatedb >> "$work/updatedb"
done
ours=$(median < "$work/ours")
fd=$(median < "$work/fd")
updb=$(median < "$work/updatedb")
entries=$(awk '{ print $2 }' "$work/ours.txt")
echo "entries: ours $entries, fdfind $(cat "$work/fd-count.txt") (fdfind does not list the root itself)"
printf 'median wall seconds over %d runs: ours %.3f  fdfind %.3f  updatedb %.3f\n' "$runs" "$ours" "$fd" "$updb"
awk -v n="$entries" -v ours="$ours" -v fd="$fd" -v updb="$updb" 'BEGIN {
    printf "entries/second (ours, wall time of the whole process): %.0f\n", n / ours
    printf "speed-up: %.2fx over fdfind, %.2fx over a full updatedb\n", fd / ours, updb / ours
}'
echo "load average during the run: $(cut -d' ' -f1-3 /proc/loadavg)"
