#!/usr/bin/env bash
# Times the window on the index service against the in-process engine.
# As root. Usage: bench/ui/window_on_service.sh [BUILD_DIR] NAME...
set -euo pipefail
build=${1:-build}
shift || true
. "$(dirname "$0")/service_common.sh"
"$build/bench/ui/ServiceWindowBench" "${@:-readme}"
