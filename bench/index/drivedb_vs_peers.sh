#!/bin/sh
# One volume's index against its peers on the same tree, in the same run:
#   (a) a fresh build against `fdfind -HI --one-file-system . <root>`;
#   (b) load plus replay of the unchanged volume against that fresh build,
#       each in a process of its own, as at start-up;
#   (c) one case-insensitive substring search over every record, in process,
#       and against `plocate -c -i` on a database of the same tree;
#   (d) resident memory per record.
# Needs root (the index watches the volume; updatedb writes its database).
#
# usage: drivedb_vs_peers.sh [path/to/drivedb_driver] [root] [substring]
set -eu
driver=${1:-build-rel/bench/index/drivedb_driver}
root=${2:-/}
word=${3:-conf}
runs=${RUNS:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

. "$(dirname "$0")/../timing.sh"
field() { awk -v k="$1" '$1 == k { print $2 }' "$2" | median; }

updatedb -U "$root" -o "$work/plocate.db" --prune-bind-mounts yes
for i in $(seq "$runs"); do
    mkdir -p "$work/db$i"
    "$driver" build "$root" "$word" "$work/db$i" >> "$work/ours.txt"
    "$driver" load "$root" "$word" "$work/db$i" >> "$work/ours.txt"
    timed fdfind -HI --one-file-system . "$root" >> "$work/fd"
    timed plocate -c -i -d "$work/plocate.db" "$word" >> "$work/plocate"
done
create=$(field create_seconds "$work/ours.txt")
load=$(field load_seconds "$work/ours.txt")
search=$(field search_seconds "$work/ours.txt")
fd=$(median < "$work/fd")
plocate=$(median < "$work/plocate")
echo "records: $(field records "$work/ours.txt"), matches for '$word': ours $(field search_results "$work/ours.txt"), plocate $(plocate -c -i -d "$work/plocate.db" "$word")"
printf 'median seconds over %d runs: create %.3f  load+replay %.3f  search %.4f  fdfind %.3f  plocate -c %.4f\n' \
    "$runs" "$create" "$load" "$search" "$fd" "$plocate"
awk -v c="$create" -v l="$load" -v s="$search" -v fd="$fd" -v p="$plocate" 'BEGIN {
    printf "(a) build: %.2fx faster than fdfind\n", fd / c
    printf "(b) load+replay takes %.2f of a fresh build\n", l / c
    printf "(c) search: %.3f of plocate -c (plocate includes its process start)\n", s / p
}'
echo "(c) ns per record: $(field search_ns_per_record "$work/ours.txt")"
echo "(d) resident bytes per record: $(field bytes_per_record "$work/ours.txt") (of which names and their index $(field pool_bytes_per_record "$work/ours.txt"))"
echo "load average during the run: $(cut -d' ' -f1-3 /proc/loadavg)"
