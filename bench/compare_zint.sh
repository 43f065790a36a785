#!/usr/bin/env bash
# Whole-process time of tessaly producer runs next to Debian's zint making the same symbol as a
# PNG, eight jobs. Each job runs as pairs, the order inside a pair alternating, so drift in the
# machine's speed hits both programs alike; a job's ratio is the median of its pairs' ratios.
# Then the CPU time of each (perf stat over 50 runs, children included: on a loaded machine it
# shows the work apart from the waits for a processor), the instructions of one run of each
# (valgrind; the largest count, as a forked child repeats its parent's) and the file sizes.
# Last, the floor: a program that does nothing, linked as the producer is (bench/startup_floor,
# built with -DTESSALY_BENCH=ON), against zint's QR job: what start-up alone leaves for work.
# Usage: bench/compare_zint.sh [build-dir] [pairs]   (pairs at least 50; needs bash 5, zint;
# perf and valgrind for the CPU and instruction columns, "-" without them)
set -euo pipefail
build=${1:-build}
pairs=${2:-60}
((pairs >= 50)) || { echo "at least 50 pairs" >&2; exit 2; }
tessaly=$(realpath "$build/tessaly")
floor=$(realpath "$build/bench/startup_floor" 2> /dev/null || true)
zint=$(command -v zint)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export XDG_CONFIG_HOME="$work/cfg"

repeat() { head -c "$2" < <(yes "$1" | tr -d '\n'); }
mixed40=$(repeat 'Tessaly 0123456789 abc ' 40)
upper40=$(repeat 'TESSALY 0123456789 ABC ' 40)
mixed1000=$(repeat 'Tessaly 0123456789 abc ' 1000)

# name | tessaly arguments | zint arguments, separated by a tab each; fields split on tabs only.
jobs=(
  "Aztec 40"$'\t'"/symbol=AZTEC|/message=$mixed40|/addcaption=0"$'\t'"-b|92|-d|$mixed40"
  "PDF417 40"$'\t'"/symbol=PDF|/message=$mixed40|/addcaption=0"$'\t'"-b|55|-d|$mixed40"
  "QR 40"$'\t'"/symbol=QR|/message=$mixed40|/addcaption=0"$'\t'"-b|58|-d|$mixed40"
  "QR Model 2 40"$'\t'"/symbol=QR|/qrmodel=2|/message=$mixed40|/addcaption=0"$'\t'"-b|58|-d|$mixed40"
  "Code 128 40"$'\t'"/symbol=C128|/message=$mixed40|/addcaption=0"$'\t'"-b|20|--notext|-d|$mixed40"
  "Code 39 40"$'\t'"/symbol=C39|/message=$upper40|/addcaption=0"$'\t'"-b|8|--notext|-d|$upper40"
  "Aztec 40, caption"$'\t'"/symbol=AZTEC|/message=$mixed40|/addcaption=1"$'\t'"-b|92|-d|$mixed40"
  "Code 39 40, caption"$'\t'"/symbol=C39|/message=$upper40|/addcaption=1"$'\t'"-b|8|-d|$upper40"
  "Aztec 1000"$'\t'"/symbol=AZTEC|/message=$mixed1000|/addcaption=0"$'\t'"-b|92|-d|$mixed1000"
)

# Splits "a|b|c" into the array named by $1.
split() { IFS='|' read -r -a "$1" <<< "$2"; }

# Wall time of one run in microseconds (bash's clock, no extra process).
run_us() {
  local t0=$EPOCHREALTIME
  "$@" > /dev/null 2>&1
  local t1=$EPOCHREALTIME
  echo $((${t1/./} - ${t0/./}))
}

median() {
  sort -g | awk '{v[NR] = $1}
    END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

instructions() {
  if ! command -v valgrind > /dev/null; then echo "-"; return; fi
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 > /dev/null |
    awk '/ refs:/ {gsub(",", "", $NF); if ($NF + 0 > n) n = $NF + 0} END {print n}'
}

cpu_ms() {
  if ! command -v perf > /dev/null; then echo "-"; return; fi
  # perf may be refused the counters (perf_event_paranoid): then "-" as well.
  perf stat -x, -r 50 -e task-clock "$@" 2>&1 > /dev/null |
    awk -F, '/task-clock/ {v = $1} END {print (v == "" ? "-" : v)}'
}

# Runs the commands named by $1 and $2 as interleaved pairs into t.times, z.times and ratios.
pairs_of() {
  local -n t_run=$1 z_run=$2
  local p t z
  : > t.times
  : > z.times
  : > ratios
  for ((p = 0; p < pairs; p++)); do
    if ((p % 2)); then
      z=$(run_us "${z_run[@]}")
      t=$(run_us "${t_run[@]}")
    else
      t=$(run_us "${t_run[@]}")
      z=$(run_us "${z_run[@]}")
    fi
    echo "$t" >> t.times
    echo "$z" >> z.times
    echo "$t $z" | awk '{printf "%.4f\n", $1 / $2}' >> ratios
  done
}

printf '%-20s %9s %9s %6s %7s %7s %10s %10s %7s %7s\n' job "t us" "z us" ratio "t cpu" \
  "z cpu" "t Ir" "z Ir" "t bytes" "z bytes"
for job in "${jobs[@]}"; do
  IFS=$'\t' read -r name targs zargs <<< "$job"
  split ta "$targs"
  split za "$zargs"
  t_cmd=("$tessaly" "${ta[@]}" /ofile=t.png)
  z_cmd=("$zint" "${za[@]}" -o z.png)
  "${t_cmd[@]}" > /dev/null 2>&1 || { echo "$name: tessaly failed" >&2; exit 1; }
  "${z_cmd[@]}" > /dev/null 2>&1 || { echo "$name: zint failed" >&2; exit 1; }
  pairs_of t_cmd z_cmd
  printf '%-20s %9s %9s %6.3f %7s %7s %10s %10s %7s %7s\n' "$name" "$(median < t.times)" \
    "$(median < z.times)" "$(median < ratios)" "$(cpu_ms "${t_cmd[@]}")" \
    "$(cpu_ms "${z_cmd[@]}")" "$(instructions "${t_cmd[@]}")" \
    "$(instructions "${z_cmd[@]}")" "$(stat -c %s t.png)" "$(stat -c %s z.png)"
done
if [[ -x $floor ]]; then
  f_cmd=("$floor")
  z_cmd=("$zint" -b 58 -d "$mixed40" -o z.png)
  pairs_of f_cmd z_cmd
  printf '%-20s %9s %9s %6.3f %7s %7s %10s %10s\n' "start-up, no work" "$(median < t.times)" \
    "$(median < z.times)" "$(median < ratios)" "$(cpu_ms "${f_cmd[@]}")" \
    "$(cpu_ms "${z_cmd[@]}")" "$(instructions "${f_cmd[@]}")" "$(instructions "${z_cmd[@]}")"
fi
echo "pairs per job: $pairs; us: median wall time of single runs; ratio: median of the pairs'"
echo "ratios; cpu: mean task-clock in ms; Ir: instructions of one run; start-up, no work: an"
echo "empty program linked as the producer, against zint's QR 40 job"
