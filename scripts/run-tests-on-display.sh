#!/usr/bin/env bash
# The test run proper, on a display: one persistent wineserver for all the tests.
set -euo pipefail
source "$(dirname "$0")/common.sh"

start_wineserver
trap 'wineserver -k >/dev/null 2>&1 || true; wineserver -w >/dev/null 2>&1 || true' EXIT
status=0
ctest --test-dir "$BUILD/x86_64" --output-on-failure -j 2 --timeout 300 || status=$?
for extra in "$ROOT"/scripts/extra-tests/*.sh; do
  [ -e "$extra" ] || continue
  log "running $(basename "$extra")"
  bash "$extra" || status=1
done
exit $status
