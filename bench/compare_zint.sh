#!/usr/bin/env bash
# Whole-process time of one tessaly producer run next to Debian's zint (and, for standard QR,
# qrencode) writing the same symbology to PNG. Usage: bench/compare_zint.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-200}
tessaly=$(realpath "$build/tessaly")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export XDG_CONFIG_HOME="$work/cfg"
msg100=$(head -c 100 < <(yes 'Tessaly 0123456789 abc' | tr -d '\n'))
msg40=${msg100:0:40}

# Total wall time in nanoseconds of $batch runs of a command.
batch_ns() {
  local start end
  start=$(date +%s%N)
  for ((i = 0; i < batch; i++)); do "$@" > /dev/null 2>&1; done
  end=$(date +%s%N)
  echo $((end - start))
}

# Alternates batches of the two commands so that drift in the machine's speed hits both alike;
# prints the mean wall time of each in milliseconds and their ratio.
row() {
  local name=$1; shift
  local split=0 t=0 z=0
  for a in "$@"; do [ "$a" = "--" ] && break; split=$((split + 1)); done
  for ((b = 0; b < runs / batch; b++)); do
    t=$((t + $(batch_ns "${@:1:split}")))
    z=$((z + $(batch_ns "${@:split+2}")))
  done
  local n=$((runs / batch * batch))
  printf '%-28s tessaly %8s ms   %-8s %8s ms   ratio %s\n' "$name" \
    "$(echo "scale=3; $t / $n / 1000000" | bc)" "$(basename "${@:split+2:1}")" \
    "$(echo "scale=3; $z / $n / 1000000" | bc)" "$(echo "scale=2; $t / $z" | bc)"
}

batch=10
echo "runs per command: $runs"
row "Code 39 to PNG, caption" "$tessaly" /symbol=C39 /message=ABC123 /ofile=t.png \
  -- zint -b 8 -d ABC123 -o z.png
row "Code 39 to PNG, no caption" "$tessaly" /symbol=C39 /message=ABC123 /ofile=t.png /addcaption=0 \
  -- zint -b 8 -d ABC123 --notext -o z.png
row "Aztec 100 chars, caption" "$tessaly" /symbol=AZTEC "/message=$msg100" /ofile=t.png \
  -- zint -b 92 -d "$msg100" -o z.png
row "Aztec 100 chars, no caption" "$tessaly" /symbol=AZTEC "/message=$msg100" /ofile=t.png /addcaption=0 \
  -- zint -b 92 -d "$msg100" -o z.png
row "QR Model 2 40 chars" "$tessaly" /symbol=QR /qrmodel=2 "/message=$msg40" /ofile=t.png \
  /addcaption=0 -- zint -b 58 -d "$msg40" -o z.png
row "QR Model 2 40 chars" "$tessaly" /symbol=QR /qrmodel=2 "/message=$msg40" /ofile=t.png \
  /addcaption=0 -- qrencode -8 -o z.png "$msg40"
