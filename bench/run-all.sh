#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds what the measurements need in BUILD_DIR, runs the benchmarks and the start-up
# comparison, and prints each figure against its goal.
#   bench/run-all.sh BUILD_DIR [STARTUP_RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: bench/run-all.sh BUILD_DIR [STARTUP_RUNS]}
runs=${2:-31}

cmake --build "$build" -j2 --target irgcalc bare_window bench_irg bench_keystroke map_timer
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== $(date -I), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
"$build/bench/bench_irg" --benchmark_out="$work/irg.csv" --benchmark_out_format=csv
QT_QPA_PLATFORM=offscreen "$build/bench/bench_keystroke" \
    --benchmark_out="$work/keys.csv" --benchmark_out_format=csv
"$here/startup.sh" "$build" "$runs" | tee "$work/startup.txt"

# The CSV files name their columns in a header line; counters' names come quoted.
figure() { # FILE BENCHMARK-PREFIX COLUMN
    awk -F, -v name="$2" -v col="$3" '
        $1 == "name" { for (i = 1; i <= NF; ++i) { h = $i; gsub(/"/, "", h); at[h] = i }; next }
        at[col] && index($1, "\"" name) == 1 { print $at[col]; exit }' "$1"
}
check() { # LABEL VALUE UNIT GOAL
    awk -v l="$1" -v v="$2" -v u="$3" -v g="$4" \
        'BEGIN { printf "  %-36s %9.2f %-2s goal <= %s %s: %s\n", l, v, u, g, u, (v + 0 <= g + 0) ? "ok" : "MISSED" }'
}
echo "== summary"
check "tax::monthlyIrg" "$(figure "$work/irg.csv" BM_monthlyIrg real_time)" ns 50
check "Form4::irg, C locale" "$(figure "$work/irg.csv" BM_Form4_irg/C real_time)" ns 1000
check "Form4::irg, ar_DZ locale" "$(figure "$work/irg.csv" BM_Form4_irg/ar_DZ real_time)" ns 1000
check "keystroke to Text1, p99" "$(figure "$work/keys.csv" BM_keystroke/painted:0 p99_us)" us 1000
check "keystroke to Text1 painted, p99" "$(figure "$work/keys.csv" BM_keystroke/painted:1 p99_us)" us 1000
grep -E 'ratio' "$work/startup.txt"
