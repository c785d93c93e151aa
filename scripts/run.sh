#!/usr/bin/env bash
# Runs the tester with the virtual scanner. On a machine with a display it opens the
# tester for you; without one (or with --headless) it runs it on a virtual display,
# prints the dialog's fields and leaves screenshots in build/demo/.
#   scripts/run.sh [--headless] [--ini FILE]
# --ini picks the virtual scanner's settings (see virtual_scanner/*.ini).
set -euo pipefail
source "$(dirname "$0")/common.sh"

headless=0
ini=""
while [ $# -gt 0 ]; do
  case "$1" in
    --headless) headless=1 ;;
    --ini) ini="$(realpath "$2")"; shift ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
[ -n "${DISPLAY:-}" ] || headless=1

ensure_packages
build_for_running

# The tester runs from a folder of its own, with the chosen scanner settings beside the library.
demo="$BUILD/demo"
rm -rf "$demo" && mkdir -p "$demo"
cp "$BUILD/x86_64/bin/"*.exe "$BUILD/x86_64/bin/"*.dll "$demo/" 2>/dev/null || true
[ -z "$ini" ] || cp "$ini" "$demo/telmor.ini"

if [ "$headless" = 0 ]; then
  prepare_wine_prefix
  exec wine "$demo/tester.exe"
fi
# With settings of the user's choice any outcome may be the right one: show it, check none.
checks=strict
[ -z "$ini" ] || checks=show
exec xvfb-run -a -s "-screen 0 1024x768x24" "$ROOT/scripts/run-demo-on-display.sh" "$demo" "$checks"
