#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the 64-bit programs and tests
# and the 32-bit programs, then runs the tests under Wine on a virtual display.
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages
mkdir -p "$BUILD"
build x86_64 ON
build i686 OFF
exec xvfb-run -a -s "-screen 0 1024x768x24" "$ROOT/scripts/run-tests-on-display.sh"
