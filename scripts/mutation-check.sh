#!/usr/bin/env bash
# Does the test suite notice real faults? Applies each fault listed in
# scripts/mutations.txt to the sources, one at a time, builds, runs the whole
# suite and reports which faults no test caught. The sources are restored
# after every fault, also when the script is interrupted.
#
#   scripts/mutation-check.sh [--only M01,M07] [--build-dir DIR] [--no-baseline] [--list] [--check]
#
# --check only applies and restores each fault, to find entries that no
# longer match the sources after a change.
# The suites named on a fault's "first:" line are built and run first, and
# the run stops at the first failing test, so a caught fault costs one small
# build and seconds of tests; only a fault they miss costs building
# everything and running the rest of the suite. Each test gets at most 300 s, and
# a test that times out counts as having caught the fault.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
list="$root/scripts/mutations.txt"
build="$root/build-mutation"
only=""
baseline=1
while [ $# -gt 0 ]; do
    case "$1" in
        --only) only="$2"; shift 2 ;;
        --build-dir) build=$(realpath -m "$2"); shift 2 ;;
        --no-baseline) baseline=0; shift ;;
        --list) list_only=1; shift ;;
        --check) check_only=1; shift ;;
        -h|--help) sed -n '2,16p' "$0"; exit 0 ;;
        *) echo "unknown option: $1" >&2; exit 2 ;;
    esac
done

# The list parser and the exact-text replacement, in Perl so that any byte of
# the sources can be matched without shell quoting getting in the way.
mutate() {
    perl - "$list" "$@" <<'PERL'
use strict; use warnings;
my ($list, $action, $id, $root) = @ARGV;
open my $in, '<', $list or die "$list: $!\n";
my (@entries, $cur, $mode);
while (my $line = <$in>) {
    if ($line =~ /^@ (\S+) (\S+) (\S+)\s*$/) {
        $cur = { id => $1, layer => $2, file => $3, fault => '', first => '', blocks => [] };
        push @entries, $cur; $mode = '';
    } elsif (!$cur) {
        next;
    } elsif ($mode eq '' && $line =~ /^fault: (.*)$/) { $cur->{fault} = $1;
    } elsif ($mode eq '' && $line =~ /^first: (.*)$/) { $cur->{first} = $1;
    } elsif ($line eq "<<<<\n") { push @{$cur->{blocks}}, ['', '']; $mode = 'find';
    } elsif ($line eq "====\n" && $mode eq 'find') { $mode = 'replace';
    } elsif ($line eq ">>>>\n" && $mode eq 'replace') { $mode = '';
    } elsif ($mode eq 'find') { $cur->{blocks}[-1][0] .= $line;
    } elsif ($mode eq 'replace') { $cur->{blocks}[-1][1] .= $line;
    }
}
if ($action eq 'list') {
    for my $e (@entries) { print join("\t", $e->{id}, $e->{layer}, $e->{file}, $e->{first}, $e->{fault}), "\n"; }
    exit 0;
}
my ($e) = grep { $_->{id} eq $id } @entries or die "no fault $id\n";
my $path = "$root/$e->{file}";
open my $src, '<', $path or die "$path: $!\n";
my $text = do { local $/; <$src> };
close $src;
for my $b (@{$e->{blocks}}) {
    my $count = () = $text =~ /\Q$b->[0]\E/g;
    die "$id: the text to replace occurs $count times in $e->{file}, not once:\n$b->[0]" if $count != 1;
    my $at = index($text, $b->[0]);
    substr($text, $at, length $b->[0]) = $b->[1];
}
open my $out, '>', $path or die "$path: $!\n";
print $out $text;
PERL
}

mapfile -t entries < <(mutate list)
if [ "${list_only:-0}" = 1 ]; then
    printf '%s\n' "${entries[@]}" | cut -f1,2,5
    exit 0
fi

if [ "${check_only:-0}" = 1 ]; then
    status=0
    for entry in "${entries[@]}"; do
        IFS=$'\t' read -r id layer file first fault <<<"$entry"
        saved=$(mktemp)
        cat "$root/$file" >"$saved"
        mutate apply "$id" "$root" || status=1
        cat "$saved" >"$root/$file"
        rm -f "$saved"
    done
    [ "$status" = 0 ] && echo "all ${#entries[@]} faults apply"
    exit "$status"
