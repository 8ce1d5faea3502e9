# Shared by the scripts that time our programs beside their peers: sourced,
# not run. Wall time of one command, and the median of a column of numbers.
now() { date +%s.%N; }
# prints the wall seconds of the command given; its output is discarded
timed() {
    start=$(now)
    "$@" > /dev/null 2>&1
    end=$(now)
    awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
