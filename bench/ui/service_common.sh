# Sourced by the window benchmarks that need the index service: starts one on
# a socket and state folder of its own (indexing every local volume, as
# installed), stopped when the script exits, and exports what the window
# needs to find it. As root. Needs $build.
data=${TVQ_BENCH_DATA:-/var/tmp/talvenquist-bench}
state="$data/service"
mkdir -p "$data/runtime" "$data/xdg-runtime" "$state" && chmod 700 "$data/xdg-runtime" "$state"
socket="$data/runtime/index.socket"
"$build/src/indexd/talvenquist-indexd" --socket "$socket" --state-dir "$state" --config "$state/indexing.ini" &
service=$!
trap 'kill -TERM $service; wait $service || true' EXIT
export TALVENQUIST_INDEX_SOCKET="$socket" QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$data" XDG_RUNTIME_DIR="$data/xdg-runtime"