fi

mkdir -p "$build/mutation-logs"
logs="$build/mutation-logs"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" "${generator[@]}" "${launcher[@]}" -DCMAKE_BUILD_TYPE=Release >"$logs/configure.log"
fi

build_all() { cmake --build "$build" -j"$(nproc)" >>"$1" 2>&1; }
# Only the suites named on a fault's "first:" line (each suite is a target of
# its name): most faults are caught there, without relinking every program.
# Suites that no longer exist are left out; with none left, everything.
build_targets() {
    local log="$1" wanted targets=() name
    IFS='|' read -r -a wanted <<<"$2"
    for name in "${wanted[@]}"; do
        grep -qx "$name" <<<"$known_targets" && targets+=("$name")
    done
    [ ${#targets[@]} -gt 0 ] || { build_all "$log"; return; }
    cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >>"$log" 2>&1
}
# Runs the suites, returns 0 when all passed; the log names the failing one.
run_suite() {
    local log="$1"; shift
    ctest --test-dir "$build" --stop-on-failure --timeout 300 "$@" >>"$log" 2>&1
}
first_failure() {
    grep -E 'Test +#[0-9]+: .*(\*\*\*|Not Run|Failed|SEGFAULT|Subprocess|Timeout)' "$1" | head -1 \
        | sed -E 's/.*Test +#[0-9]+: ([^ ]+) .*/\1/'
}

known_targets=$(cmake --build "$build" --target help 2>/dev/null | grep -oE '[A-Za-z0-9_]+' | sort -u)

if [ "$baseline" = 1 ]; then
    echo "Baseline: building and running the unchanged suite..."
    : >"$logs/baseline.build.log"
    build_all "$logs/baseline.build.log" || { echo "the unchanged sources do not build: $logs/baseline.build.log" >&2; exit 1; }
    : >"$logs/baseline.test.log"
    if ! run_suite "$logs/baseline.test.log"; then
        echo "the unchanged suite fails ($(first_failure "$logs/baseline.test.log")); every fault would count as caught" >&2
        exit 1
    fi
fi

backup=""
target=""
restore() {
    if [ -n "$backup" ]; then
        # A fresh modification time, so the build sees the file changed back.
        cat "$backup" >"$target"
        rm -f "$backup"
        backup=""
    fi
}
trap restore EXIT
trap 'restore; exit 130' INT TERM

report="$build/mutation-report.md"
{
    echo "| fault | layer | what goes wrong | result | caught by |"
    echo "|---|---|---|---|---|"
} >"$report"
missed=0
total=0
for entry in "${entries[@]}"; do
    IFS=$'\t' read -r id layer file first fault <<<"$entry"
    if [ -n "$only" ] && [[ ",$only," != *",$id,"* ]]; then
        continue
    fi
    total=$((total + 1))
    target="$root/$file"
    if ! git -C "$root" diff --quiet -- "$file"; then
        echo "$file has uncommitted changes; commit or stash them first" >&2
        exit 1
    fi
    backup=$(mktemp)
    cat "$target" >"$backup"
    log="$logs/$id.log"
    : >"$log"
    : >"$logs/$id.build.log"
    started=$SECONDS
    if ! mutate apply "$id" "$root" >>"$log" 2>&1; then
        result="not applied"; by="(see $id.log)"
    elif ! build_targets "$logs/$id.build.log" "$first"; then
        result="does not build"; by="(see $id.build.log)"
    elif ! run_suite "$log" -R "$first"; then
        result="caught"; by=$(first_failure "$log")
    elif ! build_all "$logs/$id.build.log"; then
        result="does not build"; by="(see $id.build.log)"
    elif ! run_suite "$log" -E "$first"; then
        result="caught"; by=$(first_failure "$log")
    else
        result="NOT CAUGHT"; by="-"; missed=$((missed + 1))
    fi
    restore
    printf '%s %-8s %-14s %-28s %4ss  %s\n' "$id" "$layer" "$result" "$by" $((SECONDS - started)) "$fault"
    echo "| $id | $layer | $fault | $result | $by |" >>"$report"
done
# Leave the build matching the restored sources.
: >"$logs/restored.build.log"
build_all "$logs/restored.build.log" || true
echo
echo "$((total - missed)) of $total faults caught; table: $report"
[ "$missed" = 0 ]
