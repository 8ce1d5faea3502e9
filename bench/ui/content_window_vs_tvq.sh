#!/usr/bin/env bash
# The window's content search (Find to the final rows) beside tvq's whole
# process for the same request, without an index, alternating, medians.
# Both get settings, logs and temporary files of their own, removed at the end.
#
#   [RUNS=N] bench/ui/content_window_vs_tvq.sh [BUILD_DIR] [WORD [FOLDER...]]
set -euo pipefail
build=${1:-build}
shift $(( $# >= 1 ? 1 : 0 ))
word=${1:-deprecated}
shift $(( $# >= 1 ? 1 : 0 ))
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=(/usr/include)
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export XDG_CONFIG_HOME=$out/config XDG_DATA_HOME=$out/data XDG_CACHE_HOME=$out/cache XDG_RUNTIME_DIR=$out/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$build/bench/ui/ContentWindowBench" --runs "${RUNS:-7}" "$build/src/cli/tvq" "$word" "${folders[@]}"
