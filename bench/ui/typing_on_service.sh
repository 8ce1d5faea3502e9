#!/usr/bin/env bash
# Search as you type in the window on the index service: key to updated rows
# and the event loop's stalls. As root.
# Usage: bench/ui/typing_on_service.sh [BUILD_DIR] [--interval MS] [--rounds N] [WORD...]
set -euo pipefail
build=${1:-build}
shift || true
. "$(dirname "$0")/service_common.sh"
"$build/bench/ui/TypingBench" "$@"
