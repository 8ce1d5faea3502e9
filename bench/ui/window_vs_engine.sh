#!/usr/bin/env bash
# Runs the window benchmark as root, on the offscreen platform, with a data
# folder of its own (the index of the volumes is built there on the first run).
# Usage: bench/ui/window_vs_engine.sh [BUILD_DIR] [NAME]
set -euo pipefail
build=${1:-build}
data=${TVQ_BENCH_DATA:-/var/tmp/talvenquist-bench}
mkdir -p "$data"
mkdir -p "$data/runtime" && chmod 700 "$data/runtime"
QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$data" XDG_RUNTIME_DIR="$data/runtime" "$build/bench/ui/WindowBench" "${2:-a}"
