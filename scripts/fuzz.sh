#!/usr/bin/env bash
# Runs every fuzz target in the given build folder for a bounded number of
# inputs, the targets side by side, each with the options of fuzz/<name>.opts:
#   runs=N            inputs to try (default 20000)
#   max_len=N         longest input, to suit the format (default 4096)
#   timeout=N         seconds one input may take before it counts as a hang
#                     (default 10: a loaded machine must not make one)
#   seeds=GLOB...     shipped files below the source tree that seed the run
#   field=FILE:NAME   one seed per value of the field NAME in the table FILE
# besides the target's own corpus in fuzz/corpus/<name>. A run stops at the
# first sanitizer report and fails; the script first shows, on a target made
# for it, that this holds. The input that failed a run is kept in
# <build>/fuzz-artefakte.
set -euo pipefail
build=${1:-build-fuzz}
root="$(cd "$(dirname "$0")/.." && pwd)"
shopt -s nullglob

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
artefakte="$build/fuzz-artefakte"
mkdir -p "$artefakte"

# One file per value of a field of a table file (XML data packet).
field_seeds() {
  local file=$1 name=$2 out=$3 i=0 value
  while IFS= read -r value; do
    value=${value#"$name=\""}
    value=${value%\"}
    value=${value//&#13;/$'\r'}
    value=${value//&#10;/$'\n'}
    value=${value//&quot;/\"}
    value=${value//&apos;/\'}
    value=${value//&lt;/<}
    value=${value//&gt;/>}
    value=${value//&amp;/&}
    printf '%s' "$value" > "$out/$name.$i"
    i=$((i + 1))
  done < <(grep -o " $name=\"[^\"]*\"" "$root/$file" | sed 's/^ //')
}

# Runs one target; its log goes to $work/<name>.log, its result to
# $work/<name>.ok or $work/<name>.failed.
run_target() {
  local exe=$1 name runs=20000 max_len=4096 timeout=10 dir key value pattern f
  name=$(basename "$exe"); name=${name#fuzz_}
  dir="$work/$name"
  mkdir -p "$dir/corpus" "$dir/seeds"
  if [ -f "$root/fuzz/$name.opts" ]; then
    while IFS='=' read -r key value; do
      case "$key" in
        runs) runs=$value ;;
        max_len) max_len=$value ;;
        timeout) timeout=$value ;;
        seeds) for pattern in $value; do
                 for f in "$root"/$pattern; do cp "$f" "$dir/seeds/"; done
               done ;;
        field) field_seeds "${value%%:*}" "${value#*:}" "$dir/seeds" ;;
      esac
    done < <(grep -v '^[[:space:]]*#' "$root/fuzz/$name.opts" | grep '=')
  fi
  local dirs=("$dir/corpus" "$dir/seeds")
  [ -d "$root/fuzz/corpus/$name" ] && dirs+=("$root/fuzz/corpus/$name")
  {
    echo "-- fuzz_$name: $runs inputs up to $max_len bytes, $(ls "$dir/seeds" | wc -l) shipped seeds"
    if "$exe" -runs="$runs" -timeout="$timeout" -rss_limit_mb=2048 -max_len="$max_len" \
         -artifact_prefix="$artefakte/$name-" "${dirs[@]}" 2>&1; then
      touch "$work/$name.ok"
    else
      touch "$work/$name.failed"
    fi
  } > "$work/$name.log" 2>&1
}

# The check that a sanitizer report fails a run.
probe="$build/fuzz/fuzzpruefung_ub"
if [ ! -x "$probe" ]; then
  echo "fuzz: $probe is missing"
  exit 1
fi
mkdir "$work/probe"
printf 'UB' > "$work/probe/seed"
if "$probe" -runs=1000 -artifact_prefix="$work/probe-" "$work/probe" > "$work/probe.log" 2>&1; then
  cat "$work/probe.log"
  echo "fuzz: a run went on past a sanitizer report"
  exit 1
fi
echo "-- a sanitizer report stops a run"

targets=()
for exe in "$build"/fuzz/fuzz_*; do
  [ -f "$exe" ] && [ -x "$exe" ] && targets+=("$exe")
done
jobs=${FUZZ_JOBS:-$(nproc)}
running=0
for exe in "${targets[@]}"; do
  run_target "$exe" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait || true

passed=0
failed=0
for exe in "${targets[@]}"; do
  name=$(basename "$exe"); name=${name#fuzz_}
  if [ -f "$work/$name.ok" ]; then
    passed=$((passed + 1))
    head -n 1 "$work/$name.log"
    tail -n 2 "$work/$name.log"
  else
    failed=$((failed + 1))
    head -n 1 "$work/$name.log"
    tail -n 60 "$work/$name.log"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "${#targets[@]}" -gt 0 ]
