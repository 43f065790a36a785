#!/usr/bin/env bash
# Batch throughput in symbols per second: tessaly /batch next to Debian's zint --batch, both
# writing one PNG per line of the same list (1000 lines of 40 characters, fixed seed).
# Usage: bench/compare_zint_batch.sh [build-dir] [runs]
# OUT=/dev/shm/x puts the output on a RAM disk, so the figures show the programs rather than
# the disk.
set -euo pipefail
build=${1:-build}
runs=${2:-5}
tessaly=$(realpath "$build/tessaly")
work=$(mktemp -d)
out=${OUT:-$work/out}
trap 'rm -rf "$work" "$out"' EXIT
cd "$work"
export XDG_CONFIG_HOME="$work/cfg"
lines=1000
python3 - "$lines" > list.txt <<'PY'
import random, string, sys
random.seed(18)
alphabet = string.ascii_letters + string.digits
for _ in range(int(sys.argv[1])):
    print(''.join(random.choice(alphabet) for _ in range(40)))
PY

# Wall time in nanoseconds of one run into a fresh output folder.
run_ns() {
  rm -rf "$out" && mkdir -p "$out"
  local start end
  start=$(date +%s%N)
  "$@" > /dev/null 2>&1
  end=$(date +%s%N)
  echo $((end - start))
}

rate() { echo "scale=0; $lines * $runs * 1000000000 / $1" | bc; }

# Runs the three commands in turn, so that drift in the machine's speed hits all alike.
row() {
  local name=$1 symbol=$2 zsym=$3 caption=$4
  local t1=0 tn=0 z=0
  for ((r = 0; r < runs; r++)); do
    t1=$((t1 + $(run_ns "$tessaly" /symbol=$symbol /batch=list.txt "/ofile=$out/t.png" \
      /namemode=0 /threads=1 /addcaption=$caption)))
    tn=$((tn + $(run_ns "$tessaly" /symbol=$symbol /batch=list.txt "/ofile=$out/t.png" \
      /namemode=0 /addcaption=$caption)))
    z=$((z + $(run_ns zint --batch -b "$zsym" --filetype=png -o "$out/~~~~.png" -i list.txt)))
  done
  printf '%-10s tessaly 1 thread %7s/s   all cores %7s/s   zint %7s/s\n' "$name" \
    "$(rate $t1)" "$(rate $tn)" "$(rate $z)"
}

echo "symbols per second, $lines lines of 40 characters to PNG, $runs runs, $(nproc) cores"
row "Aztec" AZTEC 92 0
row "QR" QR 58 0
row "Code 128" C128 20 1
