#!/usr/bin/env bash
# Fuzzes bitmap file reading natively for a bounded time; any crash, sanitizer report,
# leak or time-out fails the run. New inputs collect in build/fuzz/corpus, outside git.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
OUT="$ROOT/build/fuzz"
SECONDS_TO_RUN="${DIB_FUZZ_SECONDS:-60}"

cmake -S "$ROOT/fuzz" -B "$OUT" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$OUT.configure.log" 2>&1 ||
  { cat "$OUT.configure.log"; exit 1; }
cmake --build "$OUT" -j 2 >"$OUT.build.log" 2>&1 || { tail -40 "$OUT.build.log"; exit 1; }

mkdir -p "$OUT/corpus" "$OUT/findings"
# -max_len stays above the seeds' sizes; -timeout catches a read that loops.
"$OUT/dib_fuzzer" -max_total_time="$SECONDS_TO_RUN" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
  -artifact_prefix="$OUT/findings/" -print_final_stats=1 \
  "$OUT/corpus" "$ROOT/fuzz/seeds" "$ROOT/tests/image/fixtures" 2>"$OUT/fuzz.log" ||
  { tail -60 "$OUT/fuzz.log"; echo "bitmap fuzzing found a fault; inputs in $OUT/findings" >&2; exit 1; }
grep -E '^stat::(number_of_executed_units|new_units_added)' "$OUT/fuzz.log" || true
