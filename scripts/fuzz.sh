#!/usr/bin/env bash
# Runs every fuzz target in the given build folder for a bounded number of
# inputs. Targets may name their own run count in fuzz/<name>.runs.
set -euo pipefail
build=${1:-build-fuzz}
root="$(cd "$(dirname "$0")/.." && pwd)"
shopt -s nullglob
passed=0
failed=0
for exe in "$build"/fuzz/fuzz_*; do
  [ -f "$exe" ] && [ -x "$exe" ] || continue
  name=$(basename "$exe"); name=${name#fuzz_}
  runs=20000
  [ -f "$root/fuzz/$name.runs" ] && runs=$(cat "$root/fuzz/$name.runs")
  corpus=$(mktemp -d)
  seeds=()
  [ -d "$root/fuzz/corpus/$name" ] && seeds=("$root/fuzz/corpus/$name")
  echo "-- fuzz_$name: $runs inputs"
  if QT_QPA_PLATFORM=offscreen "$exe" -runs="$runs" -timeout=1 -rss_limit_mb=2048 \
       -max_len=4096 "$corpus" "${seeds[@]}" > "$corpus.log" 2>&1; then
    passed=$((passed + 1))
    tail -n 2 "$corpus.log"
  else
    failed=$((failed + 1))
    tail -n 60 "$corpus.log"
  fi
  rm -rf "$corpus" "$corpus.log"
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
