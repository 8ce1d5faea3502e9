# Shared by the tvq timing scripts: where the program is, a private data
# folder for its settings, log and databases, and a timer.
set -euo pipefail

BUILD_DIR=${BUILD_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build}
TVQ=${TVQ:-$BUILD_DIR/src/cli/tvq}
WORK=${WORK:-$(mktemp -d /var/tmp/tvq-bench.XXXXXX)}
SETTINGS="$WORK/tvq/Settings.ini"
RUNS=${RUNS:-3}

[ -x "$TVQ" ] || { echo "tvq not built at $TVQ (build the tvq target first)" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "run as root: the index and the peers read the whole file system" >&2; exit 2; }
mkdir -p "$WORK/tvq"

# Seconds (with milliseconds) taken by one run of the command, output discarded.
seconds() {
    local start end
    start=$(date +%s%N)
    "$@" > /dev/null 2>&1 || true
    end=$(date +%s%N)
    echo "scale=3; ($end - $start) / 1000000000" | bc
}

# The fastest of $RUNS runs.
best_of() {
    local best="" t
    for _ in $(seq "$RUNS"); do
        t=$(seconds "$@")
        if [ -z "$best" ] || [ "$(echo "$t < $best" | bc)" -eq 1 ]; then best=$t; fi
    done
    echo "$best"
}

ratio() {
    echo "scale=2; $1 / $2" | bc
}

report() { # label ours peer-label peer
    printf '%-44s tvq %8ss   %-22s %8ss   ratio %s\n' "$1" "$2" "$3" "$4" "$(ratio "$2" "$4")"
}
