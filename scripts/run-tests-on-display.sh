#!/usr/bin/env bash
# The test run proper, on a display: one persistent wineserver for all the tests.
set -euo pipefail
source "$(dirname "$0")/common.sh"

prepare_wine_prefix
wineserver -k >/dev/null 2>&1 || true  # a server left by an earlier run holds another display
wineserver -p
# Start Wine's background services now, detached from any test's output: a service
# started by a test would inherit its pipes and keep CTest waiting for their end.
wine cmd /c exit >/dev/null 2>&1 </dev/null || true
trap 'wineserver -k >/dev/null 2>&1 || true; wineserver -w >/dev/null 2>&1 || true' EXIT
status=0
ctest --test-dir "$BUILD/x86_64" --output-on-failure -j 2 --timeout 300 || status=$?
for extra in "$ROOT"/scripts/extra-tests/*.sh; do
  [ -e "$extra" ] || continue
  log "running $(basename "$extra")"
  bash "$extra" || status=1
done
exit $status
