#!/bin/bash
# The index service as an ordinary user meets it, whole processes timed
# side by side in one run (medians of $RUNS), run as root after building
# tvq and talvenquist-indexd:
#   bench/cli/service_vs_plocate.sh [NAME]
# (a) tvq NAME as nobody through the service over / vs plocate -i NAME as
#     nobody on an updatedb database of the same tree (plocate checks each
#     result's folders for nobody too); root's in-process tvq for context;
# (b) the permission check: 100,000 results in 10,000 folders, asked by
#     nobody vs by root (root's results are not checked), both through the service;
# (c) memory per indexed record: the service vs tvq holding the index itself.
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/../timing.sh"

NAME=${1:-readme}
RUNS=${RUNS:-9}
INDEXD=${INDEXD:-$BUILD_DIR/src/indexd/talvenquist-indexd}
SOCKET="$WORK/run/index.socket"
STATE="$WORK/state"
TREE=/var/tmp/tvq-permcheck-tree
NOBODY=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$WORK/home" TMPDIR="$WORK/home")
export TALVENQUIST_INDEX_SOCKET="$SOCKET"
command -v plocate > /dev/null || { echo "plocate is missing (apt-get install plocate)" >&2; exit 2; }
mkdir -p "$WORK/home" && chmod 0777 "$WORK/home" && chmod 0755 "$WORK"

median_of() { for _ in $(seq "$RUNS"); do timed "$@"; done | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
log_text() { iconv -f UTF-16LE -t UTF-8 "$STATE/indexd.log" 2>/dev/null | tr -d '\r'; }
records() { log_text | sed -n 's/.*Files count: //p' | awk '{ s += $1 } END { print s }'; }

# (b)'s tree is made before the service starts, so the service indexes it with /.
# Removed at the end, so that other measurements of / do not count it; made
# in one process, as 110,000 forks of mkdir and touch take minutes on a
# loaded machine.
if [ ! -f "$TREE/d10000/permcheck-10" ]; then
    python3 - "$TREE" <<'PY'
import os, sys
top = sys.argv[1]
for d in range(1, 10001):
    folder = os.path.join(top, "d%d" % d)
    os.makedirs(folder, exist_ok=True)
    for f in range(1, 11):
        open(os.path.join(folder, "permcheck-%d" % f), "w").close()
PY
fi

printf '[General]\n' > "$WORK/indexing.ini"
start_service() {
    rm -f "$STATE/indexd.log"
    "$INDEXD" --socket "$SOCKET" --state-dir "$STATE" --config "$WORK/indexing.ini" 2>> "$WORK/indexd.err" &
    SERVICE=$!
    until log_text | grep -q "Index ready"; do sleep 0.5; done
}
trap 'kill -TERM $SERVICE 2>/dev/null; wait $SERVICE 2>/dev/null; rm -rf "$WORK" "$TREE"' EXIT
# Built from the volumes once and saved, then loaded as at every later start,
# which is how tvq holding its own index starts too; its memory is taken then.
start_service
kill -TERM $SERVICE; wait $SERVICE
start_service
service_kb=$(awk '/VmHWM/ { print $2 }' /proc/$SERVICE/status)
# What stays resident beside the peak: the peak also holds what the replay of
# the changes since the save used for a moment, which depends on how much
# changed on the machine in between.
service_rss_kb=$(awk '/VmRSS/ { print $2 }' /proc/$SERVICE/status)
updatedb -U / -o "$WORK/plocate.db" && chmod 0644 "$WORK/plocate.db"
echo "service: $INDEXD   records: $(records)   runs: $RUNS   load: $(cut -d' ' -f1-3 /proc/loadavg)"

# (a)
a_service=$(median_of "${NOBODY[@]}" "$TVQ" --settings "$WORK/home/s.ini" "$NAME")
a_plocate=$(median_of "${NOBODY[@]}" plocate -i -d "$WORK/plocate.db" "$NAME")
a_root=$(median_of "$TVQ" --settings "$SETTINGS" --no-service --index / "$NAME")
echo "(a) \"$NAME\" as nobody: tvq via service ${a_service}s, plocate -i ${a_plocate}s, ratio $(ratio "$a_service" "$a_plocate")"
echo "    results: tvq $("${NOBODY[@]}" "$TVQ" --settings "$WORK/home/s.ini" "$NAME" | wc -l)," \
     "plocate $("${NOBODY[@]}" plocate -i -d "$WORK/plocate.db" "$NAME" | wc -l)"
echo "    root's tvq with its own index (load, search, save): ${a_root}s, ratio to plocate $(ratio "$a_root" "$a_plocate")"

# (b)
b_root=$(median_of "$TVQ" --settings "$SETTINGS" permcheck-)
b_nobody=$(median_of "${NOBODY[@]}" "$TVQ" --settings "$WORK/home/s.ini" permcheck-)
echo "(b) 100,000 results in 10,000 folders through the service: root ${b_root}s, nobody ${b_nobody}s," \
     "ratio $(ratio "$b_nobody" "$b_root")   (results: $("${NOBODY[@]}" "$TVQ" --settings "$WORK/home/s.ini" permcheck- | wc -l))"

# (c) Peak resident memory after loading, above an empty process of each kind, per record.
empty_service_kb=$(
    mkdir -p "$WORK/empty"; printf '[General]\nAutoAddFixed=false\n' > "$WORK/empty/indexing.ini"
    "$INDEXD" --socket "$WORK/empty/s" --state-dir "$WORK/empty/state" --config "$WORK/empty/indexing.ini" 2> /dev/null &
    pid=$!
    until iconv -f UTF-16LE -t UTF-8 "$WORK/empty/state/indexd.log" 2>/dev/null | grep -q "Index ready"; do sleep 0.2; done
    awk '/VmHWM/ { print $2 }' /proc/$pid/status; kill -TERM $pid; wait $pid 2>/dev/null || true)
peak_kb() { { /usr/bin/time -f %M "$@" > /dev/null || true; } 2>&1 | tail -1; }
tvq_kb=$(peak_kb "$TVQ" --settings "$SETTINGS" --no-service --index / no-such-name-xyz)
empty_tvq_kb=$(peak_kb "$TVQ" --settings "$SETTINGS" --no-index --in /var/empty x)
n=$(records)
echo "(c) bytes per record: service $(( (service_kb - empty_service_kb) * 1024 / n ))," \
     "tvq's own index $(( (tvq_kb - empty_tvq_kb) * 1024 / n ))   (peak resident KiB: service $service_kb," \
     "empty service $empty_service_kb, tvq $tvq_kb, empty tvq $empty_tvq_kb)"
echo "    service resident when ready: $(( (service_rss_kb - empty_service_kb) * 1024 / n )) B per record" \
     "($service_rss_kb KiB); changes replayed at its start: $(log_text | sed -n 's/.*Replayed \([0-9]*\) changes.*/\1/p' | awk '{ s += $1 } END { print s }')"
