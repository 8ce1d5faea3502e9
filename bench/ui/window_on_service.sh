#!/usr/bin/env bash
# Starts the index service on a socket and state folder of its own (indexing
# every local volume, as installed), then times the window on it against the
# in-process engine. As root. Usage: bench/ui/window_on_service.sh [BUILD_DIR] NAME...
set -euo pipefail
build=${1:-build}
shift || true
data=${TVQ_BENCH_DATA:-/var/tmp/talvenquist-bench}
state="$data/service"
mkdir -p "$data/runtime" "$state" && chmod 700 "$data/runtime" "$state"
socket="$data/runtime/index.socket"
"$build/src/indexd/talvenquist-indexd" --socket "$socket" --state-dir "$state" --config "$state/indexing.ini" &
service=$!
trap 'kill -TERM $service; wait $service || true' EXIT
TALVENQUIST_INDEX_SOCKET="$socket" QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$data" XDG_RUNTIME_DIR="$data/runtime" \
    "$build/bench/ui/ServiceWindowBench" "${@:-readme}"
