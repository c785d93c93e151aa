#!/usr/bin/env bash
# Benchmark: a full 300-dpi page through the tester's real dialog and the unpaced
# virtual scanner, and the same resolution through SANE's scanimage test backend
# as a peer figure. Prints figures; fails only when something cannot run.
set -euo pipefail
source "$(dirname "$0")/common.sh"
PACKAGES="$PACKAGES sane-utils"

ensure_packages
build_for_running

bench="$BUILD/bench"
rm -rf "$bench" && mkdir -p "$bench"
cp "$BUILD/x86_64/bin/scan_bench.exe" "$BUILD/x86_64/bin/telmor.dll" "$bench/"
printf '[Scanner]\r\nWarmupSeconds=0\r\nLinesPerSecond=0\r\n' > "$bench/telmor.ini"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  source "'"$ROOT"'/scripts/common.sh"
  start_wineserver
  wine "'"$bench"'/scan_bench.exe"
  wineserver -k' | tee "$bench/tester.txt"

# The peer: the test backend scans at most 200 x 200 mm, so compare bytes per second.
start=$(date +%s.%N)
scanimage -d test --mode Color --resolution 300 -x 200 -y 200 --test-picture "Color pattern" > "$bench/peer.pnm"
end=$(date +%s.%N)
peer_bytes=$(( $(stat -c %s "$bench/peer.pnm") ))
read -r _ tester_lps tester_bps < <(sed -n 's/^RESULT lines_per_second=\([0-9.]*\) bytes_per_second=\([0-9.]*\)/x \1 \2/p' "$bench/tester.txt")
python3 - "$start" "$end" "$peer_bytes" "$tester_lps" "$tester_bps" <<'PY'
import sys
start, end, peer_bytes, tester_lps, tester_bps = map(float, sys.argv[1:])
seconds = end - start
lines = 2362  # 200 mm at 300 dpi
print(f"peer: scanimage test backend, 300 dpi colour, 200 x 200 mm: {seconds:.3f} s, "
      f"{lines / seconds:.0f} lines/s, {peer_bytes / seconds / 1e6:.1f} MB/s")
print(f"tester: {tester_lps:.0f} lines/s, {tester_bps / 1e6:.1f} MB/s; "
      f"tester / peer in bytes per second: {tester_bps / (peer_bytes / seconds):.2f}")
PY
